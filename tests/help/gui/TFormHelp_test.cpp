// The help window as a user meets it: opened from the main window, the two
// texts from its menu, its keys, its place on the screen and the search
// inside the text.
#include "support/Settle.h"
#include "support/TempHome.h"
#include "support/TestText.h"

#include "BinaryController.h"
#include "IniFile.h"
#include "KeyMapFile.h"
#include "MessageService.h"
#include "TFormHelp.h"
#include "TFormMain.h"
#include "TMemoExDark.h"

#include <QAction>
#include <QLineEdit>
#include <QtTest>

using namespace quillon;

namespace {

QString wholeText(const TMemoExDark *memo)
{
    return memo->textRange(0, memo->length());
}

QString selected(const TMemoExDark *memo)
{
    return memo->textRange(memo->selectionStart(), memo->selectionLength());
}

// Shown and active, so that its keys reach it.
TFormHelp *shownHelp(QWidget *parent, bool japanese, HelpFile::Kind kind)
{
    TFormHelp *help = TFormHelp::openHelp(parent, japanese, kind);
    if (!QTest::qWaitFor([&] { return help->isVisible(); }))
        return nullptr;
    help->activateWindow();
    return QTest::qWaitForWindowActive(help) ? help : nullptr;
}

} // namespace

class TFormHelpTest : public QObject {
    Q_OBJECT
private slots:
    void opensFromTheMainWindow();
    void theTwoTextsAndTheirLanguages();
    void noHelpFilesGiveAnEmptyWindow();
    void aFileThatIsNotTextIsSaid();
    void placeOnTheScreen();
    void exitKeyFromTheKeyMap();
    void searchInsideTheHelp();
};

void TFormHelpTest::opensFromTheMainWindow()
{
    test::TempHome home;
    MessageRecorder messages;
    home.write(QStringLiteral("Quillon.txt"), test::utf16LeBom + test::utf16le(test::J(u"一般のヘルプ\r\n")));
    const QString file = home.write(QStringLiteral("a.txt"), "abc\r\n");
    TFormMain w({file});
    w.show();
    QVERIFY(test::settled(w));
    // Not while the hex dump is shown.
    w.runCommand(u"1721");
    QTRY_VERIFY(w.binary().shown());
    w.runCommand(u"1901");
    QVERIFY(test::settled(w));
    QVERIFY(!w.findChild<TFormHelp *>());
    w.runCommand(u"1721");
    QTRY_VERIFY(!w.binary().shown());

    w.runCommand(u"1901");
    auto *help = w.findChild<TFormHelp *>();
    QVERIFY(help);
    QTRY_VERIFY(help->isVisible());
    QVERIFY(help->isModal());
    QCOMPARE(help->windowTitle(), QString::fromUtf16(u"ヘルプ表示"));
    QCOMPARE(wholeText(help->memo()), test::J(u"一般のヘルプ\r\n"));
    QCOMPARE(help->memo()->tabStopDialogUnits(), 16);
    QCOMPARE(help->memo()->wrapMode(), TMemoExDark::WrapMode::NoWrap);
    QCOMPARE(help->memo()->focusPolicy(), Qt::ClickFocus);
    QTest::keyClick(help->memo(), Qt::Key_Escape);
    QTRY_VERIFY(!w.findChild<TFormHelp *>());
    QTRY_COMPARE(w.focusWidget(), static_cast<QWidget *>(w.textView()));
    QVERIFY(messages.texts.isEmpty());
}

