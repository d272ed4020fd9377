// The grid window as a user meets it: reading and its status, edit mode and
// the close question, titles across reads, search, the clipboard, the memo,
// sizes and settings, the fixed keys, a grid without rows, closing while a
// large file loads, and its language file.
#include "support/Mnemonics.h"
#include "support/TempHome.h"

#include "AppPaths.h"
#include "FontLogFilter.h"
#include "GridModel.h"
#include "GridStatusBar.h"
#include "IniFile.h"
#include "LanguageFile.h"
#include "LanguageSetter.h"
#include "MessageService.h"
#include "TFormHelp.h"
#include "TFormViewGrid.h"
#include "TMLStringGrid.h"
#include "TMemoCrLf.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QtTest>
#include <memory>

using namespace quillon;

namespace {

QString J(const char16_t *s)
{
    return QString::fromUtf16(s);
}

void installShippedLanguageFile()
{
    QDir().mkpath(AppPaths::programLanguageDir());
    const QString shipped = QDir::cleanPath(QStringLiteral(QUILLON_TEST_DATA "/../../data/Language/Quillon/ViewGrid.txt"));
    QFile::copy(shipped, LanguageFile::path(QStringLiteral("ViewGrid.txt")));
}

// A grid window on `path`, shown and read.
std::unique_ptr<TFormViewGrid> openGrid(const QString &path, bool japanese = true, int skin = 0)
{
    GridContext c;
    c.fileName = path;
    c.japanese = japanese;
    c.skinStyle = skin;
    c.darkBackColor = QColor(0x19, 0x19, 0x19);
    auto w = std::make_unique<TFormViewGrid>(c);
    w->show();
    return w;
}

bool waitRead(TFormViewGrid &w)
{
    return QTest::qWaitFor([&] { return w.isVisible() && !w.isLoading() && !w.windowTitle().isEmpty(); }, 10000);
}

void clickCell(TFormViewGrid &w, int row, int column)
{
    TMLStringGrid *g = w.grid();
    const QRect r = g->visualRect(w.model()->index(row, column));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
}

} // namespace

class TFormViewGridTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { FontLogFilter::install(); }
    void readsAndShowsItsStatus();
    void gridWithoutRowsTakesEveryCommand();
    void editModeStoresTheMemoAndAsksBeforeClosing();
    void titleRowSurvivesAnEncodingChangeButNotAReload();
    void searchesTheGridInOrderAndTheMemo();
    void copiesTheSelectionInTheCheckedStyle();
    void memoMarksLineBreaksAndFollowsCtrlArrows();
    void sizesFollowTheSettings();
    void noticesAndMissingFile();
    void closesWhileALargeFileLoads();
    void languageFileCoversTheWindow_data();
    void languageFileCoversTheWindow();
    void helpOpensOnTheGridsTextAndTheGridTakesNoInputMethod();
};

void TFormViewGridTest::readsAndShowsItsStatus()
{
    test::TempHome home;
    MessageRecorder messages;
    // Shift_JIS: あ,い / う,"え,お" ; a final CR LF gives no third row.
    const QString path = home.write(QStringLiteral("t.csv"), "\x82\xA0,\x82\xA2\r\n\x82\xA4,\"\x82\xA6,\x82\xA8\"\r\n");
    auto w = openGrid(path);
    QVERIFY(waitRead(*w));
    GridModel *m = w->model();
    QCOMPARE(m->rowCount(), 2);
    QCOMPARE(m->columnCount(), 3); // automatic: cut at every comma
    QCOMPARE(w->windowTitle(), path + J(u" - グリッド表示"));
    QCOMPARE(w->upperStatus()->panelText(3), QStringLiteral(","));
    QCOMPARE(w->upperStatus()->panelText(4), QStringLiteral("Shift_JIS"));
    QCOMPARE(w->lowerStatus()->panelText(5), QStringLiteral("Cr+Lf(Windows) "));
    QCOMPARE(w->upperStatus()->panelText(0), QStringLiteral("[1,1]"));
    QCOMPARE(w->memo()->toPlainText(), J(u"あ"));
    QCOMPARE(m->headerData(1, Qt::Vertical, GridModel::TitleRole).toString(), QStringLiteral("00002:3"));
    // The second comma mode, then the status order [row,column].
    w->action(1033)->trigger();
    QVERIFY(waitRead(*w));
    QTRY_COMPARE(m->columnCount(), 2);
    QCOMPARE(m->cell(1, 1), J(u"え,お"));
    clickCell(*w, 1, 0);
    QCOMPARE(w->upperStatus()->panelText(0), QStringLiteral("[1,2]"));
    w->action(1341)->trigger();
    QCOMPARE(w->lowerStatus()->panelText(0), QStringLiteral("[2,1]"));
    QVERIFY(messages.texts.isEmpty());
}

