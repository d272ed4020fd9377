#pragma once
// Every key of the main window's settings, read once when the window is
// created and written back as each key's rule says: some at once after
// reading (so a fresh file shows them), some when the user toggles them, the
// rest when the window is destroyed. Keys whose commands are not built yet are
// still read and written back unchanged, so nothing the user set is lost.
#include "IniFile.h"
#include "Placement.h"

#include <QString>
#include <array>

namespace quillon {

struct FontSetting {
    QString name;
    QString size; // stored as text; must hold a whole number
    TColor color = 0;
    [[nodiscard]] int pointSize(int fallback = 14) const;
};

// Every key of the main window's settings (its placement record apart). Each
// has one entry in the table in MainSettings.cpp (its section and name) and
// one member below (its default); the start, the exit and the commands that
// save at once all go through that table.
enum class MainKey : quint8 {
    Japanese,
    LoadFolderFile,
    CloseEsc, CloseEnter, CloseQ, CloseX,
    WrapNone, WrapWindowWidth,
    LineZero,
    Jump,
    ScrollPlusPlusPlusIndex, ScrollPlusPlusIndex, ScrollPlusIndex,
    FontNameReadOnly, FontSizeReadOnly, FontColorReadOnly, BackColorReadOnly, KigouColor,
    StatusBarTop, StatusBarBottom, StatusBarFormResize, ShowFileName,
    SearchBarTop,
    SearchWord, MatchCase, FindParent,
    SystemFontJpnName, SystemFontJpnSize, SystemFontEngName, SystemFontEngSize,
    ColorCarbon, ColorCharcoal, ColorDark,
    SkinStyle,
    Developer,
    FontNameBinary, FontSizeBinary, FontColorBinary, BinaryColor,
    // The read settings in the order of their numbers (0 = ReadAuto).
    ReadAuto, ReadSjis, ReadJis, ReadEucJp, ReadUtf7, ReadUtf8Bom, ReadUtf8,
    ReadUtf16BomBe, ReadUtf16Be, ReadUtf16BomLe, ReadUtf16Le,
    Tab2, Tab4, Tab6, Tab8,
    MarkCrLf, MarkEof, MarkTab, MarkDbcs,
    ShowLineNumber, SelectLine, LineWidth,
    ShiftRet, ShiftEof, ShiftTab, ShiftDbcs,
    HarbekanShiftRet, HarbekanShiftEof, HarbekanShiftTab, HarbekanShiftDbcs,
    StartTopLine, TopToFiler, CheckFilerExist, SameAsHarbekan,
    SearchWordAutoGet, SearchBarSetFocus,
    BinaryLoadAll, BinaryLoadRange,
    QuillonCloseOnExecuteHarbekan, MenuHarbekanCloseOnStart,
    Launcher1, Launcher2, Launcher3, Launcher4, Launcher5,
    SaveCsvFolderFile,
    CsvSeparater,
};

struct MainSettings {
    // [Language]
    bool japanese = true;
    // [SystemFontJpn], [SystemFontEng]
    QString systemFontJpnName, systemFontEngName;
    int systemFontJpnSize = 14, systemFontEngSize = 12;
    // [FTextView]
    TColor colorCarbon = 0x191919, colorCharcoal = 0x232323, colorDark = 0x000000;
    // [SkinStyle] "Text" as a number: 0 Windows, 1 Carbon, 2 Charcoal Dark Slate, 3 Windows10 Dark
    QString skinStyleText;
    int skinStyle = 0;
    // [Developer]
    bool developer = false;

    // [Editor]
    FontSetting textFont, binaryFont;
    TColor backColorReadOnly = 0xFFFFFF, kigouColor = 0xFF0000, binaryColor = 0xFFFFFF;
    // The eleven read settings; index = read-setting number (0 = ReadAuto).
    std::array<bool, 11> readSetting{};
    bool closeEsc = true, closeEnter = true, closeQ = true, closeX = true;
    std::array<bool, 4> tabs{}; // Tab2, Tab4, Tab6, Tab8
    bool markCrLf = false, markEof = false, markTab = false, markDbcs = false;
    bool wrapNone = true, wrapWindowWidth = false;
    bool showLineNumber = false, selectLine = false;
    int lineWidth = 80, lineZero = 1;
    int shiftRet = 15, shiftEof = 12, shiftTab = 8, shiftDbcs = 13;              // [Editor]
    int harbekanShiftRet = 15, harbekanShiftEof = 12, harbekanShiftTab = 8, harbekanShiftDbcs = 13; // [Harbekan]
    int scrollPlusPlusPlusIndex = 16, scrollPlusPlusIndex = 16, scrollPlusIndex = 2;
    QString jump = QStringLiteral("1");
    bool startTopLine = true;
    bool topToFiler = true, checkFilerExist = true;
    bool sameAsHarbekan = true;
    bool searchWordAutoGet = true, searchBarSetFocus = true;
    bool binaryLoadAll = false, binaryLoadRange = true;
    // [StatusBar], [SearchBar]
    bool statusBarTop = true, statusBarBottom = true, statusBarFormResize = false, showFileName = false;
    bool searchBarTop = true;
    // Filer link options
    bool quillonCloseOnExecuteHarbekan = true, menuHarbekanCloseOnStart = true;
    std::array<QString, 5> launcherFolderFile;
    QString loadFolderFile, saveCsvFolderFile;
    QString csvSeparater;
    Placement placement;
    // [Options], shared with the find dialog and the search engine; [FormFind] "Parent".
    QString searchWord;
    bool matchCase = false;
    QString findParent = QStringLiteral("Main");

    MainSettings();

    // Reads every key; writes back at once the keys the program normalises at
    // start (system fonts, the three dark colours, the developer switch).
    void readAtStart(IniAccess &ini);
    // The keys written when the main window is destroyed (placement excluded).
    void writeAtExit(IniAccess &ini) const;

    // One key: write the member's value, or read it back (missing: the member's default).
    void save(IniAccess &ini, MainKey key) const;
    void reload(const IniAccess &ini, MainKey key);

    // The read setting checked in the menu: 0 automatic, else the code number.
    [[nodiscard]] int checkedReadSetting() const;
    void setReadSetting(int number);
    // Tab width in characters from the checked item (2, 4, 6 or 8).
    [[nodiscard]] int tabWidth() const;

    static int skinStyleNumber(const QString &text);
    // The key of a read-setting number (0 = ReadAuto).
    static MainKey readSettingKey(int number);
};

} // namespace quillon
