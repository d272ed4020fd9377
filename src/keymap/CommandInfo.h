#pragma once
// The shapes of the command catalogue's entries: top-level menus, commands and
// the menu items that are not commands.
#include <QString>
#include <QStringView>

namespace quillon {

// Top-level menus of the main window, in menu-bar order. The category of a
// command is the category of its top-level menu.
enum class TopMenu : quint8 { File, Search, Edit, Code, View, Text, Binary, Common, Expand, Help, Language };

enum class CheckKind : quint8 {
    None,
    Toggle, // an option that flips its check mark
    Radio,  // one of a set of which exactly one is checked
};

// The sets of mutually exclusive items.
enum class RadioGroup : quint8 { None, ReadCode, Wrap, TabWidth, BinaryLoad, Theme, Language };

struct TopMenuInfo
{
    TopMenu menu;
    const char16_t *tag;       // "1000", "1100", ... "1950"; no command
    const char *name;          // object name of the menu
    const char16_t *caption;
    const char16_t *category;  // catalogue category of its commands (Japanese)
    const char16_t *categoryEnglish;
};

// One command of the main window. Its code is the tag of the menu item that
// runs it; the key-map files name commands by this code only.
struct CommandInfo
{
    const char16_t *code;      // four digits, compared as text
    const char *menuItem;      // menu item (and object) name, "MenuOpen"
    const char16_t *caption;   // built-in Japanese caption, trailing dots and spaces included
    const char16_t *category;
    const char16_t *filerKey;  // default key text of the filer-style set; empty: no key
    const char16_t *editorKey; // default key text of the editor-style set
    CheckKind check;
    RadioGroup radioGroup;
    TopMenu topMenu;

    [[nodiscard]] QString codeText() const { return QStringView(code).toString(); }
    [[nodiscard]] QString menuItemName() const { return QString::fromLatin1(menuItem); }
    [[nodiscard]] QString captionText() const { return QStringView(caption).toString(); }
    [[nodiscard]] QString categoryText() const { return QStringView(category).toString(); }
    [[nodiscard]] QString defaultKey(int exeType) const
    {
        return QStringView(exeType == 0 ? filerKey : editorKey).toString();
    }
};

// Where a menu item that is not a command of the main menu lives.
enum class MenuPlace : quint8 {
    MainMenu,  // inside a top-level menu of the main menu bar
    SearchBar, // the menu bar shown while the search bar's box has the focus
    Dummy,     // the one-entry bar shown while the find dialog serves the window
    Popup,     // the text view's context menu
};

// Menu items outside the catalogue: the theme note, the recent-file entries,
// the text view's popup, the search-bar menu and the dummy menu.
struct MenuItemInfo
{
    MenuPlace place;
    TopMenu topMenu;            // MainMenu only
    const char16_t *before;     // MainMenu only: code of the command it precedes
    const char16_t *tag;        // tag, or for search-bar items the command whose key they carry; may be empty
    const char *name;
    const char16_t *caption;
    const char16_t *builtInKey; // key text the item is built with (popup); empty: none
    CheckKind check;
    bool separatorBefore;       // SearchBar / Popup only; the main menu derives its separators
};

} // namespace quillon