void TFormViewGridTest::gridWithoutRowsTakesEveryCommand()
{
    test::TempHome home;
    MessageRecorder messages;
    auto w = openGrid(home.write(QStringLiteral("empty.csv"), QByteArray()));
    QVERIFY(waitRead(*w));
    QCOMPARE(w->model()->rowCount(), 0);
    QCOMPARE(w->upperStatus()->panelText(3), QStringLiteral("UnKnown"));
    QVERIFY(!w->grid()->currentIndex().isValid());
    w->runCommand(1011); // Reload, then edit mode
    QVERIFY(waitRead(*w));
    for (int tag : {1111, 1124, 1311, 1321, 1322, 1331, 1332, 1341, 1342, 1211, 1212, 1355, 1160, 1904})
        w->runCommand(tag);
    QTest::keyClick(w->memo(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(w->model()->rowCount(), 0);
    // The two searches found nothing and said so.
    QCOMPARE(messages.texts.size(), 2);
}

void TFormViewGridTest::editModeStoresTheMemoAndAsksBeforeClosing()
{
    test::TempHome home;
    MessageRecorder messages;
    auto w = openGrid(home.write(QStringLiteral("e.csv"), "a,b\r\nc,d\r\n"));
    QVERIFY(waitRead(*w));
    // Before the first Reload Ctrl+E does nothing.
    QTest::keyClick(w->grid(), Qt::Key_E, Qt::ControlModifier);
    QVERIFY(!w->editMode());
    w->runCommand(1011);
    QVERIFY(waitRead(*w));
    QTest::keyClick(w->grid(), Qt::Key_E, Qt::ControlModifier);
    QVERIFY(w->editMode());
    QCOMPARE(w->upperStatus()->panelText(1), J(u"編集中"));
    // Typed into the memo, stored when another cell is chosen with the mouse.
    w->memo()->moveCursor(QTextCursor::End);
    QTest::keyClicks(w->memo(), QStringLiteral("X"));
    clickCell(*w, 1, 1);
    QCOMPARE(w->model()->cell(0, 0), QStringLiteral("aX"));
    QVERIFY(w->BoolEditModified);
    // Esc in edit mode does not close.
    QTest::keyClick(w->memo(), Qt::Key_Escape);
    QVERIFY(w->isVisible());
    // Typed and closed at once: the memo is stored before the question.
    w->memo()->moveCursor(QTextCursor::End);
    QTest::keyClicks(w->memo(), QStringLiteral("Y"));
    messages.answers = {MessageAnswer::No};
    w->runCommand(1003);
    QVERIFY(w->isVisible());
    QCOMPARE(messages.texts.last(), J(u"Information : 編集されています\r\n終了しますか？"));
    QCOMPARE(w->model()->cell(1, 1), QStringLiteral("dY"));
    messages.answers = {MessageAnswer::Yes};
    w->close();
    QVERIFY(!w->isVisible());
}

void TFormViewGridTest::titleRowSurvivesAnEncodingChangeButNotAReload()
{
    test::TempHome home;
    MessageRecorder messages;
    auto w = openGrid(home.write(QStringLiteral("t.csv"), "h1,h2\r\na,b\r\n"));
    QVERIFY(waitRead(*w));
    w->runCommand(1321);
    w->runCommand(1331);
    GridModel *m = w->model();
    QCOMPARE(m->titleRowText(1), QStringLiteral("h2"));
    QCOMPARE(m->titleColumnText(1), QStringLiteral("a"));
    w->action(1046)->trigger(); // UTF-8 without mark
    QVERIFY(waitRead(*w));
    QTRY_COMPARE(w->upperStatus()->panelText(4), J(u"UTF8  [BOM無]"));
    QCOMPARE(m->titleRowText(1), QStringLiteral("h2"));
    QCOMPARE(m->titleColumnText(1), QStringLiteral("00002:2")); // every read rewrites the counts
    w->action(1046)->trigger(); // already checked: nothing happens
    QVERIFY(!w->isLoading());
    w->runCommand(1011);
    QVERIFY(waitRead(*w));
    QTRY_COMPARE(m->titleRowText(1), QString());
    QVERIFY(messages.texts.isEmpty());
}

void TFormViewGridTest::searchesTheGridInOrderAndTheMemo()
{
    test::TempHome home;
    MessageRecorder messages;
    auto w = openGrid(home.write(QStringLiteral("s.csv"), "x,Word,x,word\r\nx,x,x,x\r\nWORD word,x\r\n"));
    QVERIFY(waitRead(*w));
    w->searchBox()->setText(QStringLiteral("word"));
    const auto at = [&] { return std::make_pair(w->grid()->currentIndex().row(), w->grid()->currentIndex().column()); };
    w->searchGrid(true);
    QCOMPARE(at(), std::make_pair(0, 1));
    w->searchGrid(true);
    QCOMPARE(at(), std::make_pair(0, 3));
    w->searchGrid(true);
    QCOMPARE(at(), std::make_pair(2, 0));
    QVERIFY(w->grid()->hasFocus() || !w->isActiveWindow());
    w->searchGrid(true);
    QCOMPARE(messages.texts.size(), 1);
    QCOMPARE(messages.texts.last(), J(u"Information : 検索文字がありません"));
    QCOMPARE(at(), std::make_pair(2, 0));
    w->searchGrid(false);
    QCOMPARE(at(), std::make_pair(0, 3));
    // The memo: backward from the end finds the last, then the first.
    w->memo()->setFocus();
    w->memo()->moveCursor(QTextCursor::End);
    clickCell(*w, 2, 0);
    w->memo()->moveCursor(QTextCursor::End);
    w->searchMemo(false);
    QCOMPARE(w->memo()->textCursor().selectionStart(), 5);
    w->searchMemo(false);
    QCOMPARE(w->memo()->textCursor().selectionStart(), 0);
    QCOMPARE(w->memo()->textCursor().selectedText(), QStringLiteral("WORD"));
    w->searchMemo(false);
    QCOMPARE(messages.texts.size(), 2);
}

void TFormViewGridTest::copiesTheSelectionInTheCheckedStyle()
{
    test::TempHome home;
    MessageRecorder messages;
    auto w = openGrid(home.write(QStringLiteral("c.csv"), "11,\"22\",\"3,3\",\"4\"\"4\"\r\na,\"b\nc\",d,e\r\n"));
    QVERIFY(waitRead(*w));
    w->action(1033)->trigger();
    QVERIFY(waitRead(*w));
    QTRY_COMPARE(w->model()->columnCount(), 4);
    TMLStringGrid *g = w->grid();
    GridModel *m = w->model();
    g->selectionModel()->select(QItemSelection(m->index(0, 1), m->index(1, 3)), QItemSelectionModel::ClearAndSelect);
    w->action(1125)->trigger();
    w->runCommand(1124);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("22,\"3,3\",\"4\"\"4\"\r\n\"b\nc\",d,e\r\n"));
    w->action(1122)->trigger();
    w->runCommand(1124);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("\"22\",\"3,3\",\"4\"4\"\r\n\"b\nc\",\"d\",\"e\"\r\n"));
    // One column: no quotes in the quoted style.
    g->selectionModel()->select(QItemSelection(m->index(0, 0), m->index(1, 0)), QItemSelectionModel::ClearAndSelect);
    w->runCommand(1124);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("11\r\na\r\n"));
    // The style is stored when the window goes.
    w.reset();
    IniFile ini(AppPaths::settingsPath());
    QVERIFY(ini.readBool(QStringLiteral("ViewGrid"), QStringLiteral("ClipDoubleCautation"), false));
    QVERIFY(!ini.readBool(QStringLiteral("ViewGrid"), QStringLiteral("ClipTAB"), true));
}