void TFormHelpTest::theTwoTextsAndTheirLanguages()
{
    test::TempHome home;
    MessageRecorder messages;
    home.write(QStringLiteral("Quillon.txt"), QByteArray("\xEF\xBB\xBF") + test::J(u"一般\tヘルプ").toUtf8());
    home.write(QStringLiteral("Quillon2.txt"), QByteArray("\xFE\xFF\x30\xB0\x30\xEA\x30\xC3\x30\xC9", 10));
    home.write(QStringLiteral("Quillon-en.txt"), "General help");
    QWidget parent;
    TFormHelp *help = shownHelp(&parent, true, HelpFile::Kind::Grid);
    QVERIFY(help);
    QCOMPARE(wholeText(help->memo()), test::J(u"グリッド"));
    help->item(1001)->trigger();
    QCOMPARE(wholeText(help->memo()), test::J(u"一般\tヘルプ"));
    QCOMPARE(help->shownKind(), HelpFile::Kind::General);
    help->item(1002)->trigger();
    QCOMPARE(wholeText(help->memo()), test::J(u"グリッド"));
    help->item(1003)->trigger();
    QTRY_VERIFY(!help->isVisible());

    // In English the English text, and the Japanese one where there is no English one.
    help = shownHelp(&parent, false, HelpFile::Kind::General);
    QVERIFY(help);
    QCOMPARE(wholeText(help->memo()), QStringLiteral("General help"));
    help->item(1002)->trigger();
    QCOMPARE(wholeText(help->memo()), test::J(u"グリッド"));
    help->reject();
    QVERIFY(messages.texts.isEmpty());
}

void TFormHelpTest::noHelpFilesGiveAnEmptyWindow()
{
    test::TempHome home;
    MessageRecorder messages;
    QWidget parent;
    TFormHelp *help = shownHelp(&parent, true, HelpFile::Kind::General);
    QVERIFY(help);
    QCOMPARE(help->memo()->length(), 0);
    help->item(1002)->trigger();
    QCOMPARE(help->memo()->length(), 0);
    help->item(1001)->trigger();
    QCOMPARE(help->memo()->length(), 0);
    QVERIFY(messages.texts.isEmpty());
    help->reject();
}

void TFormHelpTest::aFileThatIsNotTextIsSaid()
{
    test::TempHome home;
    MessageRecorder messages;
    home.write(QStringLiteral("Quillon2.txt"), QByteArray("\x7F" "ELF\x02\x01\x01\0\0\0\0", 12));
    QWidget parent;
    TFormHelp *help = shownHelp(&parent, true, HelpFile::Kind::General);
    QVERIFY(help);
    help->item(1002)->trigger();
    QCOMPARE(help->memo()->length(), 0);
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY(messages.texts.first().startsWith(QString::fromUtf16(u"Error : ヘルプファイルがテキストファイルではありません")));
    help->reject();
}

void TFormHelpTest::placeOnTheScreen()
{
    test::TempHome home;
    MessageRecorder messages;
    QWidget parent;
    TFormHelp *help = shownHelp(&parent, true, HelpFile::Kind::General);
    QVERIFY(help);
    QCOMPARE(help->minimumSize(), QSize(880, 600));
    QCOMPARE(help->size(), QSize(880, 600));
    help->resize(1000, 700);
    help->move(40, 30);
    help->reject();
    IniFile ini(AppPaths::settingsPath());
    QCOMPARE(ini.readInteger(QStringLiteral("FormHelp"), QStringLiteral("Width"), 0), 1000);
    QCOMPARE(ini.readInteger(QStringLiteral("FormHelp"), QStringLiteral("Height"), 0), 700);

    // Off the screens: the corner, with the default size.
    const QRect saved(ini.readInteger(QStringLiteral("FormHelp"), QStringLiteral("Left"), 0),
                      ini.readInteger(QStringLiteral("FormHelp"), QStringLiteral("Top"), 0), 1000, 700);
    ini.writeInteger(QStringLiteral("FormHelp"), QStringLiteral("Left"), 100000);
    ini.writeInteger(QStringLiteral("FormHelp"), QStringLiteral("Top"), 100000);
    help = shownHelp(&parent, true, HelpFile::Kind::General);
    QVERIFY(help);
    QCOMPARE(help->size(), QSize(880, 600));
    QCOMPARE(help->pos(), QPoint(0, 0));
    help->reject();

    // On the screens: where it was left.
    if (!QGuiApplication::primaryScreen()->virtualGeometry().contains(saved))
        QSKIP("the screens here are smaller than the help window");
    ini.writeInteger(QStringLiteral("FormHelp"), QStringLiteral("Left"), saved.left());
    ini.writeInteger(QStringLiteral("FormHelp"), QStringLiteral("Top"), saved.top());
    help = shownHelp(&parent, true, HelpFile::Kind::General);
    QVERIFY(help);
    QCOMPARE(help->geometry().size(), saved.size());
    help->reject();
}

