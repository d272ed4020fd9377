// Searching as the user meets it: the search bar's keys, the find dialog in
// its modes, the messages (through the recorder) and the menus' keys.
#include "support/Settle.h"
#include "support/TempHome.h"
#include "support/TestText.h"

#include "IniFile.h"
#include "Utf16TextFile.h"
#include "MessageService.h"
#include "BinaryController.h"
#include "TFormMain.h"
#include "SearchController.h"
#include "TMemoExDark.h"
#include "CommandCatalogue.h"
#include "SearchHistory.h"
#include "TFormFind.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using namespace quillon;

namespace {

using test::J;

const QString kEmpty = J(u"Information : 検索語が設定されていません");

struct Window {
    explicit Window(const QByteArray &text)
        : file(home.write(QStringLiteral("t.txt"), text)), w({file})
    {
        w.show();
        QVERIFY(test::settled(w));
        w.activateWindow();
        QVERIFY2(QTest::qWaitForWindowActive(&w), "window active");
    }
    IniFile ini() const { return IniFile(home.file(QStringLiteral("Quillon.ini"))); }
    test::TempHome home;
    MessageRecorder messages;
    QString file;
    TFormMain w;
};

} // namespace

class TFormFindTest : public QObject {
    Q_OBJECT
private slots:
    void searchBarEnter_data();
    void searchBarEnter();
    void searchBarEmptyWord();
    void dialogAutoClose_data();
    void dialogAutoClose();
    void dialogNotFoundShowsAmpersandOnce();
    void dialogFindAllModeEndsWithOk();
    void autoGetTakesTheWordAtTheCaret();
    void readOnlyFolderStillCarriesTheWord();
    void badExpressionShowsTheErrorAndKeepsTheSelection();
    void binaryViewStopsTheCommands();
    void menuKeys();
    void focusReturnToggleInBothMenus();
};

void TFormFindTest::searchBarEnter_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::newRow("Enter: next") << int(Qt::NoModifier) << 6 << 3;
    QTest::newRow("Ctrl+Enter: next") << int(Qt::ControlModifier) << 6 << 3;
    QTest::newRow("Shift+Enter: previous") << int(Qt::ShiftModifier) << 0 << 3;
    QTest::newRow("Alt+Enter: only stores the word") << int(Qt::AltModifier) << 5 << 0;
}

void TFormFindTest::searchBarEnter()
{
    QFETCH(int, modifiers);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    Window win("abc x abc x abc");
    TFormMain &w = win.w;
    w.textView()->setCaretPosition(5);
    w.runCommand(u"1107");
    QLineEdit *box = w.searchCombo()->lineEdit();
    QTRY_VERIFY(box->hasFocus());
    box->setText(QStringLiteral("ABC"));
    QTest::keyClick(box, Qt::Key_Return, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(w.textView()->selectionStart(), selStart);
    QCOMPARE(w.textView()->selectionLength(), selLength);
    QCOMPARE(win.ini().readString(QStringLiteral("Options"), QStringLiteral("SearchWord")), QStringLiteral("ABC"));
    QCOMPARE(w.search().StrSearchValue, QStringLiteral("ABC"));
    QCOMPARE(w.searchCombo()->itemText(0), QStringLiteral("ABC"));
    QVERIFY(win.messages.texts.isEmpty());
    // The history reaches the file when the box loses the focus.
    w.textView()->setFocus();
    QTRY_COMPARE(SearchHistory::read().value(0), QStringLiteral("ABC"));
}

void TFormFindTest::searchBarEmptyWord()
{
    Window win("abc");
    win.w.findChild<QPushButton *>(QString(), Qt::FindChildrenRecursively); // the window is built
    const auto buttons = win.w.findChildren<QPushButton *>();
    QPushButton *next = nullptr;
    for (QPushButton *b : buttons)
        if (b->text() == J(u"次検索(&V)"))
            next = b;
    QVERIFY(next);
    QVERIFY(next->isEnabled());
    next->click();
    QCOMPARE(win.messages.texts, QStringList{kEmpty});
}

void TFormFindTest::dialogAutoClose_data()
{
    QTest::addColumn<bool>("autoClose");
    QTest::newRow("auto-close on") << true;
    QTest::newRow("auto-close off") << false;
}

void TFormFindTest::dialogAutoClose()
{
    QFETCH(bool, autoClose);
    Window win("one two one two");
    TFormMain &w = win.w;
    w.textView()->setSelection(0, 3); // "one" selected: next starts after it
    w.runCommand(u"1101");
    TFormFind *find = w.findDialog();
    QTRY_VERIFY(find->isVisible());
    QCOMPARE(find->wordBox()->currentText(), QStringLiteral("one"));
    QVERIFY(!find->isModal());
    find->autoCloseBox()->setChecked(autoClose);
    // To the widget that has the focus, as the keyboard delivers it.
    QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == find);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(w.textView()->selectionStart(), 8);
    QCOMPARE(w.textView()->selectionLength(), 3);
    QCOMPARE(find->isVisible(), !autoClose);
    QVERIFY(win.messages.texts.isEmpty());
    IniFile ini = win.ini();
    QCOMPARE(ini.readBool(QStringLiteral("Options"), QStringLiteral("AutoClose"), !autoClose), autoClose);
    QCOMPARE(ini.readInteger(QStringLiteral("Options"), QStringLiteral("Direction"), -1), 1);
    if (!autoClose) {
        // Again: the walk goes on from the new selection, then runs out.
        find->searchNext();
        QCOMPARE(win.messages.texts.size(), 1);
        QCOMPARE(w.textView()->selectionStart(), 8);
        find->closeFind();
        QVERIFY(!find->isVisible());
    }
    QTRY_COMPARE(w.findChild<QMenuBar *>(QStringLiteral("MainMenu"))->isVisible(), true);
}

