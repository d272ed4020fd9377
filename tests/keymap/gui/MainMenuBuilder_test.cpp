#include "CommandCatalogue.h"
#include "MainMenuBuilder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QSet>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest>

using namespace quillon;

namespace {

// The items of a menu as their data, "-" for a separator.
QStringList layoutOf(const QMenu *menu)
{
    QStringList out;
    for (const QAction *a : menu->actions())
        out.append(a->isSeparator() ? QStringLiteral("-") : a->data().toString());
    return out;
}

QStringList replaceKey(QStringList keyMap, const QString &code, const QString &keyText)
{
    for (QString &line : keyMap) {
        QStringList fields = line.split(u'\t');
        if (fields.value(3) == code) {
            fields[2] = keyText;
            line = fields.join(u'\t');
        }
    }
    return keyMap;
}

QStringList list(std::initializer_list<const char *> items)
{
    QStringList out;
    for (const char *item : items)
        out.append(QString::fromLatin1(item));
    return out;
}

// Keeps the text of every menu item the style is asked to draw: the caption,
// a tab and the key text, exactly as it appears on screen.
class DrawnItems : public QProxyStyle
{
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
            item && element == CE_MenuItem && item->menuItemType != QStyleOptionMenuItem::Separator)
            texts.append(item->text);
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    mutable QStringList texts;
};

// The key text a menu shows for an item, read from what the menu paints.
QString drawnKeyText(QMenu *menu, QAction *item)
{
    DrawnItems style;
    menu->setStyle(&style);
    menu->grab();
    menu->setStyle(nullptr);
    for (const QString &text : style.texts) {
        if (text.section(u'\t', 0, 0) == item->text())
            return text.section(u'\t', 1);
    }
    return QStringLiteral("(not drawn)");
}

} // namespace

class MainMenuBuilderTest : public QObject
{
    Q_OBJECT

private slots:
    void everyCommandHasAnItem();
    void defaultKeys_data();
    void defaultKeys();
    void menuLayout();
    void keyMapReplacesKeys();
    void editorCursorModeRestoresTheMap();
    void shortcutsFireOnlyFromTheShownBar();
    void sharedKeyRunsTheFirstEnabledCommand();
    void menusWriteKeysWithTheProgramsNames_data();
    void menusWriteKeysWithTheProgramsNames();
};

void MainMenuBuilderTest::everyCommandHasAnItem()
{
    QWidget window;
    MainMenuBuilder menus(&window);
    QCOMPARE(menus.commandActions().size(), 118);
    QSet<QString> names;
    for (const CommandInfo &c : CommandCatalogue::commands()) {
        QAction *item = menus.action(c.code);
        QVERIFY2(item, qPrintable(c.codeText()));
        QCOMPARE(item->data().toString(), c.codeText());
        QCOMPARE(item->objectName(), c.menuItemName());
        QCOMPARE(item->text(), c.captionText());
        QCOMPARE(item->isCheckable(), c.check != CheckKind::None);
        QVERIFY(!item->isEnabled()); // the window enables what it supports
        QCOMPARE(menus.actionByName(c.menuItemName()), item);
        QCOMPARE(menus.actionByTag(c.codeText()), item);
        // The item sits in the top-level menu of its code.
        QVERIFY(menus.topMenu(c.topMenu)->actions().contains(item));
    }
    // Object names are unique over all four menus.
    for (QAction *a : window.findChildren<QAction *>()) {
        if (a->objectName().isEmpty())
            continue;
        QVERIFY2(!names.contains(a->objectName()), qPrintable(a->objectName()));
        names.insert(a->objectName());
    }

    QCOMPARE(menus.mainMenuBar()->actions().size(), 11);
    QCOMPARE(menus.actionByTag(u"1000")->text(), QStringLiteral("ファイル(&F)"));
    QVERIFY(menus.actionByTag(u"1950")->isEnabled());
    QAction *note = menus.actionByTag(u"1851");
    QVERIFY(note && !note->isEnabled() && !note->isCheckable());
    QCOMPARE(menus.recentFileActions().size(), 6);
    QCOMPARE(menus.recentFileActions().first()->text(), QStringLiteral("&1 "));

    // Radio items: picking one unchecks the other of its set.
    QAction *wrapNone = menus.action(u"1401");
    QAction *wrapWidth = menus.action(u"1402");
    wrapNone->setChecked(true);
    wrapWidth->setChecked(true);
    QVERIFY(!wrapNone->isChecked());

    const QStringList keyMap = CommandCatalogue::InitKeyMap(0, menus.currentCaptions());
    QCOMPARE(keyMap.at(11), QStringLiteral("検索\t検索(&F)... \tF\t1101"));
    menus.action(u"1101")->setText(QStringLiteral("&Find... "));
    QCOMPARE(CommandCatalogue::InitKeyMap(0, menus.currentCaptions()).at(11),
             QStringLiteral("検索\t&Find... \tF\t1101"));
}

