#include "MainMenuBuilder.h"

#include "KeyText.h"
#include "KeyTextMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QVBoxLayout>
#include <QWidget>

#include <vector>

namespace quillon {

namespace {

QString text(const char16_t *s)
{
    return QStringView(s).toString();
}

// One entry of a top-level menu before it is laid out: a command or one of
// the other main-menu items, with the tag that decides its group.
struct Entry
{
    QString tag;
    const CommandInfo *command = nullptr;
    const MenuItemInfo *other = nullptr;
};

} // namespace

MainMenuBuilder::MainMenuBuilder(QWidget *window)
{
    m_container = new QWidget(window);
    m_container->setObjectName(QStringLiteral("MenuBarContainer"));
    auto *layout = new QVBoxLayout(m_container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_mainBar = new QMenuBar(m_container);
    m_mainBar->setObjectName(QStringLiteral("MainMenu"));
    m_searchBar = new QMenuBar(m_container);
    m_searchBar->setObjectName(QStringLiteral("MainMenuSearchBar"));
    m_placeholderBar = new QMenuBar(m_container);
    m_placeholderBar->setObjectName(QStringLiteral("MainMenuDummy"));
    layout->addWidget(m_mainBar);
    layout->addWidget(m_searchBar);
    layout->addWidget(m_placeholderBar);
    m_popup = new KeyTextMenu(QString(), window);
    m_popup->setObjectName(QStringLiteral("PopupMenu"));

    buildMainMenu();
    buildSearchMenu();
    buildPlaceholderMenu();
    buildPopup();
    settleSharedKeys();
    for (QAction *item : m_byName) {
        QObject::connect(item, &QAction::enabledChanged, m_container, [this] { settleSharedKeys(); });
    }
    setMenuBarState(MenuBarState::Normal);
}

QAction *MainMenuBuilder::addItem(QMenu *menu, const QString &caption, const char *name, QStringView data,
                                  CheckKind check)
{
    QAction *item = menu->addAction(caption);
    const QString objectName = QString::fromLatin1(name);
    item->setObjectName(objectName);
    item->setData(data.toString());
    item->setCheckable(check != CheckKind::None);
    item->setEnabled(false);
    m_byName.insert(objectName, item);
    return item;
}

void MainMenuBuilder::buildMainMenu()
{
    QHash<int, QActionGroup *> radioGroups;
    for (const TopMenuInfo &top : CommandCatalogue::topMenus()) {
        QMenu *menu = new KeyTextMenu(text(top.caption), m_mainBar);
        m_mainBar->addMenu(menu);
        const QString name = QString::fromLatin1(top.name);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        menu->menuAction()->setData(text(top.tag));
        m_topMenus.insert(int(top.menu), menu);
        m_byName.insert(name, menu->menuAction());
        m_byTag.insert(text(top.tag), menu->menuAction());

        std::vector<Entry> entries;
        for (const CommandInfo &c : CommandCatalogue::commands()) {
            if (c.topMenu == top.menu)
                entries.push_back({c.codeText(), &c, nullptr});
        }
        for (const MenuItemInfo &m : CommandCatalogue::otherMenuItems()) {
            if (m.place != MenuPlace::MainMenu || m.topMenu != top.menu)
                continue;
            auto at = entries.begin();
            while (at != entries.end() && at->tag != QStringView(m.before))
                ++at;
            entries.insert(at, {text(m.tag), nullptr, &m});
        }

        for (size_t i = 0; i < entries.size(); ++i) {
            const Entry &e = entries[i];
            if (i > 0 && CommandCatalogue::separatorBetween(entries[i - 1].tag, e.tag))
                menu->addSeparator();
            if (e.command) {
                const CommandInfo &c = *e.command;
                QAction *item = addItem(menu, c.captionText(), c.menuItem, c.code, c.check);
                item->setShortcut(keySequence(KeyText::read(c.filerKey)));
                if (c.radioGroup != RadioGroup::None) {
                    QActionGroup *&group = radioGroups[int(c.radioGroup)];
                    if (!group) {
                        group = new QActionGroup(m_mainBar);
                        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
                    }
                    group->addAction(item);
                }
                m_byCode.insert(c.codeText(), item);
                m_byTag.insert(c.codeText(), item);
            } else {
                const MenuItemInfo &m = *e.other;
                QAction *item = addItem(menu, text(m.caption), m.name, m.tag, m.check);
                if (e.tag.isEmpty())
                    m_recent.append(item);
                else
                    m_byTag.insert(e.tag, item);
            }
        }
    }
}

void MainMenuBuilder::buildSearchMenu()
{
    QMenu *menu = nullptr;
    for (const MenuItemInfo &m : CommandCatalogue::otherMenuItems()) {
        if (m.place != MenuPlace::SearchBar)
            continue;
        if (!menu) {
            // The first entry is the menu itself.
            menu = new KeyTextMenu(text(m.caption), m_searchBar);
            m_searchBar->addMenu(menu);
            const QString name = QString::fromLatin1(m.name);
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            m_byName.insert(name, menu->menuAction());
            continue;
        }
        if (m.separatorBefore)
            menu->addSeparator();
        QAction *item = addItem(menu, text(m.caption), m.name, m.tag, m.check);
        if (const CommandInfo *c = CommandCatalogue::command(m.tag))
            item->setShortcut(keySequence(KeyText::read(c->filerKey)));
    }
}

void MainMenuBuilder::buildPlaceholderMenu()
{
    for (const MenuItemInfo &m : CommandCatalogue::otherMenuItems()) {
        if (m.place != MenuPlace::Dummy)
            continue;
        QAction *item = m_placeholderBar->addAction(text(m.caption));
        const QString name = QString::fromLatin1(m.name);
        item->setObjectName(name);
        item->setData(text(m.tag));
        item->setEnabled(false);
        m_byName.insert(name, item);
    }
}

void MainMenuBuilder::buildPopup()
{
    for (const MenuItemInfo &m : CommandCatalogue::otherMenuItems()) {
        if (m.place != MenuPlace::Popup)
            continue;
        if (m.separatorBefore)
            m_popup->addSeparator();
        QAction *item = addItem(m_popup, text(m.caption), m.name, m.tag, m.check);
        item->setShortcut(keySequence(KeyText::read(m.builtInKey)));
        m_byTag.insert(text(m.tag), item);
    }
}

void MainMenuBuilder::setMenuBarState(MenuBarState state)
{
    m_state = state;
    // Hide before showing, so that two bars with the same keys are never visible together.
    m_mainBar->setVisible(false);
    m_searchBar->setVisible(false);
    m_placeholderBar->setVisible(false);
    switch (state) {
    case MenuBarState::Normal:
        m_mainBar->setVisible(true);
        break;
    case MenuBarState::SearchBar:
        m_searchBar->setVisible(true);
        break;
    case MenuBarState::Placeholder:
        m_placeholderBar->setVisible(true);
        break;
    }
}

QAction *MainMenuBuilder::action(QStringView code) const
{
    return m_byCode.value(code.toString());
}

QAction *MainMenuBuilder::actionByName(QStringView name) const
{
    return m_byName.value(name.toString());
}

QAction *MainMenuBuilder::actionByTag(QStringView tag) const
{
    return m_byTag.value(tag.toString());
}

QMenu *MainMenuBuilder::topMenu(TopMenu menu) const
{
    return m_topMenus.value(int(menu));
}

CommandCatalogue::CaptionLookup MainMenuBuilder::currentCaptions() const
{
    return [this](const CommandInfo &c) -> QString {
        const QAction *item = action(c.code);
        return item ? item->text() : c.captionText();
    };
}

QKeySequence MainMenuBuilder::keySequence(ShortCutValue value)
{
    const QKeyCombination combination = KeyText::toKeyCombination(value);
    if (combination.key() == Qt::Key_unknown)
        return QKeySequence();
    return QKeySequence(combination);
}

void MainMenuBuilder::setShortCutNew(QAction *item, const QStringList &keyMap, QStringView code)
{
    if (!item)
        return;
    const std::optional<ShortCutValue> value = KeyText::lookUp(keyMap, code);
    if (value)
        item->setShortcut(keySequence(*value));
}

bool MainMenuBuilder::typesCharacter(ShortCutValue value)
{
    if (value & (KeyText::CtrlBit | KeyText::AltBit))
        return false;
    const int key = value & KeyText::KeyMask;
    return (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') || (key >= 186 && key <= 192)
        || (key >= 219 && key <= 222) || key == 226;
}

void MainMenuBuilder::setShortCutNewFind(QAction *item, const QStringList &keyMap, QStringView code)
{
    if (!item)
        return;
    const std::optional<ShortCutValue> value = KeyText::lookUp(keyMap, code);
    if (value)
        item->setShortcut(typesCharacter(*value) ? QKeySequence() : keySequence(*value));
}

void MainMenuBuilder::applyKeyMap(const QStringList &keyMap)
{
    if (keyMap.isEmpty())
        return;
    for (const CommandInfo &c : CommandCatalogue::commands())
        assignKey(action(c.code), keyMap, c.code);
    for (const MenuItemInfo &m : CommandCatalogue::otherMenuItems()) {
        if (m.place == MenuPlace::SearchBar && !QStringView(m.tag).isEmpty())
            assignKey(actionByName(QString::fromLatin1(m.name)), keyMap, m.tag);
    }
    settleSharedKeys();
}

void MainMenuBuilder::setEditorCursorMode(bool on, const QStringList &keyMap)
{
    if (QAction *toggle = action(u"1251"))
        toggle->setChecked(on);
    for (const CommandInfo &c : CommandCatalogue::commands()) {
        if (on && CommandCatalogue::isEditorCursorCode(c.code)) {
            KeyTextMenu::setShownKey(action(c.code), QKeySequence());
            action(c.code)->setShortcut(keySequence(KeyText::read(c.editorKey)));
        } else if (!on && CommandCatalogue::isCursorModeRestoreCode(c.code)) {
            assignKey(action(c.code), keyMap, c.code);
        }
    }
    settleSharedKeys();
}

void MainMenuBuilder::assignKey(QAction *item, const QStringList &keyMap, QStringView code)
{
    if (!item)
        return;
    if (const std::optional<ShortCutValue> value = KeyText::lookUp(keyMap, code)) {
        KeyTextMenu::setShownKey(item, QKeySequence());
        item->setShortcut(keySequence(*value));
    }
}

void MainMenuBuilder::settleSharedKeys()
{
    // Qt runs no action at all for a key that two enabled actions hold. Within
    // one bar the first enabled item in catalogue order keeps the key; the later ones
    // give up the shortcut and only show it. A key they held before (and gave
    // up) counts as theirs, so a later change to the first item frees it again.
    // A disabled item keeps its key: Qt counts only enabled actions, and it
    // settles again when an item is enabled or disabled.
    auto settle = [](const QList<QAction *> &items) {
        QSet<QKeySequence> taken;
        for (QAction *item : items) {
            const QKeySequence key = KeyTextMenu::shownKey(item);
            if (key.isEmpty())
                continue;
            const bool free = !item->isEnabled() || !taken.contains(key);
            if (item->isEnabled())
                taken.insert(key);
            item->setShortcut(free ? key : QKeySequence());
            KeyTextMenu::setShownKey(item, free ? QKeySequence() : key);
        }
    };
    QList<QAction *> mainItems;
    for (const CommandInfo &c : CommandCatalogue::commands()) {
        if (QAction *item = action(c.code))
            mainItems.append(item);
    }
    settle(mainItems);
    QList<QAction *> searchItems;
    for (const MenuItemInfo &m : CommandCatalogue::otherMenuItems()) {
        if (m.place == MenuPlace::SearchBar && !QStringView(m.tag).isEmpty()) {
            if (QAction *item = actionByName(QString::fromLatin1(m.name)))
                searchItems.append(item);
        }
    }
    settle(searchItems);
}

} // namespace quillon
