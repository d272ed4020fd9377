// The find-all window as the user meets it from the main window: the list and
// its numbers, the messages, its key map, wrapped lines, the multi-file mode
// with its worker threads, the skip question, stopping, and the double click.
#include "support/Settle.h"
#include "support/TempHome.h"
#include "support/TestText.h"
#include "support/ModalAnswer.h"

#include "FindAllHandOff.h"
#include "FindAllKeyMap.h"
#include "FolderSearch.h"
#include "IniFile.h"
#include "KeyMapFile.h"
#include "MessageService.h"
#include "StatusPanels.h"
#include "TFormFind.h"
#include "TFormFindAll.h"
#include "TFormMain.h"
#include "TFormViewGrid.h"
#include "TMemoExDark.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

using namespace quillon;

namespace {

using test::J;

const QString kDone = J(u"Information : 検索が完了しました");
const QString kEmpty = J(u"Information : テキストが読み込まれていません");
const QString kStopped = J(u"Information : 途中までの検索結果を表示します");

struct Window {
    // name may lie in a folder of its own ("d/a.txt"), away from the program's files.
    explicit Window(const QByteArray &text, const QString &name = QStringLiteral("t.txt"))
        : file((QDir(home.path()).mkpath(QFileInfo(name).path()), home.write(name, text))), w({file})
    {
        w.resize(900, 600);
        w.show();
        QVERIFY(test::settled(w));
    }
    IniFile ini() const { return IniFile(home.file(QStringLiteral("Quillon.ini"))); }

    // Opens the window with 1105 or 1106 and confirms `word` in the find dialog.
    TFormFindAll *open(const QString &code, const QString &word)
    {
        ini().writeString(QStringLiteral("Options"), QStringLiteral("SearchWord"), word);
        w.runCommand(code == QLatin1String("1105") ? CommandCode(u"1105") : CommandCode(u"1106"));
        auto *f = w.findChild<TFormFindAll *>();
        if (!f)
            return nullptr;
        TFormFind *find = w.findDialog();
        if (!QTest::qWaitFor([&] { return find->isVisible(); }))
            return nullptr;
        find->searchNext();
        return f;
    }
    test::TempHome home;
    MessageRecorder messages;
    QString file;
    TFormMain w;
};

QStringList lines(const TMemoExDark *view)
{
    QStringList out;
    for (int i = 0; i < view->lineCount(); ++i)
        out << view->lineText(i);
    return out;
}

QByteArray twelveLines()
{
    QByteArray t;
    for (int i = 1; i <= 12; ++i)
        t += i == 7 ? "cat cat cat\r\n" : i == 12 ? "a cat\r\n" : "line\r\n";
    return t;
}

} // namespace

class TFormFindAllTest : public QObject {
    Q_OBJECT
private slots:
    void listsLinesWithTheirNumbers_data();
    void listsLinesWithTheirNumbers();
    void noHitGivesBothMessages_data();
    void noHitGivesBothMessages();
    void resultListCutPastTheLimit();
    void wrappedTextListsDisplayLines();
    void commandsWithoutTextOrTarget();
    void keyMapLostALineIsResetAndNothingStarts();
    void keysFromTheKeyMapWithoutPunctuation();
    void searchTheListAgainAndMove();
    void buttonPanelSurvivesReopening();
    void numberColumnFollowsTheList();
    void multiFileSearchListsHitsOfTheFolder();
    void noAtAnUnreadableFileKeepsTheHitsSoFar();
    void stopKeepsWhatWasFound();
};

void TFormFindAllTest::listsLinesWithTheirNumbers_data()
{
    QTest::addColumn<int>("lineZero");
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("zeros") << 1 << QStringList{QStringLiteral("000007"), QStringLiteral("000012")};
    QTest::newRow("spaces") << 0 << QStringList{QStringLiteral("     7"), QStringLiteral("    12")};
}

