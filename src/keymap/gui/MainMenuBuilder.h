#pragma once

#include "CommandCatalogue.h"
#include "KeyText.h"

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace quillon {

// The three menu bars the main window switches between.
enum class MenuBarState { Normal, SearchBar, Placeholder };

// Builds every menu of the main window from the command catalogue: the main
// menu bar (all top-level menus, every command in catalogue order, the theme
// note and the six recent-file entries), the search-bar menu, the one-entry
// placeholder bar and the text view's popup.
//
// Contract with the window:
// - The builder connects no behaviour. Every action carries its tag or code in
//   data() (as text, "1101") and its item name as object name ("MenuSearchWord");
//   the window connects actions by code and enables what it supports. Every
//   item starts disabled; only the top-level menus start enabled.
// - Radio items sit in exclusive QActionGroups, so Qt keeps one checked. Such
//   an item's triggered() also fires when the user picks the checked one
//   again; a handler that must ignore that compares with its own state.
// - The bars and the popup are children of `window`; keep the builder as a
//   member of that window. Show one bar at a time through setMenuBarState():
//   a hidden bar's shortcuts are inactive, which keeps the search-bar items
//   (same codes, same keys) from clashing with the main menu. Do not swap
//   bars with QMainWindow::setMenuBar(), which deletes the bar it replaces;
//   put the container from menuBarContainer() in place with setMenuWidget().
// - Disabling a top-level menu does not stop its items' shortcuts in Qt;
//   disable the items themselves.
// - The popup's keys are fixed (Ctrl+C, Shift+C, Ctrl+A, Ctrl+Alt+C) and live
//   only while the popup is open, since the popup is in no bar. Adding its
//   actions to the text view would make Ctrl+C ambiguous with command 1201.
class MainMenuBuilder
{
public:
    explicit MainMenuBuilder(QWidget *window);
    MainMenuBuilder(const MainMenuBuilder &) = delete;
    MainMenuBuilder &operator=(const MainMenuBuilder &) = delete;

    // Holds the three bars stacked, one visible at a time.
    [[nodiscard]] QWidget *menuBarContainer() const { return m_container; }
    [[nodiscard]] QMenuBar *mainMenuBar() const { return m_mainBar; }
    [[nodiscard]] QMenuBar *searchMenuBar() const { return m_searchBar; }
    [[nodiscard]] QMenuBar *placeholderMenuBar() const { return m_placeholderBar; }
    [[nodiscard]] QMenu *popupMenu() const { return m_popup; }
    void setMenuBarState(MenuBarState state);
    [[nodiscard]] MenuBarState menuBarState() const { return m_state; }

    // The 118 command items of the main menu, by code.
    [[nodiscard]] const QHash<QString, QAction *> &commandActions() const { return m_byCode; }
    [[nodiscard]] QAction *action(QStringView code) const;
    // Any item of any of the four menus by name: "MenuOpen", "MenuSearchBar4", "PopupCopy", "MenuRecent1".
    [[nodiscard]] QAction *actionByName(QStringView name) const;
    // Items of the main window by tag, as the language file names them: the
    // top-level menus (1000 ... 1950), the commands, 1851 and the popup (1981-1984).
    [[nodiscard]] QAction *actionByTag(QStringView tag) const;
    [[nodiscard]] QMenu *topMenu(TopMenu menu) const;
    [[nodiscard]] QList<QAction *> recentFileActions() const { return m_recent; }

    // For CommandCatalogue::InitKeyMap: the captions the command items show now.
    [[nodiscard]] CommandCatalogue::CaptionLookup currentCaptions() const;

    // Gives every command item (and the search-bar items of 1107, 1109, 1110
    // and 1111) the key the key map assigns to its code. An empty map changes nothing.
    // A key that the map gives to several commands runs the first enabled one
    // in catalogue order; the others show the key in their menu text but do
    // not hold it (Qt would run none of them). This is settled again whenever
    // an item is enabled or disabled.
    void applyKeyMap(const QStringList &keyMap);
    // One item, one code: the first line with that code decides; no such line
    // keeps the item's key; an unreadable key text removes it.
    static void setShortCutNew(QAction *item, const QStringList &keyMap, QStringView code);
    // The same for a menu that is active while a text box has the focus: a
    // key that types a character there (a digit, a letter or a punctuation
    // key, alone or with Shift) is given no key, so typing is never a command.
    static void setShortCutNewFind(QAction *item, const QStringList &keyMap, QStringView code);
    [[nodiscard]] static bool typesCharacter(ShortCutValue value);
    [[nodiscard]] static QKeySequence keySequence(ShortCutValue value);

    // The temporary editor cursor mode (1251): on, the movement commands take
    // their editor-style keys whatever the map says; off, the map is applied
    // again to 1231-1276. The item's check mark follows. Shared keys are
    // settled as in applyKeyMap.
    void setEditorCursorMode(bool on, const QStringList &keyMap);

private:
    void buildMainMenu();
    void buildSearchMenu();
    void buildPlaceholderMenu();
    void buildPopup();
    static void assignKey(QAction *item, const QStringList &keyMap, QStringView code);
    void settleSharedKeys();
    QAction *addItem(QMenu *menu, const QString &caption, const char *name, QStringView data, CheckKind check);

    QWidget *m_container = nullptr;
    QMenuBar *m_mainBar = nullptr;
    QMenuBar *m_searchBar = nullptr;
    QMenuBar *m_placeholderBar = nullptr;
    QMenu *m_popup = nullptr;
    MenuBarState m_state = MenuBarState::Normal;
    QHash<QString, QAction *> m_byCode;
    QHash<QString, QAction *> m_byName;
    QHash<QString, QAction *> m_byTag;
    QHash<int, QMenu *> m_topMenus;
    QList<QAction *> m_recent;
};

} // namespace quillon