void MainMenuBuilderTest::defaultKeys_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QKeySequence>("key");
    QTest::newRow("find") << QStringLiteral("MenuSearchWord") << QKeySequence(Qt::Key_F);
    QTest::newRow("next") << QStringLiteral("MenuSearchNext") << QKeySequence(Qt::Key_V);
    QTest::newRow("previous") << QStringLiteral("MenuSearchPrev") << QKeySequence(Qt::Key_T);
    QTest::newRow("top") << QStringLiteral("MenuMoveDocumentTop") << QKeySequence(Qt::Key_Home);
    QTest::newRow("binary") << QStringLiteral("MenuShowBinary") << QKeySequence(Qt::Key_Tab);
    QTest::newRow("page down") << QStringLiteral("MenuScrollPgDown") << QKeySequence(Qt::Key_PageDown);
    QTest::newRow("binary prev") << QStringLiteral("MenuBinaryPrev") << QKeySequence(Qt::CTRL | Qt::Key_Up);
    QTest::newRow("search bar") << QStringLiteral("MenuSearchBar") << QKeySequence(Qt::CTRL | Qt::Key_Comma);
    QTest::newRow("open has none") << QStringLiteral("MenuOpen") << QKeySequence();
    QTest::newRow("line top has none") << QStringLiteral("MenuMoveLineTop") << QKeySequence();
    QTest::newRow("bar: search") << QStringLiteral("MenuSearchBar4") << QKeySequence(Qt::CTRL | Qt::Key_Comma);
    QTest::newRow("bar: next") << QStringLiteral("MenuSearchNext4") << QKeySequence(Qt::CTRL | Qt::Key_V);
    QTest::newRow("bar: previous") << QStringLiteral("MenuSearchPrev4") << QKeySequence(Qt::CTRL | Qt::Key_T);
    QTest::newRow("bar: focus") << QStringLiteral("MenuSearchBarSetFocus4") << QKeySequence();
    QTest::newRow("popup copy") << QStringLiteral("PopupCopy") << QKeySequence(Qt::CTRL | Qt::Key_C);
    QTest::newRow("popup add copy") << QStringLiteral("PopupAddCopy") << QKeySequence(Qt::SHIFT | Qt::Key_C);
    QTest::newRow("popup select all") << QStringLiteral("PopupSelectAll") << QKeySequence(Qt::CTRL | Qt::Key_A);
    QTest::newRow("popup copy line") << QStringLiteral("PopupCopyOneLine") << QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C);
}

void MainMenuBuilderTest::defaultKeys()
{
    QFETCH(QString, name);
    QFETCH(QKeySequence, key);
    QWidget window;
    MainMenuBuilder menus(&window);
    QAction *item = menus.actionByName(name);
    QVERIFY(item);
    QCOMPARE(item->shortcut(), key);
}

