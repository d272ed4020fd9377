#include "MainSettings.h"

#include <iterator>
#include <variant>

namespace quillon {

namespace {
const QString kEditor = QStringLiteral("Editor");
QString L(const char *s)
{
    return QLatin1String(s);
}
struct KeyName {
    const char *section;
    const char *name;
};

// Section and name of each MainKey, in the enum's order.
constexpr KeyName keyNames[] = {
    {"Language", "Japanese"},
    {"Load", "FolderFile"},
    {"Editor", "CloseESCkey"}, {"Editor", "CloseENTERkey"}, {"Editor", "CloseQkey"}, {"Editor", "CloseXkey"},
    {"Editor", "WrapNone"}, {"Editor", "WrapWindowWidth"},
    {"Editor", "LineZero"},
    {"Editor", "Jump"},
    {"Editor", "ScrollPlusPlusPlusIndex"}, {"Editor", "ScrollPlusPlusIndex"}, {"Editor", "ScrollPlusIndex"},
    {"Editor", "FontNameReadOnly"}, {"Editor", "FontSizeReadOnly"}, {"Editor", "FontColorReadOnly"},
    {"Editor", "BackColorReadOnly"}, {"Editor", "KigouColor"},
    {"StatusBar", "PositionTop"}, {"StatusBar", "PositionBottom"}, {"StatusBar", "FormResize"},
    {"StatusBar", "ShowFileName"},
    {"SearchBar", "PositionTop"},
    {"Options", "SearchWord"}, {"Options", "MatchCase"}, {"FormFind", "Parent"},
};
static_assert(std::size(keyNames) == size_t(MainKey::FindParent) + 1);

using Field = std::variant<bool *, int *, QString *, TColor *>;

Field field(MainSettings &s, MainKey key)
{
    switch (key) {
    case MainKey::Japanese: return &s.japanese;
    case MainKey::LoadFolderFile: return &s.loadFolderFile;
    case MainKey::CloseEsc: return &s.closeEsc;
    case MainKey::CloseEnter: return &s.closeEnter;
    case MainKey::CloseQ: return &s.closeQ;
    case MainKey::CloseX: return &s.closeX;
    case MainKey::WrapNone: return &s.wrapNone;
    case MainKey::WrapWindowWidth: return &s.wrapWindowWidth;
    case MainKey::LineZero: return &s.lineZero;
    case MainKey::Jump: return &s.jump;
    case MainKey::ScrollPlusPlusPlusIndex: return &s.scrollPlusPlusPlusIndex;
    case MainKey::ScrollPlusPlusIndex: return &s.scrollPlusPlusIndex;
    case MainKey::ScrollPlusIndex: return &s.scrollPlusIndex;
    case MainKey::FontNameReadOnly: return &s.textFont.name;
    case MainKey::FontSizeReadOnly: return &s.textFont.size;
    case MainKey::FontColorReadOnly: return &s.textFont.color;
    case MainKey::BackColorReadOnly: return &s.backColorReadOnly;
    case MainKey::KigouColor: return &s.kigouColor;
    case MainKey::StatusBarTop: return &s.statusBarTop;
    case MainKey::StatusBarBottom: return &s.statusBarBottom;
    case MainKey::StatusBarFormResize: return &s.statusBarFormResize;
    case MainKey::ShowFileName: return &s.showFileName;
    case MainKey::SearchBarTop: return &s.searchBarTop;
    case MainKey::SearchWord: return &s.searchWord;
    case MainKey::MatchCase: return &s.matchCase;
    case MainKey::FindParent: return &s.findParent;
    }
    return &s.japanese;
}

} // namespace

void MainSettings::save(IniAccess &ini, MainKey key) const
{
    const KeyName &k = keyNames[size_t(key)];
    const QString section = L(k.section);
    const QString name = L(k.name);
    std::visit(
        [&](auto *value) {
            using T = std::remove_pointer_t<decltype(value)>;
            if constexpr (std::is_same_v<T, bool>)
                ini.writeBool(section, name, *value);
            else if constexpr (std::is_same_v<T, int>)
                ini.writeInteger(section, name, *value);
            else if constexpr (std::is_same_v<T, QString>)
                ini.writeString(section, name, *value);
            else
                ini.writeColor(section, name, *value);
        },
        field(const_cast<MainSettings &>(*this), key));
}

void MainSettings::reload(const IniAccess &ini, MainKey key)
{
    const KeyName &k = keyNames[size_t(key)];
    const QString section = L(k.section);
    const QString name = L(k.name);
    MainSettings defaults;
    const Field def = field(defaults, key);
    std::visit(
        [&](auto *value) {
            using T = std::remove_pointer_t<decltype(value)>;
            const T &d = *std::get<T *>(def);
            if constexpr (std::is_same_v<T, bool>)
                *value = ini.readBool(section, name, d);
            else if constexpr (std::is_same_v<T, int>)
                *value = ini.readInteger(section, name, d);
            else if constexpr (std::is_same_v<T, QString>)
                *value = ini.readString(section, name, d);
            else
                *value = ini.readColor(section, name, d);
        },
        field(*this, key));
}

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
    reload(ini, MainKey::Japanese);

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

    for (MainKey key : {MainKey::FontNameReadOnly, MainKey::FontSizeReadOnly, MainKey::FontColorReadOnly,
                        MainKey::BackColorReadOnly, MainKey::KigouColor})
        reload(ini, key);
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

    for (MainKey key : {MainKey::CloseEsc, MainKey::CloseEnter, MainKey::CloseQ, MainKey::CloseX})
        reload(ini, key);

