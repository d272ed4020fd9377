#include "MainSettings.h"

namespace quillon {

namespace {
const QString kEditor = QStringLiteral("Editor");
QString L(const char *s)
{
    return QLatin1String(s);
}
} // namespace

int FontSetting::pointSize(int fallback) const
{
    int v = 0;
    if (!IniFile::parseInteger(size, &v) || v <= 0 || v > 500)
        return fallback;
    return v;
}

MainSettings::MainSettings()
{
    systemFontJpnName = QString::fromUtf16(u"ＭＳ ゴシック");
    systemFontEngName = QStringLiteral("Courier New");
    skinStyleText = QStringLiteral("Windows");
    textFont = {QString::fromUtf16(u"ＭＳ ゴシック"), QStringLiteral("14"), 0x000000};
    binaryFont = textFont;
    readSetting.fill(false);
    readSetting[0] = true;
    tabs = {false, true, false, false};
    csvSeparater = QString::fromUtf16(u"≡");
    placement.rect = QRect(0, 0, 780, 240);
}

const char *MainSettings::readSettingKey(int number)
{
    static const char *keys[] = {"ReadAuto", "ReadSJIS", "ReadJIS", "ReadEUCJP", "ReadUTF7", "ReadUTF8Bom",
                                 "ReadUTF8", "ReadUTF16BomBe", "ReadUTF16Be", "ReadUTF16BomLe", "ReadUTF16Le"};
    return (number >= 0 && number <= 10) ? keys[number] : keys[0];
}

int MainSettings::skinStyleNumber(const QString &text)
{
    if (text == QLatin1String("Carbon"))
        return 1;
    if (text == QLatin1String("Charcoal Dark Slate"))
        return 2;
    if (text == QLatin1String("Windows10 Dark"))
        return 3;
    return 0;
}

void MainSettings::readAtStart(IniAccess &ini)
{
    const MainSettings d; // defaults
    japanese = ini.readBool(L("Language"), L("Japanese"), d.japanese);

    systemFontJpnName = ini.readString(L("SystemFontJpn"), L("Name"), d.systemFontJpnName);
    systemFontJpnSize = ini.readInteger(L("SystemFontJpn"), L("Size"), d.systemFontJpnSize);
    systemFontEngName = ini.readString(L("SystemFontEng"), L("Name"), d.systemFontEngName);
    systemFontEngSize = ini.readInteger(L("SystemFontEng"), L("Size"), d.systemFontEngSize);
    ini.writeString(L("SystemFontJpn"), L("Name"), systemFontJpnName);
    ini.writeInteger(L("SystemFontJpn"), L("Size"), systemFontJpnSize);
    ini.writeString(L("SystemFontEng"), L("Name"), systemFontEngName);
    ini.writeInteger(L("SystemFontEng"), L("Size"), systemFontEngSize);

    colorCarbon = ini.readColor(L("FTextView"), L("ColorCarbon"), d.colorCarbon);
    colorCharcoal = ini.readColor(L("FTextView"), L("ColorCharcoal"), d.colorCharcoal);
    colorDark = ini.readColor(L("FTextView"), L("ColorDark"), d.colorDark);
    ini.writeColor(L("FTextView"), L("ColorCarbon"), colorCarbon);
    ini.writeColor(L("FTextView"), L("ColorCharcoal"), colorCharcoal);
    ini.writeColor(L("FTextView"), L("ColorDark"), colorDark);

    skinStyleText = ini.readString(L("SkinStyle"), L("Text"), d.skinStyleText);
    skinStyle = skinStyleNumber(skinStyleText);
    developer = ini.readBool(L("Developer"), L("Enabled"), d.developer);
    ini.writeBool(L("Developer"), L("Enabled"), developer);

    textFont.name = ini.readString(kEditor, L("FontNameReadOnly"), d.textFont.name);
    textFont.size = ini.readString(kEditor, L("FontSizeReadOnly"), d.textFont.size);
    textFont.color = ini.readColor(kEditor, L("FontColorReadOnly"), d.textFont.color);
    backColorReadOnly = ini.readColor(kEditor, L("BackColorReadOnly"), d.backColorReadOnly);
    kigouColor = ini.readColor(kEditor, L("KigouColor"), d.kigouColor);
    binaryFont.name = ini.readString(kEditor, L("FontNameBinary"), d.binaryFont.name);
    binaryFont.size = ini.readString(kEditor, L("FontSizeBinary"), d.binaryFont.size);
    binaryFont.color = ini.readColor(kEditor, L("FontColorBinary"), d.binaryFont.color);
    binaryColor = ini.readColor(kEditor, L("BinaryColor"), d.binaryColor);

    for (int i = 0; i <= 10; ++i)
        readSetting[size_t(i)] = ini.readBool(kEditor, L(readSettingKey(i)), d.readSetting[size_t(i)]);
    // Exactly one read setting is checked; a damaged file falls back to automatic.
    int checked = 0;
    for (bool b : readSetting)
        checked += b ? 1 : 0;
    if (checked != 1)
        setReadSetting(checked == 0 ? 0 : checkedReadSetting());

    closeEsc = ini.readBool(kEditor, L("CloseESCkey"), d.closeEsc);
    closeEnter = ini.readBool(kEditor, L("CloseENTERkey"), d.closeEnter);
    closeQ = ini.readBool(kEditor, L("CloseQkey"), d.closeQ);
    closeX = ini.readBool(kEditor, L("CloseXkey"), d.closeX);

    static const char *tabKeys[] = {"Tab2", "Tab4", "Tab6", "Tab8"};
    for (size_t i = 0; i < 4; ++i)
        tabs[i] = ini.readBool(kEditor, L(tabKeys[i]), d.tabs[i]);
    markCrLf = ini.readBool(kEditor, L("CrLf"), d.markCrLf);
    markEof = ini.readBool(kEditor, L("EOF"), d.markEof);
    markTab = ini.readBool(kEditor, L("Tab"), d.markTab);
    markDbcs = ini.readBool(kEditor, L("DBCS"), d.markDbcs);
    wrapNone = ini.readBool(kEditor, L("WrapNone"), d.wrapNone);
    wrapWindowWidth = ini.readBool(kEditor, L("WrapWindowWidth"), d.wrapWindowWidth);
    if (wrapNone == wrapWindowWidth) { // exactly one is on
        wrapNone = true;
        wrapWindowWidth = false;
    }
    showLineNumber = ini.readBool(kEditor, L("ShowLineNumber"), d.showLineNumber);
    selectLine = ini.readBool(kEditor, L("SelectLine"), d.selectLine);
    lineWidth = ini.readInteger(kEditor, L("LineWidth"), d.lineWidth);
    lineZero = ini.readInteger(kEditor, L("LineZero"), d.lineZero);
    shiftRet = ini.readInteger(kEditor, L("ShiftRet"), d.shiftRet);
    shiftEof = ini.readInteger(kEditor, L("ShiftEof"), d.shiftEof);
    shiftTab = ini.readInteger(kEditor, L("ShiftTab"), d.shiftTab);
    shiftDbcs = ini.readInteger(kEditor, L("ShiftDbcs"), d.shiftDbcs);
    harbekanShiftRet = ini.readInteger(L("Harbekan"), L("ShiftRet"), d.harbekanShiftRet);
    harbekanShiftEof = ini.readInteger(L("Harbekan"), L("ShiftEof"), d.harbekanShiftEof);
    harbekanShiftTab = ini.readInteger(L("Harbekan"), L("ShiftTab"), d.harbekanShiftTab);
    harbekanShiftDbcs = ini.readInteger(L("Harbekan"), L("ShiftDbcs"), d.harbekanShiftDbcs);
    scrollPlusPlusPlusIndex = ini.readInteger(kEditor, L("ScrollPlusPlusPlusIndex"), d.scrollPlusPlusPlusIndex);
    scrollPlusPlusIndex = ini.readInteger(kEditor, L("ScrollPlusPlusIndex"), d.scrollPlusPlusIndex);
    scrollPlusIndex = ini.readInteger(kEditor, L("ScrollPlusIndex"), d.scrollPlusIndex);
    jump = ini.readString(kEditor, L("Jump"), d.jump);
    startTopLine = ini.readBool(kEditor, L("StartTopLine"), d.startTopLine);
    topToFiler = ini.readBool(kEditor, L("TopToFiler"), d.topToFiler);
    checkFilerExist = ini.readBool(kEditor, L("CheckFilerExist"), d.checkFilerExist);
    sameAsHarbekan = ini.readBool(kEditor, L("SameAsHarbekan"), d.sameAsHarbekan);
    searchWordAutoGet = ini.readBool(kEditor, L("SearchWordAutoGet"), d.searchWordAutoGet);
    searchBarSetFocus = ini.readBool(kEditor, L("SearchBarSetFocus"), d.searchBarSetFocus);
    binaryLoadAll = ini.readBool(kEditor, L("BinaryLoadAll"), d.binaryLoadAll);
    binaryLoadRange = ini.readBool(kEditor, L("BinaryLoadRange"), d.binaryLoadRange);

    statusBarTop = ini.readBool(L("StatusBar"), L("PositionTop"), d.statusBarTop);
    statusBarBottom = ini.readBool(L("StatusBar"), L("PositionBottom"), d.statusBarBottom);
    statusBarFormResize = ini.readBool(L("StatusBar"), L("FormResize"), d.statusBarFormResize);
    showFileName = ini.readBool(L("StatusBar"), L("ShowFileName"), d.showFileName);
    searchBarTop = ini.readBool(L("SearchBar"), L("PositionTop"), d.searchBarTop);
    quillonCloseOnExecuteHarbekan =
        ini.readBool(L("QuillonCloseOnExecuteHarbekan"), L("Enabled"), d.quillonCloseOnExecuteHarbekan);
    menuHarbekanCloseOnStart = ini.readBool(L("MenuHarbekanCloseOnStart"), L("Enabled"), d.menuHarbekanCloseOnStart);
    for (int i = 0; i < 5; ++i)
        launcherFolderFile[size_t(i)] = ini.readString(QStringLiteral("Launcher%1").arg(i + 1), L("FolderFile"));
    loadFolderFile = ini.readString(L("Load"), L("FolderFile"));
    saveCsvFolderFile = ini.readString(L("SaveCsv"), L("FolderFile"));
    csvSeparater = ini.readString(L("Csv"), L("Separater"), d.csvSeparater);
    placement = PlacementRecord::read(ini, QStringLiteral("FormMain"), QSize(780, 240));
}

void MainSettings::writeAtExit(IniAccess &ini) const
{
    ini.writeString(kEditor, L("FontNameReadOnly"), textFont.name);
    ini.writeString(kEditor, L("FontSizeReadOnly"), textFont.size);
    ini.writeColor(kEditor, L("FontColorReadOnly"), textFont.color);
    ini.writeColor(kEditor, L("BackColorReadOnly"), backColorReadOnly);
    ini.writeColor(kEditor, L("KigouColor"), kigouColor);
    ini.writeString(kEditor, L("FontNameBinary"), binaryFont.name);
    ini.writeString(kEditor, L("FontSizeBinary"), binaryFont.size);
    ini.writeColor(kEditor, L("FontColorBinary"), binaryFont.color);
    ini.writeColor(kEditor, L("BinaryColor"), binaryColor);
    for (int i = 0; i <= 10; ++i)
        ini.writeBool(kEditor, L(readSettingKey(i)), readSetting[size_t(i)]);
    ini.writeBool(kEditor, L("CloseESCkey"), closeEsc);
    ini.writeBool(kEditor, L("CloseENTERkey"), closeEnter);
    ini.writeBool(kEditor, L("CloseQkey"), closeQ);
    ini.writeBool(kEditor, L("CloseXkey"), closeX);
    static const char *tabKeys[] = {"Tab2", "Tab4", "Tab6", "Tab8"};
    for (size_t i = 0; i < 4; ++i)
        ini.writeBool(kEditor, L(tabKeys[i]), tabs[i]);
    ini.writeBool(kEditor, L("CrLf"), markCrLf);
    ini.writeBool(kEditor, L("EOF"), markEof);
    ini.writeBool(kEditor, L("Tab"), markTab);
    ini.writeBool(kEditor, L("DBCS"), markDbcs);
    ini.writeBool(kEditor, L("ShowLineNumber"), showLineNumber);
    ini.writeBool(kEditor, L("SelectLine"), selectLine);
    ini.writeBool(kEditor, L("StartTopLine"), startTopLine);
    ini.writeBool(kEditor, L("TopToFiler"), topToFiler);
    ini.writeBool(kEditor, L("CheckFilerExist"), checkFilerExist);
    ini.writeBool(kEditor, L("SameAsHarbekan"), sameAsHarbekan);
    ini.writeBool(kEditor, L("SearchWordAutoGet"), searchWordAutoGet);
    ini.writeBool(kEditor, L("SearchBarSetFocus"), searchBarSetFocus);
    ini.writeBool(kEditor, L("BinaryLoadAll"), binaryLoadAll);
    ini.writeBool(kEditor, L("BinaryLoadRange"), binaryLoadRange);
    ini.writeBool(L("StatusBar"), L("PositionTop"), statusBarTop);
    ini.writeBool(L("StatusBar"), L("PositionBottom"), statusBarBottom);
    ini.writeBool(L("SearchBar"), L("PositionTop"), searchBarTop);
    ini.writeBool(L("QuillonCloseOnExecuteHarbekan"), L("Enabled"), quillonCloseOnExecuteHarbekan);
    ini.writeBool(L("MenuHarbekanCloseOnStart"), L("Enabled"), menuHarbekanCloseOnStart);
    ini.writeString(L("SaveCsv"), L("FolderFile"), saveCsvFolderFile);
}

int MainSettings::checkedReadSetting() const
{
    for (int i = 1; i <= 10; ++i) {
        if (readSetting[size_t(i)])
            return i;
    }
    return 0;
}

void MainSettings::setReadSetting(int number)
{
    readSetting.fill(false);
    readSetting[size_t(number >= 0 && number <= 10 ? number : 0)] = true;
}

int MainSettings::tabWidth() const
{
    for (size_t i = 0; i < 4; ++i) {
        if (tabs[i])
            return int(i + 1) * 2;
    }
    return 4;
}

} // namespace quillon
