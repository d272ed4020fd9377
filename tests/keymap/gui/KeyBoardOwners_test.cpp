// The windows that own a key map open the keyboard dialog on it and use the
// new keys as soon as it is confirmed: the main window (command 1701, the
// cursor mode ending first) and the find-all window (its keyboard command).
#include "keymap/gui/KeyBoardTestSupport.h"
#include "support/Settle.h"
#include "support/TempHome.h"
#include "support/TestText.h"

#include "FindAllKeyMap.h"
#include "IniFile.h"
#include "KeyMapController.h"
#include "KeyMapFile.h"
#include "MessageService.h"
#include "TFormFind.h"
#include "TFormFindAll.h"
#include "TFormMain.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>

using namespace quillon;

namespace {

QKeySequence seq(const char *text)
{
    return QKeySequence(QString::fromLatin1(text), QKeySequence::PortableText);
}

TFormKeyBoard *openKeyBoard()
{
    TFormKeyBoard *dialog = nullptr;
    if (!QTest::qWaitFor([&] {
            dialog = qobject_cast<TFormKeyBoard *>(QApplication::activeModalWidget());
            return dialog && dialog->isVisible();
        }))
        return nullptr;
    return dialog;
}

} // namespace

class KeyBoardOwnersTest : public QObject {
    Q_OBJECT
private slots:
    void mainWindowUsesTheNewKeysRightAfterOk();
    void findAllWindowEditsItsOwnKeyMap();
};

void KeyBoardOwnersTest::mainWindowUsesTheNewKeysRightAfterOk()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString file = home.write(QStringLiteral("t.txt"), QByteArray("one\r\ntwo\r\n"));
    TFormMain w({file});
    w.show();
    QVERIFY(test::settled(w));
    QCOMPARE(w.commandAction(u"1101")->shortcut(), seq("F"));
    QVERIFY(w.commandAction(u"1701")->isEnabled());
    w.runCommand(u"1251");
    QVERIFY(w.keys().editorCursorMode());
    QCOMPARE(w.commandAction(u"1231")->shortcut(), seq("Ctrl+Home"));

    w.runCommand(u"1701");
    TFormKeyBoard *dialog = openKeyBoard();
    QVERIFY(dialog);
    QCOMPARE(dialog->StrParentForm, QStringLiteral("Main"));
    QVERIFY(test::selectCommand(*dialog, u"1101"));
    test::pick(dialog->keySelector(1), QStringLiteral("Ctrl"));
    // Cancelled: nothing changes.
    QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonCancel")), Qt::LeftButton);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(w.commandAction(u"1101")->shortcut(), seq("F"));
    QVERIFY(w.keys().editorCursorMode());

    w.runCommand(u"1701");
    dialog = openKeyBoard();
    QVERIFY(dialog);
    test::selectCommand(*dialog, u"1101");
    test::pick(dialog->keySelector(1), QStringLiteral("Ctrl"));
    QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonOK")), Qt::LeftButton);
    QTRY_COMPARE(w.commandAction(u"1101")->shortcut(), seq("Ctrl+F"));
    QVERIFY(!w.keys().editorCursorMode());
    QVERIFY(!w.commandAction(u"1251")->isChecked());
    QCOMPARE(w.commandAction(u"1231")->shortcut(), seq("Home"));
    QCOMPARE(test::keyInFile(w.StrListKeyMap, u"1101"), QStringLiteral("Ctrl+F"));
    QVERIFY(messages.texts.isEmpty());

    // The key works at once.
    QTRY_VERIFY(w.textView()->hasFocus());
    QTest::keyClick(w.textView(), Qt::Key_F, Qt::ControlModifier);
    QTRY_VERIFY(w.findDialog()->isVisible());
    w.findDialog()->close();
}

void KeyBoardOwnersTest::findAllWindowEditsItsOwnKeyMap()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString file = home.write(QStringLiteral("t.txt"), QByteArray("cat\r\ndog\r\n"));
    TFormMain w({file});
    w.show();
    QVERIFY(test::settled(w));
    IniFile(AppPaths::settingsPath()).writeString(QStringLiteral("Options"), QStringLiteral("SearchWord"),
                                                  QStringLiteral("cat"));
    w.runCommand(u"1105");
    auto *findAll = w.findChild<TFormFindAll *>();
    QVERIFY(findAll);
    QTRY_VERIFY(w.findDialog()->isVisible());
    w.findDialog()->searchNext();
    QTRY_VERIFY(findAll->commandAction(u"1401")->isEnabled());
    QCOMPARE(findAll->commandAction(u"1101")->shortcut(), seq("F"));

    findAll->commandAction(u"1401")->trigger();
    TFormKeyBoard *dialog = openKeyBoard();
    QVERIFY(dialog);
    QCOMPARE(dialog->StrParentForm, QStringLiteral("FindAll"));
    QCOMPARE(dialog->categorySelector()->count(), 6);
    test::selectCommand(*dialog, u"1101");
    test::pick(dialog->keySelector(1), QStringLiteral("Ctrl"));
    QTest::mouseClick(dialog->buttonNamed(QStringLiteral("ButtonOK")), Qt::LeftButton);
    QTRY_COMPARE(findAll->commandAction(u"1101")->shortcut(), seq("Ctrl+F"));
    QCOMPARE(test::keyInFile(KeyMapFile::read(FindAllKeyMap::keyMapPath()), u"1101"), QStringLiteral("Ctrl+F"));
    // The main window's map is another file.
    QCOMPARE(test::keyInFile(KeyMapFile::read(home.file(QStringLiteral("Quillon-KeyMap.txt"))), u"1101"),
             QStringLiteral("F"));
    findAll->close();
}

QTEST_MAIN(KeyBoardOwnersTest)
#include "KeyBoardOwners_test.moc"