void TFormViewGridTest::memoMarksLineBreaksAndFollowsCtrlArrows()
{
    test::TempHome home;
    MessageRecorder messages;
    auto w = openGrid(home.write(QStringLiteral("m.csv"), "\"l1\nl2\nl3\",b\r\nc,d\r\n"));
    QVERIFY(waitRead(*w));
    w->action(1032)->trigger();
    QVERIFY(waitRead(*w));
    QTRY_COMPARE(w->memo()->toPlainText(), QStringLiteral("l1\nl2\nl3"));
    QCOMPARE(w->memo()->cellText(), QStringLiteral("l1\r\nl2\r\nl3"));
    QCOMPARE(w->memo()->markPositions().size(), 2); // two breaks, two marks
    QCOMPARE(w->memoStatus()->panelText(1), J(u"3行"));
    // Ctrl+Left at the first column stays; Ctrl+Down and Ctrl+Right move.
    w->memo()->setFocus();
    QTest::keyClick(w->memo(), Qt::Key_Left, Qt::ControlModifier);
    QCOMPARE(w->grid()->currentIndex(), w->model()->index(0, 0));
    QTest::keyClick(w->memo(), Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(w->memo(), Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(w->grid()->currentIndex(), w->model()->index(1, 1));
    QCOMPARE(w->memo()->toPlainText(), QStringLiteral("d"));
    QTest::keyClick(w->memo(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(w->grid()->currentIndex(), w->model()->index(1, 1));
}

void TFormViewGridTest::sizesFollowTheSettings()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString path = home.write(QStringLiteral("z.csv"), "a\r\n");
    {
        auto w = openGrid(path);
        QVERIFY(waitRead(*w));
        QCOMPARE(w->IntTextHeight, 22);
        QCOMPARE(w->grid()->verticalHeader()->sectionSize(0), 22);
        QCOMPARE(w->memoPanel()->height(), 66);
        w->action(1160)->trigger();
        QCOMPARE(w->memoPanel()->height(), 264);
        w->action(1353)->trigger();
        QCOMPARE(w->grid()->verticalHeader()->sectionSize(0), 66);
        // A read goes back to ratio 1.
        w->runCommand(1011);
        QVERIFY(waitRead(*w));
        QTRY_COMPARE(w->grid()->verticalHeader()->sectionSize(0), 22);
        QVERIFY(w->action(1351)->isChecked());
    }
    IniFile ini(AppPaths::settingsPath());
    QCOMPARE(ini.readInteger(QStringLiteral("ViewGlid"), QStringLiteral("MemoHeightIndex"), 0), 10);
    QCOMPARE(ini.readInteger(QStringLiteral("ViewGrid"), QStringLiteral("MemoHeight"), 0), 264);
    {
        auto w = openGrid(path);
        QVERIFY(waitRead(*w));
        QCOMPARE(w->memoPanel()->height(), 264);
    }
    ini.writeInteger(QStringLiteral("ViewGrid"), QStringLiteral("MemoHeight"), 500);
    ini.writeInteger(QStringLiteral("ViewGlid"), QStringLiteral("MemoHeightIndex"), 1);
    auto w = openGrid(path, true, 1);
    QVERIFY(waitRead(*w));
    QCOMPARE(w->memoPanel()->height(), 66);
    // A dark theme: the grid draws no backgrounds, the memo's marks use the theme's colour.
    QVERIFY(w->grid()->DarkMode());
    QVERIFY(w->memo()->DarkMode());
    QCOMPARE(w->memo()->DarkBackColor(), QColor(0x19, 0x19, 0x19));
    QCOMPARE(w->grid()->CurrentBackColor(), QColor(0x00, 0x80, 0xFF));
    QCOMPARE(w->grid()->FixedBackColor(), QColor(0xA6, 0xCA, 0xF0));
}

void TFormViewGridTest::noticesAndMissingFile()
{
    test::TempHome home;
    MessageRecorder messages;
    // A CR LF file with a stray LF, and a control byte.
    const QString path = home.write(QStringLiteral("n.csv"), QByteArray("a,b\nc\x01,d\r\ne,f\r\n", 15));
    auto w = openGrid(path);
    QVERIFY(waitRead(*w));
    QTRY_COMPARE(messages.texts.size(), 2);
    QCOMPARE(messages.texts.at(0),
             J(u"Information : 不正な文字を含んでいますので書き換え禁止ファイルとして扱います"));
    QCOMPARE(messages.texts.at(1), J(u"Information : 改行(CrLf)までに、さらに改行(Lf)があります"));
    QCOMPARE(w->upperStatus()->panelText(2), J(u"ファイル読取専用"));
    QCOMPARE(w->upperStatus()->panelText(4), J(u"バイナリファイル"));
    QCOMPARE(w->model()->cell(0, 1), QStringLiteral("b\r\nc\x01"));
    QVERIFY(QFile::exists(home.file(QStringLiteral("Dollmerlet-UnKnown.txt"))));
    // Deleted before a reload: the message, and the grid keeps its rows.
    QFile::remove(path);
    w->runCommand(1011);
    QCOMPARE(messages.texts.last(), J(u"Information : ファイルがありません"));
    QCOMPARE(w->model()->rowCount(), 2);
    // Back as a file over the size limit (sparse, 2 GiB + 1 byte): refused
    // with its own message, and the grid still keeps its rows.
    {
        QFile big(path);
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize((qint64(2) << 30) + 1));
    }
    w->runCommand(1011);
    QVERIFY(waitRead(*w));
    QTRY_COMPARE(messages.texts.last(), J(u"Error : ファイルが大きすぎて表示できません\r\n") + QDir::toNativeSeparators(path));
    QCOMPARE(w->model()->rowCount(), 2);
}

void TFormViewGridTest::closesWhileALargeFileLoads()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString path = home.write(QStringLiteral("big.csv"), QByteArray("abc,def,ghi\r\n").repeated(3000000));
    auto w = openGrid(path);
    QTRY_VERIFY(w->isLoading());
    w->close();
    QVERIFY(!w->isVisible());
    w.reset(); // waits for the read to stop
    QVERIFY(messages.texts.isEmpty());
}

void TFormViewGridTest::languageFileCoversTheWindow_data()
{
    QTest::addColumn<bool>("japanese");
    QTest::newRow("Japanese") << true;
    QTest::newRow("English") << false;
}

void TFormViewGridTest::languageFileCoversTheWindow()
{
    QFETCH(bool, japanese);
    test::TempHome home;
    MessageRecorder messages;
    installShippedLanguageFile();
    auto w = openGrid(home.write(QStringLiteral("l.csv"), "a\r\n"), japanese);
    QVERIFY(waitRead(*w));
    QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(u'|')));
    const QStringList uncovered = LanguageSetter::uncoveredTags(w.get(), LanguageFile::path(QStringLiteral("ViewGrid.txt")));
    QVERIFY2(uncovered.isEmpty(), qPrintable(uncovered.join(QStringLiteral(", "))));
    const QStringList clashes = test::mnemonicClashes(w.get());
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
    QCOMPARE(w->action(1003)->text(), japanese ? J(u"終了(&Q && &X)") : QStringLiteral("E&xit"));
    QVERIFY(w->windowTitle().endsWith(japanese ? J(u" - グリッド表示") : QStringLiteral(" - ViewGrid")));
}

void TFormViewGridTest::helpOpensOnTheGridsTextAndTheGridTakesNoInputMethod()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString path = home.write(QStringLiteral("t.csv"), "a,b\r\n");
    auto w = openGrid(path);
    QVERIFY(waitRead(*w));
    QVERIFY(!w->grid()->testAttribute(Qt::WA_InputMethodEnabled));
    QCOMPARE(w->action(1501)->shortcut(), QKeySequence(Qt::Key_F1));
    w->runCommand(1501);
    TFormHelp *help = nullptr;
    QTRY_VERIFY((help = w->findChild<TFormHelp *>()) && help->isVisible());
    QCOMPARE(help->shownKind(), HelpFile::Kind::Grid);
    QVERIFY(help->isModal());
    help->close();
    QTRY_VERIFY(!w->findChild<TFormHelp *>());
    QVERIFY(messages.texts.isEmpty());
}

QTEST_MAIN(TFormViewGridTest)
#include "TFormViewGrid_test.moc"
