#include "MainSettings.h"

#include <iterator>
#include <variant>

namespace quillon {

namespace {
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
    {"SystemFontJpn", "Name"}, {"SystemFontJpn", "Size"}, {"SystemFontEng", "Name"}, {"SystemFontEng", "Size"},
    {"FTextView", "ColorCarbon"}, {"FTextView", "ColorCharcoal"}, {"FTextView", "ColorDark"},
    {"SkinStyle", "Text"},
    {"Developer", "Enabled"},
    {"Editor", "FontNameBinary"}, {"Editor", "FontSizeBinary"}, {"Editor", "FontColorBinary"},
    {"Editor", "BinaryColor"},
    {"Editor", "ReadAuto"}, {"Editor", "ReadSJIS"}, {"Editor", "ReadJIS"}, {"Editor", "ReadEUCJP"},
    {"Editor", "ReadUTF7"}, {"Editor", "ReadUTF8Bom"}, {"Editor", "ReadUTF8"}, {"Editor", "ReadUTF16BomBe"},
    {"Editor", "ReadUTF16Be"}, {"Editor", "ReadUTF16BomLe"}, {"Editor", "ReadUTF16Le"},
    {"Editor", "Tab2"}, {"Editor", "Tab4"}, {"Editor", "Tab6"}, {"Editor", "Tab8"},
    {"Editor", "CrLf"}, {"Editor", "EOF"}, {"Editor", "Tab"}, {"Editor", "DBCS"},
    {"Editor", "ShowLineNumber"}, {"Editor", "SelectLine"}, {"Editor", "LineWidth"},
    {"Editor", "ShiftRet"}, {"Editor", "ShiftEof"}, {"Editor", "ShiftTab"}, {"Editor", "ShiftDbcs"},
    {"Harbekan", "ShiftRet"}, {"Harbekan", "ShiftEof"}, {"Harbekan", "ShiftTab"}, {"Harbekan", "ShiftDbcs"},
    {"Editor", "StartTopLine"}, {"Editor", "TopToFiler"}, {"Editor", "CheckFilerExist"},
    {"Editor", "SameAsHarbekan"},
    {"Editor", "SearchWordAutoGet"}, {"Editor", "SearchBarSetFocus"},
    {"Editor", "BinaryLoadAll"}, {"Editor", "BinaryLoadRange"},
    {"QuillonCloseOnExecuteHarbekan", "Enabled"}, {"MenuHarbekanCloseOnStart", "Enabled"},
    {"Launcher1", "FolderFile"}, {"Launcher2", "FolderFile"}, {"Launcher3", "FolderFile"},
    {"Launcher4", "FolderFile"}, {"Launcher5", "FolderFile"},
    {"SaveCsv", "FolderFile"},
    {"Csv", "Separater"},
};
static_assert(std::size(keyNames) == size_t(MainKey::CsvSeparater) + 1);

// Keys the start writes back at once, so a fresh file shows them.
constexpr MainKey writtenAtStart[] = {
    MainKey::SystemFontJpnName, MainKey::SystemFontJpnSize, MainKey::SystemFontEngName, MainKey::SystemFontEngSize,
    MainKey::ColorCarbon, MainKey::ColorCharcoal, MainKey::ColorDark, MainKey::Developer,
};

// Keys written when the window is destroyed, in this order.
constexpr MainKey writtenAtExit[] = {
    MainKey::FontNameReadOnly, MainKey::FontSizeReadOnly, MainKey::FontColorReadOnly, MainKey::BackColorReadOnly,
    MainKey::KigouColor, MainKey::FontNameBinary, MainKey::FontSizeBinary, MainKey::FontColorBinary,
    MainKey::BinaryColor,
    MainKey::ReadAuto, MainKey::ReadSjis, MainKey::ReadJis, MainKey::ReadEucJp, MainKey::ReadUtf7,
    MainKey::ReadUtf8Bom, MainKey::ReadUtf8, MainKey::ReadUtf16BomBe, MainKey::ReadUtf16Be, MainKey::ReadUtf16BomLe,
    MainKey::ReadUtf16Le,
    MainKey::CloseEsc, MainKey::CloseEnter, MainKey::CloseQ, MainKey::CloseX,
    MainKey::Tab2, MainKey::Tab4, MainKey::Tab6, MainKey::Tab8,
    MainKey::MarkCrLf, MainKey::MarkEof, MainKey::MarkTab, MainKey::MarkDbcs,
    MainKey::ShowLineNumber, MainKey::SelectLine,
    MainKey::StartTopLine, MainKey::TopToFiler, MainKey::CheckFilerExist, MainKey::SameAsHarbekan,
    MainKey::SearchWordAutoGet, MainKey::SearchBarSetFocus, MainKey::BinaryLoadAll, MainKey::BinaryLoadRange,
    MainKey::StatusBarTop, MainKey::StatusBarBottom, MainKey::SearchBarTop,
    MainKey::QuillonCloseOnExecuteHarbekan, MainKey::MenuHarbekanCloseOnStart,
    MainKey::SaveCsvFolderFile,
};

// The search keys other windows write too: read each time they are used.
bool readWhenUsed(MainKey key)
{
    return key == MainKey::SearchWord || key == MainKey::MatchCase || key == MainKey::FindParent;
}

MainKey keyAfter(MainKey first, int offset)
{
    return MainKey(int(first) + offset);
}

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
    case MainKey::SystemFontJpnName: return &s.systemFontJpnName;
    case MainKey::SystemFontJpnSize: return &s.systemFontJpnSize;
    case MainKey::SystemFontEngName: return &s.systemFontEngName;
    case MainKey::SystemFontEngSize: return &s.systemFontEngSize;
    case MainKey::ColorCarbon: return &s.colorCarbon;
    case MainKey::ColorCharcoal: return &s.colorCharcoal;
    case MainKey::ColorDark: return &s.colorDark;
    case MainKey::SkinStyle: return &s.skinStyleText;
    case MainKey::Developer: return &s.developer;
    case MainKey::FontNameBinary: return &s.binaryFont.name;
    case MainKey::FontSizeBinary: return &s.binaryFont.size;
    case MainKey::FontColorBinary: return &s.binaryFont.color;
    case MainKey::BinaryColor: return &s.binaryColor;
    case MainKey::ReadAuto: case MainKey::ReadSjis: case MainKey::ReadJis: case MainKey::ReadEucJp:
    case MainKey::ReadUtf7: case MainKey::ReadUtf8Bom: case MainKey::ReadUtf8: case MainKey::ReadUtf16BomBe:
    case MainKey::ReadUtf16Be: case MainKey::ReadUtf16BomLe: case MainKey::ReadUtf16Le:
        return &s.readSetting[size_t(int(key) - int(MainKey::ReadAuto))];
    case MainKey::Tab2: case MainKey::Tab4: case MainKey::Tab6: case MainKey::Tab8:
        return &s.tabs[size_t(int(key) - int(MainKey::Tab2))];
    case MainKey::MarkCrLf: return &s.markCrLf;
    case MainKey::MarkEof: return &s.markEof;
    case MainKey::MarkTab: return &s.markTab;
    case MainKey::MarkDbcs: return &s.markDbcs;
    case MainKey::ShowLineNumber: return &s.showLineNumber;
    case MainKey::SelectLine: return &s.selectLine;
    case MainKey::LineWidth: return &s.lineWidth;
    case MainKey::ShiftRet: return &s.shiftRet;
    case MainKey::ShiftEof: return &s.shiftEof;
    case MainKey::ShiftTab: return &s.shiftTab;
    case MainKey::ShiftDbcs: return &s.shiftDbcs;
    case MainKey::HarbekanShiftRet: return &s.harbekanShiftRet;
    case MainKey::HarbekanShiftEof: return &s.harbekanShiftEof;
    case MainKey::HarbekanShiftTab: return &s.harbekanShiftTab;
    case MainKey::HarbekanShiftDbcs: return &s.harbekanShiftDbcs;
    case MainKey::StartTopLine: return &s.startTopLine;
    case MainKey::TopToFiler: return &s.topToFiler;
    case MainKey::CheckFilerExist: return &s.checkFilerExist;
    case MainKey::SameAsHarbekan: return &s.sameAsHarbekan;
    case MainKey::SearchWordAutoGet: return &s.searchWordAutoGet;
    case MainKey::SearchBarSetFocus: return &s.searchBarSetFocus;
    case MainKey::BinaryLoadAll: return &s.binaryLoadAll;
    case MainKey::BinaryLoadRange: return &s.binaryLoadRange;
    case MainKey::QuillonCloseOnExecuteHarbekan: return &s.quillonCloseOnExecuteHarbekan;
    case MainKey::MenuHarbekanCloseOnStart: return &s.menuHarbekanCloseOnStart;
    case MainKey::Launcher1: case MainKey::Launcher2: case MainKey::Launcher3: case MainKey::Launcher4:
    case MainKey::Launcher5:
        return &s.launcherFolderFile[size_t(int(key) - int(MainKey::Launcher1))];
    case MainKey::SaveCsvFolderFile: return &s.saveCsvFolderFile;
    case MainKey::CsvSeparater: return &s.csvSeparater;
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

MainKey MainSettings::readSettingKey(int number)
{
    return keyAfter(MainKey::ReadAuto, number >= 0 && number <= 10 ? number : 0);
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
    for (MainKey key : writtenAtStart) {
        reload(ini, key);
        save(ini, key);
    }
    for (size_t k = 0; k < std::size(keyNames); ++k) {
        if (!readWhenUsed(MainKey(k)))
            reload(ini, MainKey(k));
    }
    skinStyle = skinStyleNumber(skinStyleText);
    // Exactly one read setting is checked; a damaged file falls back to automatic.
    int checked = 0;
    for (bool b : readSetting)
        checked += b ? 1 : 0;
    if (checked != 1)
        setReadSetting(checked == 0 ? 0 : checkedReadSetting());
    if (wrapNone == wrapWindowWidth) { // exactly one is on
        wrapNone = true;
        wrapWindowWidth = false;
    }
    placement = PlacementRecord::read(ini, QStringLiteral("FormMain"), QSize(780, 240));
}

void MainSettings::writeAtExit(IniAccess &ini) const
{
    for (MainKey key : writtenAtExit)
        save(ini, key);
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