void TFormHelpTest::exitKeyFromTheKeyMap()
{
    test::TempHome home;
    MessageRecorder messages;
    QWidget parent;
    // Without a key map the exit item has no key; the find items have the defaults.
    TFormHelp *help = shownHelp(&parent, true, HelpFile::Kind::General);
    QVERIFY(help);
    QVERIFY(help->item(1003)->shortcut().isEmpty());
    QCOMPARE(help->item(1101)->shortcut(), QKeySequence(Qt::Key_F));
    QCOMPARE(help->item(1102)->shortcut(), QKeySequence(Qt::Key_V));
    help->reject();

    QVERIFY(KeyMapFile::write(home.file(QStringLiteral("Quillon-KeyMap.txt")),
                              {test::J(u"ファイル\t終了\tCtrl+W\t1031"), test::J(u"検索\t検索\tCtrl+F\t1101"),
                               test::J(u"検索\t次\tF3\t1102"), test::J(u"検索\t前\tShift+F3\t1103")})
                .ok);
    help = shownHelp(&parent, true, HelpFile::Kind::General);
    QVERIFY(help);
    QCOMPARE(help->item(1003)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
    QCOMPARE(help->item(1101)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    QTest::keyClick(help->memo(), Qt::Key_W, Qt::ControlModifier);
    QTRY_VERIFY(!help->isVisible());
}

void TFormHelpTest::searchInsideTheHelp()
{
    test::TempHome home;
    MessageRecorder messages;
    home.write(QStringLiteral("Quillon.txt"),
               test::utf16LeBom + test::utf16le(test::J(u"検索 one\r\nFind two\r\n検索 three\r\n")));
    QWidget parent;
    TFormHelp *help = shownHelp(&parent, true, HelpFile::Kind::General);
    QVERIFY(help);
    TMemoExDark *memo = help->memo();
    // The find key opens the bar; typing there is text, not commands.
    QTest::keyClick(memo, Qt::Key_F);
    QTRY_VERIFY(help->findBox()->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(help->findBox()));
    QTest::keyClicks(help->findBox(), QStringLiteral("fv"));
    QCOMPARE(help->findBox()->text(), QStringLiteral("fv"));
    help->findBox()->setText(test::J(u"検索"));
    QTest::keyClick(help->findBox(), Qt::Key_Return);
    QCOMPARE(memo->selectionStart(), 0);
    QCOMPARE(selected(memo), test::J(u"検索"));
    QVERIFY(help->findNext());
    QCOMPARE(memo->lineFromPosition(memo->selectionStart()), 2);
    QCOMPARE(selected(memo), test::J(u"検索"));
    QVERIFY(help->findPrevious());
    QCOMPARE(memo->selectionStart(), 0);
    // Case is ignored unless the find dialog's "match case" is on.
    help->findBox()->setText(QStringLiteral("FIND"));
    QVERIFY(help->findNext());
    QCOMPARE(selected(memo), QStringLiteral("Find"));
    // Nothing after the last: said, and the selection stays.
    help->findBox()->setText(QStringLiteral("two"));
    QVERIFY(help->findNext());
    const int at = int(memo->selectionStart());
    QVERIFY(!help->findNext());
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY(messages.texts.first().startsWith(QString::fromUtf16(u"Information : 検索しましたが見つかりませんでした")));
    QCOMPARE(int(memo->selectionStart()), at);
    help->reject();
}

QTEST_MAIN(TFormHelpTest)
#include "TFormHelp_test.moc"