void TFormFindAllTest::listsLinesWithTheirNumbers()
{
    QFETCH(int, lineZero);
    QFETCH(QStringList, numbers);
    Window win(twelveLines());
    win.ini().writeInteger(QStringLiteral("Editor"), QStringLiteral("LineZero"), lineZero);
    TFormFindAll *f = win.open(QStringLiteral("1105"), QStringLiteral("CAT"));
    QVERIFY(f);
    QTRY_COMPARE(win.messages.texts, QStringList{kDone});
    QCOMPARE(lines(f->list()), (QStringList{QStringLiteral("cat cat cat"), QStringLiteral("a cat")}));
    QCOMPARE(lines(f->numberColumn()), numbers);
    // The first hit is selected; the status names the word, the place and the count.
    QCOMPARE(f->list()->selectionStart(), 0);
    QCOMPARE(f->list()->selectionLength(), 3);
    QCOMPARE(f->upperStatus()->panelText(0), QStringLiteral("CAT"));
    QCOMPARE(f->lowerStatus()->panelText(1), J(u"1行,4桁"));
    QCOMPARE(f->lowerStatus()->panelText(2), J(u"2行"));
    // The grid's hand-off file: number, separator, line.
    QVERIFY(f->writeHandOffFile());
    QCOMPARE(win.home.read(FindAllHandOff::fileName()),
             test::utf16LeFile({numbers[0] + J(u"≡cat cat cat"), numbers[1] + J(u"≡a cat")}));
    // The grid opens on the hand-off file, as a grid of number and line.
    QVERIFY(f->commandAction(u"1001")->isEnabled());
    QVERIFY(f->button(2204)->isEnabled());
    QString gridFile;
    int gridRows = -1;
    test::answerNextModal<TFormViewGrid>([&](TFormViewGrid *grid) {
        QTRY_VERIFY(grid->findChild<QTableView *>()->model()->rowCount() > 0);
        gridFile = grid->StrLoadFileName;
        gridRows = grid->findChild<QTableView *>()->model()->rowCount();
        grid->reject();
    });
    f->commandAction(u"1001")->trigger();
    QCOMPARE(QFileInfo(gridFile).fileName(), FindAllHandOff::fileName());
    QVERIFY(gridRows >= 2);
    f->close();
}

void TFormFindAllTest::noHitGivesBothMessages_data()
{
    QTest::addColumn<bool>("japanese");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("Japanese") << true << QStringList{kEmpty, kDone};
    QTest::newRow("English") << false
                             << QStringList{QStringLiteral("Information : Text is empty.\r\n[OK]"),
                                            QStringLiteral("Information : Search word had done.\r\n[OK]")};
}

void TFormFindAllTest::noHitGivesBothMessages()
{
    QFETCH(bool, japanese);
    QFETCH(QStringList, messages);
    Window win(twelveLines());
    if (!japanese)
        win.w.runCommand(u"1952");
    TFormFindAll *f = win.open(QStringLiteral("1105"), QStringLiteral("dog"));
    QVERIFY(f);
    QTRY_COMPARE(win.messages.texts, messages);
    QCOMPARE(f->list()->length(), 0);
    f->close();
}

void TFormFindAllTest::wrappedTextListsDisplayLines()
{
    QByteArray text = "short\r\n";
    for (int i = 0; i < 60; ++i)
        text += "word ";
    text += "cat\r\nend cat\r\n";
    Window win(text);
    win.w.runCommand(u"1402"); // wrap at the window's edge
    QVERIFY(test::wrapSettled(win.w));
    TMemoExDark *view = win.w.textView();
    QVERIFY(view->lineCount() > 4);
    QStringList expectedNumbers, expectedLines;
    for (int i = 0; i < view->lineCount(); ++i) {
        if (view->lineText(i).contains(QStringLiteral("cat"))) {
            expectedNumbers << QStringLiteral("%1").arg(i + 1, 6, 10, QLatin1Char('0'));
            expectedLines << view->lineText(i);
        }
    }
    QCOMPARE(expectedNumbers.size(), 2);
    QVERIFY(expectedNumbers[0] != QStringLiteral("000002")); // a display line, not the file's line 2
    TFormFindAll *f = win.open(QStringLiteral("1105"), QStringLiteral("cat"));
    QVERIFY(f);
    QTRY_COMPARE(win.messages.texts, QStringList{kDone});
    QCOMPARE(lines(f->numberColumn()), expectedNumbers);
    QCOMPARE(lines(f->list()), expectedLines);
    f->close();
}