    static const char *tabKeys[] = {"Tab2", "Tab4", "Tab6", "Tab8"};
    for (size_t i = 0; i < 4; ++i)
        tabs[i] = ini.readBool(kEditor, L(tabKeys[i]), d.tabs[i]);
    markCrLf = ini.readBool(kEditor, L("CrLf"), d.markCrLf);
    markEof = ini.readBool(kEditor, L("EOF"), d.markEof);
    markTab = ini.readBool(kEditor, L("Tab"), d.markTab);
    markDbcs = ini.readBool(kEditor, L("DBCS"), d.markDbcs);
    reload(ini, MainKey::WrapNone);
    reload(ini, MainKey::WrapWindowWidth);
    if (wrapNone == wrapWindowWidth) { // exactly one is on
        wrapNone = true;
        wrapWindowWidth = false;
    }
    showLineNumber = ini.readBool(kEditor, L("ShowLineNumber"), d.showLineNumber);
    selectLine = ini.readBool(kEditor, L("SelectLine"), d.selectLine);
    lineWidth = ini.readInteger(kEditor, L("LineWidth"), d.lineWidth);
    reload(ini, MainKey::LineZero);
    shiftRet = ini.readInteger(kEditor, L("ShiftRet"), d.shiftRet);
    shiftEof = ini.readInteger(kEditor, L("ShiftEof"), d.shiftEof);
    shiftTab = ini.readInteger(kEditor, L("ShiftTab"), d.shiftTab);
    shiftDbcs = ini.readInteger(kEditor, L("ShiftDbcs"), d.shiftDbcs);
    harbekanShiftRet = ini.readInteger(L("Harbekan"), L("ShiftRet"), d.harbekanShiftRet);
    harbekanShiftEof = ini.readInteger(L("Harbekan"), L("ShiftEof"), d.harbekanShiftEof);
    harbekanShiftTab = ini.readInteger(L("Harbekan"), L("ShiftTab"), d.harbekanShiftTab);
    harbekanShiftDbcs = ini.readInteger(L("Harbekan"), L("ShiftDbcs"), d.harbekanShiftDbcs);
    for (MainKey key : {MainKey::ScrollPlusPlusPlusIndex, MainKey::ScrollPlusPlusIndex, MainKey::ScrollPlusIndex,
                        MainKey::Jump})
        reload(ini, key);
    startTopLine = ini.readBool(kEditor, L("StartTopLine"), d.startTopLine);
    topToFiler = ini.readBool(kEditor, L("TopToFiler"), d.topToFiler);
    checkFilerExist = ini.readBool(kEditor, L("CheckFilerExist"), d.checkFilerExist);
    sameAsHarbekan = ini.readBool(kEditor, L("SameAsHarbekan"), d.sameAsHarbekan);
    searchWordAutoGet = ini.readBool(kEditor, L("SearchWordAutoGet"), d.searchWordAutoGet);
    searchBarSetFocus = ini.readBool(kEditor, L("SearchBarSetFocus"), d.searchBarSetFocus);
    binaryLoadAll = ini.readBool(kEditor, L("BinaryLoadAll"), d.binaryLoadAll);
    binaryLoadRange = ini.readBool(kEditor, L("BinaryLoadRange"), d.binaryLoadRange);

    for (MainKey key : {MainKey::StatusBarTop, MainKey::StatusBarBottom, MainKey::StatusBarFormResize,
                        MainKey::ShowFileName, MainKey::SearchBarTop})
        reload(ini, key);
    quillonCloseOnExecuteHarbekan =
        ini.readBool(L("QuillonCloseOnExecuteHarbekan"), L("Enabled"), d.quillonCloseOnExecuteHarbekan);
    menuHarbekanCloseOnStart = ini.readBool(L("MenuHarbekanCloseOnStart"), L("Enabled"), d.menuHarbekanCloseOnStart);
    for (int i = 0; i < 5; ++i)
        launcherFolderFile[size_t(i)] = ini.readString(QStringLiteral("Launcher%1").arg(i + 1), L("FolderFile"));
    reload(ini, MainKey::LoadFolderFile);
    saveCsvFolderFile = ini.readString(L("SaveCsv"), L("FolderFile"));
    csvSeparater = ini.readString(L("Csv"), L("Separater"), d.csvSeparater);
    placement = PlacementRecord::read(ini, QStringLiteral("FormMain"), QSize(780, 240));
}

void MainSettings::writeAtExit(IniAccess &ini) const
{
    for (MainKey key : {MainKey::FontNameReadOnly, MainKey::FontSizeReadOnly, MainKey::FontColorReadOnly,
                        MainKey::BackColorReadOnly, MainKey::KigouColor})
        save(ini, key);
    ini.writeString(kEditor, L("FontNameBinary"), binaryFont.name);
    ini.writeString(kEditor, L("FontSizeBinary"), binaryFont.size);
    ini.writeColor(kEditor, L("FontColorBinary"), binaryFont.color);
    ini.writeColor(kEditor, L("BinaryColor"), binaryColor);
    for (int i = 0; i <= 10; ++i)
        ini.writeBool(kEditor, L(readSettingKey(i)), readSetting[size_t(i)]);
    for (MainKey key : {MainKey::CloseEsc, MainKey::CloseEnter, MainKey::CloseQ, MainKey::CloseX})
        save(ini, key);
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
    for (MainKey key : {MainKey::StatusBarTop, MainKey::StatusBarBottom, MainKey::SearchBarTop})
        save(ini, key);
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