void TFormFindTest::dialogNotFoundShowsAmpersandOnce()
{
    for (bool japanese : {true, false}) {
        Window win("abc");
        win.w.BoolJapanese = japanese;
        win.w.runCommand(u"1101");
        TFormFind *find = win.w.findDialog();
        QCOMPARE(win.w.textView()->selectionLength(), 3); // the word at the caret
        win.w.textView()->setSelection(1, 1);
        find->wordBox()->setEditText(QStringLiteral("R&D"));
        find->searchNext();
        QCOMPARE(win.messages.texts,
                 QStringList{japanese ? J(u"Information : 検索しましたが見つかりませんでした\r\nR&D")
                                      : QStringLiteral("Information : Search word can not find.\r\n[OK]\r\nR&D")});
        QCOMPARE(win.w.textView()->selectionStart(), 1);
        QCOMPARE(win.w.textView()->selectionLength(), 1);
        // An empty box says so and searches nothing.
        find->wordBox()->setEditText(QString());
        find->searchPrevious();
        QCOMPARE(win.messages.texts.value(1), japanese ? kEmpty : QStringLiteral("Information : Search word is empty.\r\n[OK]"));
    }
}

void TFormFindTest::dialogFindAllModeEndsWithOk()
{
    Window win("abc abc");
    IniFile ini = win.ini();
    ini.writeString(QStringLiteral("FormFind"), QStringLiteral("Parent"), QStringLiteral("FindAll"));
    TFormFind *find = win.w.findDialog();
    QSignalSpy finished(find, &QDialog::finished);
    find->showFind();
    QVERIFY(find->isModal());
    QVERIFY(!find->previousButton()->isEnabled());
    QVERIFY(!find->menuAction(1103, false)->isEnabled());
    QVERIFY(!find->autoCloseBox()->isVisibleTo(find));
    find->wordBox()->setEditText(QStringLiteral("abc"));
    // To the widget that has the focus, as the keyboard delivers it.
    QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == find);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Accepted));
    QVERIFY(!find->isVisible());
    QCOMPARE(win.w.textView()->selectionLength(), 0); // nothing searched
    QCOMPARE(ini.readString(QStringLiteral("Options"), QStringLiteral("SearchWord")), QStringLiteral("abc"));
}

// The word reaches the find dialog through the settings file; a program
// folder that takes no writes must not lose it on the way.
void TFormFindTest::readOnlyFolderStillCarriesTheWord()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString file = home.write(QStringLiteral("t.txt"), "first\r\nfoo(bar)\r\n");
    QVERIFY(IniFile(AppPaths::settingsPath()).createIfMissing());
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
        | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
    QVERIFY(QFile::setPermissions(home.path(), readOnly));
    IniFile::resetReportedFailures();
    {
        test::PermissionsApply permissions;
        TFormMain w({file});
        w.show();
        QTRY_VERIFY(w.StrListLoadFileTmp && w.StrListLoadFileTmp->lineCount() >= 2);
        w.textView()->setCaretPosition(7 + 5); // on the "a" of bar
        w.runCommand(u"1101");
        QCOMPARE(w.findDialog()->wordBox()->currentText(), QStringLiteral("bar"));
        w.findDialog()->closeFind();
        QTRY_VERIFY(messages.texts.filter(J(u"設定ファイルに書き込めません")).size() == 1);
    }
    QVERIFY(QFile::setPermissions(home.path(), readOnly | QFileDevice::WriteOwner));
    IniFile::resetReportedFailures();
}