void MainMenuBuilderTest::menuLayout()
{
    QWidget window;
    MainMenuBuilder menus(&window);
    const char *r = ""; // recent-file entries carry no tag
    QCOMPARE(layoutOf(menus.topMenu(TopMenu::File)),
             list({"1001", "-", "1011", "1012", "1013", "1014", "1015", "-", "1021", "1022", "1023", "-", r, r,
                          r, r, r, r, "-", "1031", "-", "1051"}));
    QCOMPARE(layoutOf(menus.topMenu(TopMenu::Code)),
             list({"1301", "1302", "1303", "1304", "1305", "1306", "1307", "1308", "1309", "1310", "-",
                          "1321"}));
    QCOMPARE(layoutOf(menus.topMenu(TopMenu::Expand)),
             list({"1801", "-", "1811", "-", "1821", "-", "1831", "-", "1841", "1842", "-", "1851", "1852",
                          "1853", "1854", "1855"}));
    QCOMPARE(layoutOf(menus.searchMenuBar()->actions().first()->menu()),
             list({"1107", "1111", "1109", "1110", "-", ""}));
    QCOMPARE(menus.actionByName(u"MenuSearchNext4")->text(), QStringLiteral("検索バー 次を検索(&N) "));
    QCOMPARE(menus.placeholderMenuBar()->actions().size(), 1);
    QCOMPARE(menus.placeholderMenuBar()->actions().first()->text(), QStringLiteral("ダミー(&F)"));
    QCOMPARE(layoutOf(menus.popupMenu()), list({"1981", "1982", "1983", "1984"}));
}