void TFormFindAllTest::commandsWithoutTextOrTarget()
{
    // The main window without a file: both commands say so.
    test::TempHome home;
    MessageRecorder messages;
    TFormMain w(QStringList{});
    w.show();
    QVERIFY(test::settled(w));
    w.runCommand(u"1105");
    w.runCommand(u"1106");
    QCOMPARE(messages.texts, QStringList(2, J(u"Information : ファイルが読み込まれていません")));
    QVERIFY(!w.findChild<TFormFindAll *>());
}

void TFormFindAllTest::keyMapLostALineIsResetAndNothingStarts()
{
    Window win(twelveLines());
    QStringList map = FindAllKeyMap::InitKeyMap(0);
    map.removeAt(3);
    QVERIFY(KeyMapFile::write(FindAllKeyMap::keyMapPath(), map).ok);
    win.ini().writeString(QStringLiteral("Options"), QStringLiteral("SearchWord"), QStringLiteral("cat"));
    win.w.runCommand(u"1105");
    auto *f = win.w.findChild<TFormFindAll *>();
    QVERIFY(f);
    QTRY_COMPARE(win.messages.texts,
                 QStringList{J(u"Information : キーボード設定内容が変更になったので初期化しました")});
    QVERIFY(test::timersDueWithinFired(300));
    QVERIFY(!win.w.findDialog()->isVisible());
    QCOMPARE(f->list()->length(), 0);
    QCOMPARE(KeyMapFile::read(FindAllKeyMap::keyMapPath()), FindAllKeyMap::InitKeyMap(0));
    f->close();
}

void TFormFindAllTest::keysFromTheKeyMapWithoutPunctuation()
{
    Window win(twelveLines());
    QStringList map = FindAllKeyMap::InitKeyMap(0);
    map[3] = J(u"検索\t次を検索(&N)\tSpace\t1102");
    map[4] = J(u"検索\t前を検索(&P)\tShift+F3\t1103");
    QVERIFY(KeyMapFile::write(FindAllKeyMap::keyMapPath(), map).ok);
    TFormFindAll *f = win.open(QStringLiteral("1105"), QStringLiteral("cat"));
    QVERIFY(f);
    QTRY_COMPARE(win.messages.texts, QStringList{kDone});
    QCOMPARE(f->commandAction(u"1101")->shortcut(), QKeySequence(Qt::Key_F));
    QVERIFY(f->commandAction(u"1102")->shortcut().isEmpty());
    QCOMPARE(f->commandAction(u"1103")->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F3));
    QCOMPARE(f->commandAction(u"1202")->shortcut(), QKeySequence(Qt::Key_Home));
    // The key reaches the command: Shift+F3 goes back from the second hit.
    f->runCommand(u"1102");
    QCOMPARE(f->list()->selectionStart(), 4);
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    QTest::keyClick(f->list(), Qt::Key_F3, Qt::ShiftModifier);
    QTRY_COMPARE(f->list()->selectionStart(), 0);
    f->close();
}

void TFormFindAllTest::searchTheListAgainAndMove()
{
    Window win(twelveLines());
    TFormFindAll *f = win.open(QStringLiteral("1105"), QStringLiteral("cat"));
    QVERIFY(f);
    QTRY_COMPARE(win.messages.texts, QStringList{kDone});
    // Next walks through the hits inside the list lines, then says not found.
    f->runCommand(u"1102");
    QCOMPARE(f->list()->selectionStart(), 4);
    f->runCommand(u"1102");
    f->runCommand(u"1102");
    QCOMPARE(f->list()->selectionStart(), 15); // "a cat" on the second list line
    f->runCommand(u"1102");
    QCOMPARE(win.messages.texts.last(), J(u"Information : 検索しましたが見つかりませんでした\r\ncat"));
    // The find command with a new word searches the list for it.
    QVERIFY(QTest::qWaitFor([&] { return !win.w.findDialog()->isVisible(); }));
    f->runCommand(u"1202");
    QCOMPARE(f->list()->caretPosition(), 0);
    f->runCommand(u"1101");
    QTRY_VERIFY(win.w.findDialog()->isVisible());
    win.w.findDialog()->wordBox()->setEditText(QStringLiteral("a c"));
    win.w.findDialog()->searchNext();
    QCOMPARE(f->StrSearchValue, QStringLiteral("a c"));
    QCOMPARE(f->list()->selectionStart(), 13);
    QCOMPARE(f->list()->selectionLength(), 3);
    // Moving: the end, then the top.
    f->runCommand(u"1205");
    QCOMPARE(f->list()->lineFromPosition(f->list()->caretPosition()), 1);
    f->runCommand(u"1203");
    QCOMPARE(f->list()->caretPosition(), 0);
    f->close();
}