void TFormFindTest::autoGetTakesTheWordAtTheCaret()
{
    Window win("first\r\nfoo(bar)\r\n");
    TFormMain &w = win.w;
    w.textView()->setCaretPosition(7 + 5); // on the "a" of bar
    w.runCommand(u"1101");
    QCOMPARE(w.findDialog()->wordBox()->currentText(), QStringLiteral("bar"));
    QCOMPARE(w.textView()->selectionStart(), 11);
    QCOMPARE(w.textView()->selectionLength(), 3);
    // Between two delimiters: an empty word.
    w.findDialog()->closeFind();
    w.textView()->setCaretPosition(7 + 3 + 5);
    w.runCommand(u"1101");
    QCOMPARE(w.findDialog()->wordBox()->currentText(), QString());
    // Off: nothing is taken.
    w.runCommand(u"1108");
    w.textView()->setCaretPosition(1);
    w.runCommand(u"1101");
    QCOMPARE(w.findDialog()->wordBox()->currentText(), QString());
}

void TFormFindTest::badExpressionShowsTheErrorAndKeepsTheSelection()
{
    Window win("abc");
    win.ini().writeBool(QStringLiteral("Options"), QStringLiteral("RegExp"), true);
    win.w.textView()->setSelection(1, 1);
    win.w.search().StrSearchValue = QStringLiteral("a(");
    win.w.runCommand(u"1102");
    QCOMPARE(win.messages.texts.size(), 1);
    QVERIFY(win.messages.texts[0].startsWith(J(u"オフセット 2 で正規表現にエラーがあります: ")));
    QCOMPARE(win.w.textView()->selectionStart(), 1);
    QCOMPARE(win.w.textView()->selectionLength(), 1);
}

void TFormFindTest::binaryViewStopsTheCommands()
{
    Window win("abc");
    win.w.runCommand(u"1721");
    QVERIFY(win.w.binary().shown());
    win.w.search().StrSearchValue = QStringLiteral("b");
    for (CommandCode code : std::initializer_list<CommandCode>{u"1101", u"1102", u"1103", u"1104"})
        win.w.runCommand(code);
    QVERIFY(!win.w.findDialog()->isVisible());
    QCOMPARE(win.w.textView()->selectionLength(), 0);
    win.w.runCommand(u"1721");
    QVERIFY(!win.w.binary().shown());
    win.w.runCommand(u"1102");
    QCOMPARE(win.w.textView()->selectionStart(), 1);
}

void TFormFindTest::menuKeys()
{
    Window win("abc");
    TFormFind *find = win.w.findDialog();
    // No key-map file: the catalogue's keys V and T; typing keys stay out of the word box's menu.
    QCOMPARE(find->menuAction(1102, false)->shortcut(), QKeySequence(Qt::Key_V));
    QCOMPARE(find->menuAction(1103, false)->shortcut(), QKeySequence(Qt::Key_T));
    QCOMPARE(find->menuAction(1102, true)->shortcut(), QKeySequence());
    QCOMPARE(find->menuAction(1103, true)->shortcut(), QKeySequence());
    QStringList map = CommandCatalogue::InitKeyMap(0);
    for (QString &line : map) {
        if (line.endsWith(QLatin1String("\t1102")))
            line = QStringLiteral("x\tx\tF3\t1102");
        else if (line.endsWith(QLatin1String("\t1103")))
            line = QStringLiteral("x\tx\tShift+A\t1103");
        else if (line.endsWith(QLatin1String("\t1031")))
            line = QStringLiteral("x\tx\tCtrl+V\t1031");
    }
    QVERIFY(Utf16TextFile::writeLines(win.home.file(QStringLiteral("Quillon-KeyMap.txt")), map).ok);
    find->applyKeyMap();
    QCOMPARE(find->menuAction(1102, true)->shortcut(), QKeySequence(Qt::Key_F3));
    QCOMPARE(find->menuAction(1103, true)->shortcut(), QKeySequence());
    QCOMPARE(find->menuAction(1103, false)->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_A));
    QCOMPARE(find->menuAction(1031, true)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
}

void TFormFindTest::focusReturnToggleInBothMenus()
{
    Window win("abc");
    QAction *main = win.w.commandAction(u"1111");
    QAction *bar = win.w.findChild<QAction *>(QStringLiteral("MenuSearchBarSetFocus4"));
    QVERIFY(bar);
    QVERIFY(main->isChecked() && bar->isChecked());
    bar->trigger();
    QVERIFY(!main->isChecked() && !bar->isChecked());
    main->trigger();
    QVERIFY(main->isChecked() && bar->isChecked());
    // 1435 hides the bar and writes it.
    win.w.runCommand(u"1435");
    QVERIFY(!win.w.searchCombo()->isVisible());
    QCOMPARE(win.ini().readBool(QStringLiteral("SearchBar"), QStringLiteral("PositionTop"), true), false);
}

QTEST_MAIN(TFormFindTest)
#include "TFormFind_test.moc"