void MainMenuBuilderTest::keyMapReplacesKeys()
{
    QWidget window;
    MainMenuBuilder menus(&window);
    const QStringList defaults = CommandCatalogue::InitKeyMap(0);

    QStringList keyMap = replaceKey(defaults, QStringLiteral("1101"), QStringLiteral("Ctrl+F"));
    keyMap = replaceKey(keyMap, QStringLiteral("1102"), QStringLiteral("Ctrl+Shift+f")); // unknown name
    keyMap = replaceKey(keyMap, QStringLiteral("1001"), QStringLiteral("Ctrl+O"));
    keyMap = replaceKey(keyMap, QStringLiteral("1107"), QStringLiteral("Ctrl+;"));
    QVERIFY(keyMap.at(13).endsWith(QLatin1String("\t1103")));
    keyMap.removeAt(13); // no line for 1103: it keeps its key
    menus.action(u"1103")->setShortcut(QKeySequence(Qt::Key_F9));
    menus.applyKeyMap(keyMap);

    QCOMPARE(menus.action(u"1101")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    QCOMPARE(menus.action(u"1102")->shortcut(), QKeySequence());
    QCOMPARE(menus.action(u"1103")->shortcut(), QKeySequence(Qt::Key_F9));
    QCOMPARE(menus.action(u"1001")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(menus.action(u"1107")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Semicolon));
    QCOMPARE(menus.actionByName(u"MenuSearchBar4")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Semicolon));
    QCOMPARE(menus.action(u"1231")->shortcut(), QKeySequence(Qt::Key_Home));

    // An empty key map changes nothing.
    menus.applyKeyMap({});
    QCOMPARE(menus.action(u"1101")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
}

void MainMenuBuilderTest::editorCursorModeRestoresTheMap()
{
    QWidget window;
    MainMenuBuilder menus(&window);
    QStringList keyMap = replaceKey(CommandCatalogue::InitKeyMap(0), QStringLiteral("1262"), QStringLiteral("Alt+Left"));
    keyMap = replaceKey(keyMap, QStringLiteral("1251"), QStringLiteral("Ctrl+K"));
    menus.applyKeyMap(keyMap);

    menus.setEditorCursorMode(true, keyMap);
    QVERIFY(menus.action(u"1251")->isChecked());
    QCOMPARE(menus.action(u"1231")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Home));
    QCOMPARE(menus.action(u"1241")->shortcut(), QKeySequence(Qt::Key_Home));
    QCOMPARE(menus.action(u"1271")->shortcut(), QKeySequence(Qt::Key_Right));
    QCOMPARE(menus.action(u"1232")->shortcut(), QKeySequence());
    QCOMPARE(menus.action(u"1262")->shortcut(), QKeySequence());
    QCOMPARE(menus.action(u"1266")->shortcut(), QKeySequence());
    QCOMPARE(menus.action(u"1251")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    QCOMPARE(menus.action(u"1101")->shortcut(), QKeySequence(Qt::Key_F)); // other commands untouched

    menus.setEditorCursorMode(false, keyMap);
    QVERIFY(!menus.action(u"1251")->isChecked());
    for (const CommandInfo &c : CommandCatalogue::commands()) {
        QCOMPARE(menus.action(c.code)->shortcut(),
                 MainMenuBuilder::keySequence(KeyText::lookUp(keyMap, c.code).value_or(0)));
    }
}

void MainMenuBuilderTest::shortcutsFireOnlyFromTheShownBar()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    MainMenuBuilder menus(&window);
    layout->setMenuBar(menus.menuBarContainer());
    auto *body = new QWidget(&window);
    body->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(body);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    body->setFocus();

    QAction *find = menus.action(u"1101");
    QAction *barNext = menus.actionByName(u"MenuSearchNext4");
    QAction *next = menus.action(u"1109");
    find->setEnabled(true);
    next->setEnabled(true);
    barNext->setEnabled(true);
    QSignalSpy findSpy(find, &QAction::triggered);
    QSignalSpy nextSpy(next, &QAction::triggered);
    QSignalSpy barNextSpy(barNext, &QAction::triggered);

    QTest::keyClick(body, Qt::Key_F);
    QCOMPARE(findSpy.count(), 1);
    // 1109 and its search-bar twin share Ctrl+V; only the shown bar's item runs.
    QTest::keyClick(body, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(nextSpy.count(), 1);
    QCOMPARE(barNextSpy.count(), 0);

    menus.setMenuBarState(MenuBarState::SearchBar);
    QTest::keyClick(body, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(nextSpy.count(), 1);
    QCOMPARE(barNextSpy.count(), 1);

    menus.setMenuBarState(MenuBarState::Placeholder);
    QTest::keyClick(body, Qt::Key_F);
    QTest::keyClick(body, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(findSpy.count(), 1);
    QCOMPARE(barNextSpy.count(), 1);

    // A key from the key map fires in place of the default.
    menus.setMenuBarState(MenuBarState::Normal);
    menus.applyKeyMap(replaceKey(CommandCatalogue::InitKeyMap(0), QStringLiteral("1101"), QStringLiteral("Ctrl+F")));
    QTest::keyClick(body, Qt::Key_F);
    QCOMPARE(findSpy.count(), 1);
    QTest::keyClick(body, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(findSpy.count(), 2);
}

void MainMenuBuilderTest::sharedKeyRunsTheFirstEnabledCommand()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    MainMenuBuilder menus(&window);
    layout->setMenuBar(menus.menuBarContainer());
    auto *body = new QWidget(&window);
    body->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(body);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    body->setFocus();

    // A key-map file may give one key to several commands.
    QStringList keyMap = CommandCatalogue::InitKeyMap(0);
    for (const char *code : {"1101", "1102", "1231"})
        keyMap = replaceKey(keyMap, QLatin1String(code), QStringLiteral("Ctrl+F"));
    menus.applyKeyMap(keyMap);
    QAction *find = menus.action(u"1101");
    QAction *next = menus.action(u"1102");
    QAction *top = menus.action(u"1231");
    QSignalSpy findSpy(find, &QAction::triggered);
    QSignalSpy nextSpy(next, &QAction::triggered);
    QSignalSpy topSpy(top, &QAction::triggered);
    for (QAction *a : {find, next, top})
        a->setEnabled(true);

    QTest::keyClick(body, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(findSpy.count(), 1);
    QCOMPARE(nextSpy.count(), 0);
    QCOMPARE(topSpy.count(), 0);
    // The others still name the key in their menus.
    QCOMPARE(drawnKeyText(menus.topMenu(TopMenu::Search), next), QStringLiteral("Ctrl+F"));
    QCOMPARE(drawnKeyText(menus.topMenu(TopMenu::Edit), top), QStringLiteral("Ctrl+F"));

    // A disabled command cannot run, so it does not hold the key.
    find->setEnabled(false);
    QTest::keyClick(body, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(findSpy.count(), 1);
    QCOMPARE(nextSpy.count(), 1);
    find->setEnabled(true);
    QTest::keyClick(body, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(findSpy.count(), 2);
    QCOMPARE(nextSpy.count(), 1);

    // A new map that takes the key from the first hands it on to the next.
    menus.applyKeyMap(replaceKey(keyMap, QStringLiteral("1101"), QStringLiteral("F")));
    QTest::keyClick(body, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(findSpy.count(), 2);
    QCOMPARE(nextSpy.count(), 2);
    QCOMPARE(topSpy.count(), 0);

    // The defaults give Ctrl+V to both 1021 (started from the filer) and 1109.
    menus.applyKeyMap(CommandCatalogue::InitKeyMap(0));
    QAction *filer = menus.action(u"1021");
    QAction *barNext = menus.action(u"1109");
    QSignalSpy filerSpy(filer, &QAction::triggered);
    QSignalSpy barNextSpy(barNext, &QAction::triggered);
    barNext->setEnabled(true);
    QTest::keyClick(body, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(barNextSpy.count(), 1);
    filer->setEnabled(true);
    QTest::keyClick(body, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(filerSpy.count(), 1);
    QCOMPARE(barNextSpy.count(), 1);
}

void MainMenuBuilderTest::menusWriteKeysWithTheProgramsNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("keyText"); // given by the key map; empty: the default key
    QTest::addColumn<QString>("shown");
    QTest::newRow("page down") << QStringLiteral("MenuScrollPgDown") << QString() << QStringLiteral("PgDn");
    QTest::newRow("page up") << QStringLiteral("MenuScrollPgUp") << QString() << QStringLiteral("PgUp");
    QTest::newRow("modifier order") << QStringLiteral("MenuSearchWord") << QStringLiteral("Shift+Ctrl+Alt+F3")
                                    << QStringLiteral("Shift+Ctrl+Alt+F3");
    QTest::newRow("back space") << QStringLiteral("MenuSearchWord") << QStringLiteral("Ctrl+BkSp")
                                << QStringLiteral("Ctrl+BkSp");
    QTest::newRow("insert") << QStringLiteral("MenuSearchWord") << QStringLiteral("Shift+Ins")
                            << QStringLiteral("Shift+Ins");
    QTest::newRow("jis colon") << QStringLiteral("MenuSearchWord") << QStringLiteral("Ctrl+:")
                               << QStringLiteral("Ctrl+:");
    QTest::newRow("no key") << QStringLiteral("MenuSearchWord") << QStringLiteral("Ctrl+") << QString();
    QTest::newRow("search bar") << QStringLiteral("MenuSearchNext4") << QStringLiteral("Ctrl+PgDn")
                                << QStringLiteral("Ctrl+PgDn");
    QTest::newRow("popup") << QStringLiteral("PopupCopyOneLine") << QString() << QStringLiteral("Ctrl+Alt+C");
}

void MainMenuBuilderTest::menusWriteKeysWithTheProgramsNames()
{
    QFETCH(QString, name);
    QFETCH(QString, keyText);
    QFETCH(QString, shown);
    QWidget window;
    MainMenuBuilder menus(&window);
    QAction *item = menus.actionByName(name);
    QVERIFY(item);
    if (!keyText.isEmpty())
        menus.applyKeyMap(replaceKey(CommandCatalogue::InitKeyMap(0), item->data().toString(), keyText));
    QMenu *menu = nullptr;
    for (QMenu *m : window.findChildren<QMenu *>()) {
        if (m->actions().contains(item))
            menu = m;
    }
    QVERIFY(menu);
    QCOMPARE(drawnKeyText(menu, item), shown);
}

QTEST_MAIN(MainMenuBuilderTest)
#include "MainMenuBuilder_test.moc"