void TFormFindAllTest::buttonPanelSurvivesReopening()
{
    Window win(twelveLines());
    TFormFindAll *f = win.open(QStringLiteral("1105"), QStringLiteral("cat"));
    QVERIFY(f);
    QTRY_COMPARE(win.messages.texts, QStringList{kDone});
    QVERIFY(!f->buttonPanel()->isVisible());
    f->runCommand(u"1402");
    QVERIFY(f->buttonPanel()->isVisible());
    f->runCommand(u"1301"); // line-end marks
    f->close();
    QTRY_VERIFY(!win.w.findChild<TFormFindAll *>());
    QVERIFY(win.ini().readBool(QStringLiteral("FindAll"), QStringLiteral("ShowButton"), false));
    QVERIFY(win.ini().readBool(QStringLiteral("FindAll"), QStringLiteral("CrLf"), false));
    f = win.open(QStringLiteral("1105"), QStringLiteral("cat"));
    QVERIFY(f);
    QTRY_VERIFY(f->buttonPanel()->isVisible());
    QVERIFY(f->commandAction(u"1402")->isChecked());
    QVERIFY(f->commandAction(u"1301")->isChecked());
    f->close();
}

void TFormFindAllTest::numberColumnFollowsTheList()
{
    QByteArray text;
    for (int i = 0; i < 500; ++i)
        text += "cat\r\n";
    Window win(text);
    TFormFindAll *f = win.open(QStringLiteral("1105"), QStringLiteral("cat"));
    QVERIFY(f);
    QTRY_COMPARE(win.messages.texts, QStringList{kDone});
    f->list()->verticalScrollBar()->setValue(200);
    QTRY_COMPARE(f->numberColumn()->firstVisibleLine(), f->list()->firstVisibleLine());
    QVERIFY(f->list()->firstVisibleLine() > 100);
    QCOMPARE(f->numberColumn()->lineText(f->numberColumn()->firstVisibleLine()),
             QStringLiteral("%1").arg(f->list()->firstVisibleLine() + 1, 6, 10, QLatin1Char('0')));
    // At the very end too, below the list's horizontal scroll bar.
    f->list()->verticalScrollBar()->setValue(f->list()->verticalScrollBar()->maximum());
    QTRY_COMPARE(f->numberColumn()->firstVisibleLine(), f->list()->firstVisibleLine());
    QCOMPARE(f->list()->firstVisibleLine() + f->list()->visibleLineCount(), 500);
    f->close();
}

void TFormFindAllTest::multiFileSearchListsHitsOfTheFolder()
{
    Window win("cat\r\nx cat\r\n", QStringLiteral("d/a.txt"));
    win.home.write(QStringLiteral("d/b.TXT"), "\x93\xFA\x96\x7B cat cat\r\n"); // Shift_JIS
    win.home.write(QStringLiteral("d/c.log"), "cat\r\n");
    QVERIFY(QDir(win.home.path()).mkpath(QStringLiteral("d/d.txt")));
    TFormFindAll *f = win.open(QStringLiteral("1106"), QStringLiteral("cat"));
    QVERIFY(f);
    QVERIFY(f->fileMode());
    QTRY_VERIFY(!f->searching() && f->list()->length() > 0);
    const QString a = win.file, b = win.home.file(QStringLiteral("d/b.TXT"));
    const QStringList expected = {a + QStringLiteral("*(1)[1]cat"), a + QStringLiteral("*(2)[3]x cat"),
                                  b + J(u"*(1)[4]日本 cat cat"), b + J(u"*(1)[8]日本 cat cat")};
    QCOMPARE(lines(f->list()), expected);
    QCOMPARE(lines(f->numberColumn()), (QStringList{QStringLiteral("000001"), QStringLiteral("000002"),
                                                    QStringLiteral("000003"), QStringLiteral("000004")}));
    QCOMPARE(win.home.read(FolderSearch::resultFileName()), test::utf16LeFile(expected));
    QVERIFY(win.messages.texts.isEmpty()); // neither a first hit nor a done message
    QVERIFY(!f->commandAction(u"1104")->isEnabled());
    // A double click on the fourth line selects its hit, not the path.
    TMemoExDark *list = f->list();
    list->setCaretPosition(list->lineStart(3) + 2);
    list->ensureCaretVisible();
    const QPoint p = *list->positionToPoint(list->lineStart(3) + 2);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, p + QPoint(1, 2));
    QTRY_COMPARE(list->selectedText(), QStringLiteral("cat"));
    QCOMPARE(list->selectionStart(), list->lineStart(3) + int(b.size()) + 7 + 7);
    f->close();
}

