#include "CommandCatalogue.h"

#include <iterator>

namespace quillon {

namespace {

constexpr TopMenuInfo topMenuTable[] = {
    {TopMenu::File, u"1000", "MenuFile", u"ファイル(&F)", u"ファイル", u"File"},
    {TopMenu::Search, u"1100", "MenuSearch", u"検索(&S)", u"検索", u"Search"},
    {TopMenu::Edit, u"1200", "MenuEdit", u"編集(&E)", u"編集", u"Edit"},
    {TopMenu::Code, u"1300", "MenuCharCode", u"文字コード(&C)", u"文字コード", u"Code"},
    {TopMenu::View, u"1400", "MenuView", u"表示(&I)", u"表示", u"View"},
    {TopMenu::Text, u"1500", "MenuText", u"テキスト(&X)", u"テキスト", u"Text"},
    {TopMenu::Binary, u"1600", "MenuBinary", u"バイナリ(&B)", u"バイナリ", u"Binary"},
    {TopMenu::Common, u"1700", "MenuCommon", u"共通(&M)", u"共通", u"Common"},
    {TopMenu::Expand, u"1800", "MenuExpand", u"拡張(&W)", u"拡張", u"Expand"},
    {TopMenu::Help, u"1900", "MenuHelp", u"ヘルプ(&H)", u"ヘルプ", u"Help"},
    {TopMenu::Language, u"1950", "MenuLanguage", u"Jpn/Eng(&L)", u"Jpn/Eng", u"Jpn/Eng"},
};

constexpr auto N = MenuPlace::MainMenu;
constexpr MenuItemInfo otherItemTable[] = {
    // Main menu. The recent-file entries get their captions ("&1 " + path) from the window.
    {N, TopMenu::File, u"1031", u"", "MenuRecent1", u"&1 ", u"", CheckKind::None, false},
    {N, TopMenu::File, u"1031", u"", "MenuRecent2", u"&2 ", u"", CheckKind::None, false},
    {N, TopMenu::File, u"1031", u"", "MenuRecent3", u"&3 ", u"", CheckKind::None, false},
    {N, TopMenu::File, u"1031", u"", "MenuRecent4", u"&4 ", u"", CheckKind::None, false},
    {N, TopMenu::File, u"1031", u"", "MenuRecent5", u"&5 ", u"", CheckKind::None, false},
    {N, TopMenu::File, u"1031", u"", "MenuRecent6", u"&6 ", u"", CheckKind::None, false},
    {N, TopMenu::Expand, u"1852", u"1851", "MenuThemeNote", u"テーマの変更は再起動後に有効になります", u"",
     CheckKind::None, false},
    // The search-bar menu: its first four entries carry the keys of their codes.
    {MenuPlace::SearchBar, TopMenu::Search, u"", u"", "MenuSearch4", u"検索(&S)", u"", CheckKind::None, false},
    {MenuPlace::SearchBar, TopMenu::Search, u"", u"1107", "MenuSearchBar4", u"検索バーで検索(&B)", u"",
     CheckKind::None, false},
    {MenuPlace::SearchBar, TopMenu::Search, u"", u"1111", "MenuSearchBarSetFocus4",
     u"検索バーの検索で検索バーにフォーカスを戻す(&X)", u"", CheckKind::Toggle, false},
    {MenuPlace::SearchBar, TopMenu::Search, u"", u"1109", "MenuSearchNext4", u"検索バー 次を検索(&N) ", u"",
     CheckKind::None, false},
    {MenuPlace::SearchBar, TopMenu::Search, u"", u"1110", "MenuSearchPrev4", u"検索バー 前を検索(&P)", u"",
     CheckKind::None, false},
    {MenuPlace::SearchBar, TopMenu::Search, u"", u"", "MenuMatchCase4", u"大文字と小文字を区別する(&U)", u"",
     CheckKind::Toggle, true},
    {MenuPlace::Dummy, TopMenu::File, u"", u"", "MenuDummy", u"ダミー(&F)", u"", CheckKind::None, false},
    // The text view's popup keeps the keys it is built with.
    {MenuPlace::Popup, TopMenu::Edit, u"", u"1981", "PopupCopy", u"コピー(&C)", u"Ctrl+C", CheckKind::None, false},
    {MenuPlace::Popup, TopMenu::Edit, u"", u"1982", "PopupAddCopy", u"追加コピー(&A)", u"Shift+C", CheckKind::None,
     false},
    {MenuPlace::Popup, TopMenu::Edit, u"", u"1983", "PopupSelectAll", u"全て選択(&L)", u"Ctrl+A", CheckKind::None,
     false},
    {MenuPlace::Popup, TopMenu::Edit, u"", u"1984", "PopupCopyOneLine", u"１行コピー(&I)", u"Ctrl+Alt+C",
     CheckKind::None, false},
};

static_assert(std::size(topMenuTable) == 11);
static_assert(std::size(commandTable) == CommandCatalogue::CommandCount);

bool inRange(QStringView code, int first, int last)
{
    bool ok = false;
    const int n = code.toInt(&ok);
    return ok && code.size() == 4 && n >= first && n <= last;
}

} // namespace

std::span<const CommandInfo> CommandCatalogue::commands()
{
    return commandTable;
}

std::span<const TopMenuInfo> CommandCatalogue::topMenus()
{
    return topMenuTable;
}

std::span<const MenuItemInfo> CommandCatalogue::otherMenuItems()
{
    return otherItemTable;
}

const CommandInfo *CommandCatalogue::command(QStringView code)
{
    for (const CommandInfo &c : commandTable) {
        if (code == QStringView(c.code))
            return &c;
    }
    return nullptr;
}

const CommandInfo *CommandCatalogue::commandByMenuItem(QStringView menuItem)
{
    for (const CommandInfo &c : commandTable) {
        if (menuItem == QLatin1String(c.menuItem))
            return &c;
    }
    return nullptr;
}

const TopMenuInfo &CommandCatalogue::topMenu(TopMenu menu)
{
    for (const TopMenuInfo &t : topMenuTable) {
        if (t.menu == menu)
            return t;
    }
    return topMenuTable[0];
}

QStringList CommandCatalogue::InitKeyMap(int exeType, const CaptionLookup &caption)
{
    QStringList lines;
    lines.reserve(CommandCount);
    for (const CommandInfo &c : commandTable) {
        const QString name = caption ? caption(c) : c.captionText();
        lines.append(c.categoryText() + u'\t' + name + u'\t' + c.defaultKey(exeType) + u'\t' + c.codeText());
    }
    return lines;
}

bool CommandCatalogue::separatorBetween(QStringView previousCode, QStringView nextCode)
{
    bool okPrevious = false;
    bool okNext = false;
    const int previous = previousCode.toInt(&okPrevious);
    const int next = nextCode.toInt(&okNext);
    if (!okPrevious || !okNext)
        return okPrevious != okNext; // a run of untagged items is a group of its own
    return next != previous + 1;
}

bool CommandCatalogue::isEditorCursorCode(QStringView code)
{
    return inRange(code, 1231, 1276) && code != u"1251" && command(code) != nullptr;
}

bool CommandCatalogue::isCursorModeRestoreCode(QStringView code)
{
    return inRange(code, 1231, 1276) && command(code) != nullptr;
}

} // namespace quillon