void TFormFindAllTest::noAtAnUnreadableFileKeepsTheHitsSoFar()
{
    Window win("cat\r\n", QStringLiteral("d/a.txt"));
    win.home.write(QStringLiteral("d/b.txt"), "\xEF\xBB\xBF" "cat\xC3\x28\n"); // refused by the UTF-8 decoder
    win.home.write(QStringLiteral("d/c.txt"), "cat\r\n");
    win.messages.answers = {MessageAnswer::Ok, MessageAnswer::No};
    TFormFindAll *f = win.open(QStringLiteral("1106"), QStringLiteral("cat"));
    QVERIFY(f);
    QTRY_VERIFY(!f->searching() && win.messages.texts.size() == 3);
    QVERIFY(win.messages.texts[0].contains(win.home.file(QStringLiteral("d/b.txt"))));
    QCOMPARE(win.messages.texts[1], J(u"Information : 一括検索を継続しますか？"));
    QCOMPARE(win.messages.texts[2], kStopped);
    QCOMPARE(lines(f->list()), QStringList{win.file + QStringLiteral("*(1)[1]cat")});
    f->close();
}

void TFormFindAllTest::stopKeepsWhatWasFound()
{
    Window win("cat\r\n", QStringLiteral("d/f000.txt"));
    for (int i = 1; i < 300; ++i)
        win.home.write(QStringLiteral("d/f%1.txt").arg(i, 3, 10, QLatin1Char('0')), QByteArray(20000, 'x') + "cat\r\n");
    TFormFindAll *f = win.open(QStringLiteral("1106"), QStringLiteral("cat"));
    QVERIFY(f);
    QVERIFY(f->searching());
    QVERIFY(f->stopButton()->isVisible());
    f->stopButton()->click();
    QVERIFY(!f->searching());
    QTRY_COMPARE(win.messages.texts, QStringList{kStopped});
    // Whatever was found is the start of the whole result, file by file.
    const QStringList found = f->list()->length() > 0 ? lines(f->list()) : QStringList();
    QVERIFY(found.size() < 300);
    for (int i = 0; i < found.size(); ++i)
        QCOMPARE(found[i], win.home.file(QStringLiteral("d/f%1.txt").arg(i, 3, 10, QLatin1Char('0')))
                               + (i == 0 ? QStringLiteral("*(1)[1]cat") : QStringLiteral("*(1)[20001]")
                                              + QString(20000, u'x') + QStringLiteral("cat")));
    f->close();
}

void TFormFindAllTest::resultListCutPastTheLimit()
{
    QByteArray many;
    for (int i = 0; i < 60000; ++i)
        many += "aa\n";
    Window win(many, QStringLiteral("d/1.txt"));
    win.home.write(QStringLiteral("d/2.txt"), many);
    TFormFindAll *f = win.open(QStringLiteral("1106"), QStringLiteral("aa"));
    QVERIFY(f);
    QTRY_VERIFY_WITH_TIMEOUT(!f->searching(), 20000);
    QCOMPARE(win.messages.texts,
             QStringList{J(u"Information : 検索結果の行数が 100000 行を超えたので\r\n途中までの検索結果を表示します")});
    QCOMPARE(f->list()->lineCount(), FolderSearch::LineLimit + 1);
    QCOMPARE(f->numberColumn()->lineText(FolderSearch::LineLimit), QStringLiteral("100001"));
    QCOMPARE(f->list()->lineText(FolderSearch::LineLimit), win.home.file(QStringLiteral("d/2.txt")) + QStringLiteral("*(40001)[1]aa"));
    f->close();
}

QTEST_MAIN(TFormFindAllTest)
#include "TFormFindAll_test.moc"
