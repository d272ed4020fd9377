// The view commands of the main window: line numbers and their clicks,
// wrapping, marks, status-bar clicks and the colour dialogs.
#include "support/FakeDialogs.h"
#include "support/Settle.h"
#include "support/TempHome.h"
#include "support/TestText.h"

#include "IniFile.h"
#include "AppPaths.h"
#include "MessageService.h"
#include "StatusPanels.h"
#include "TFormMain.h"
#include "ViewController.h"
#include "TFormFind.h"
#include "TFormJump.h"
#include "TDecEdit.h"
#include "CharCode.h"
#include "SearchController.h"
#include "TextLoader.h"
#include "TMemoExDark.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QGuiApplication>
#include <QtTest>

using namespace quillon;
using test::J;

namespace {

QByteArray lines(int n, bool finalBreak = true)
{
    return test::numberedLines(n, "line", finalBreak);
}

// Clicks the number of line `line` (0-based) in the line-number view; true
// once the window has handled the click.
[[nodiscard]] bool clickNumber(TFormMain &w, int line, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    TMemoExDark *numbers = w.lineNumberView();
    const QPoint p = *numbers->positionToPoint(numbers->lineStart(line)) + QPoint(2, 2);
    QTest::mouseClick(numbers->viewport(), Qt::LeftButton, mods, p);
    return test::settled(w);
}

} // namespace

class TFormMainViewTest : public QObject {
    Q_OBJECT
private slots:
    void lineNumbersFollowTheText();
    void lineNumberClicksSelectLines();
    void wrapCountsDisplayLines();
    void wrapReadsTheFileAgainInTheBackground();
    void largeFileShowsItsFirstScreenWhileLoading();
    void marksAndTabsFromTheMenu();
    void statusBarClickChangesTheWindowSize_data();
    void statusBarClickChangesTheWindowSize();
    void colourDialogs();
    void resizeRefusedWhileWrappingManyLines();
    void selectionGoesToTheSearchBar();
};

void TFormMainViewTest::lineNumbersFollowTheText()
{
    test::TempHome home;
    MessageRecorder messages;
    IniFile(AppPaths::settingsPath()).writeInteger(QStringLiteral("Editor"), QStringLiteral("LineZero"), 0);
    const QString file = home.write(QStringLiteral("a.txt"), lines(300));
    TFormMain w({file});
    w.resize(800, 400);
    w.show();
    QVERIFY(test::settled(w));
    QVERIFY(!w.lineNumberView()->isVisible());
    w.runCommand(u"1403");
    QVERIFY(w.lineNumberView()->isVisible());
    QVERIFY(w.Timers[6]->isActive());
    TMemoExDark *numbers = w.lineNumberView();
    QCOMPARE(numbers->lineCount(), 301);
    QCOMPARE(numbers->lineText(0), QStringLiteral("     1"));
    QCOMPARE(numbers->lineText(300), QStringLiteral("   301"));
    QCOMPARE(numbers->width(), 80);
    // A large font widens the column past "LineWidth" instead of cutting the numbers.
    QFont big(QStringLiteral("DejaVu Sans Mono"), 28);
    numbers->setFont(big);
    w.runCommand(u"1403");
    w.runCommand(u"1403");
    const QFontMetricsF fm(numbers->font());
    QVERIFY(numbers->width() > 80);
    QVERIFY(numbers->textRect().width() >= fm.horizontalAdvance(QStringLiteral("   301")));
    numbers->setFont(w.textView()->font());
    w.runCommand(u"1403");
    w.runCommand(u"1403");
    QCOMPARE(numbers->width(), 80);

    // Keyboard scrolling: the numbers follow at once, not at the next tick.
    QTest::keyClick(w.textView(), Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(numbers->firstVisibleLine(), w.textView()->firstVisibleLine());
    QVERIFY(w.textView()->firstVisibleLine() > 200);
    w.textView()->scrollLines(-100);
    QCOMPARE(numbers->firstVisibleLine(), w.textView()->firstVisibleLine());

    // Wrapping hides them and stops the timer; back off shows them again.
    w.runCommand(u"1402");
    QVERIFY(!numbers->isVisible());
    QVERIFY(!w.Timers[6]->isActive());
    QVERIFY(!w.commandAction(u"1403")->isEnabled());
    w.runCommand(u"1401");
    QVERIFY(numbers->isVisible());
    w.runCommand(u"1403");
    QVERIFY(!numbers->isVisible());
}

void TFormMainViewTest::lineNumberClicksSelectLines()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString file = home.write(QStringLiteral("a.txt"), lines(10, false));
    TFormMain w({file});
    w.resize(800, 500);
    w.show();
    QVERIFY(test::settled(w));
    w.runCommand(u"1403");
    TMemoExDark *text = w.textView();

    // 1405 off: the caret goes to the line's start, nothing is selected.
    QVERIFY(clickNumber(w, 3));
    QCOMPARE(text->caretPosition(), text->lineStart(3));
    QVERIFY(!text->hasSelection());
    QVERIFY(!w.view().BoolLineNumberSelect);

    w.runCommand(u"1405");
    QVERIFY(clickNumber(w, 4)); // number 5
    QCOMPARE(text->selectedText(), QStringLiteral("line5"));
    QCOMPARE(text->caretPosition(), text->lineStart(4));
    QCOMPARE(w.view().StrListSelectNumber, QStringList{QStringLiteral("line5")});
    QVERIFY(w.view().BoolLineNumberSelect);
    QCOMPARE(w.upperStatus()->panelText(3), QStringLiteral("SelectNumberMode"));
    QCOMPARE(w.lowerStatus()->panelText(3), QStringLiteral("SelectNumberMode"));
    QCOMPARE(w.upperStatus()->panelText(1), J(u"5行,1桁"));

    QVERIFY(clickNumber(w, 7, Qt::ShiftModifier)); // down to number 8
    QCOMPARE(w.view().StrListSelectNumber, (QStringList{QStringLiteral("line5"), QStringLiteral("line6"),
                                                 QStringLiteral("line7"), QStringLiteral("line8")}));
    QCOMPARE(text->selectedText(), QStringLiteral("line5\r\nline6\r\nline7\r\nline8\r\n"));
    // What copy puts on the clipboard today: the highlighted lines.
    w.runCommand(u"1201");
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("line5\r\nline6")));

    QVERIFY(clickNumber(w, 1, Qt::ShiftModifier)); // up to number 2: lines 2 to 5, caret on top
    QCOMPARE(w.view().StrListSelectNumber, (QStringList{QStringLiteral("line2"), QStringLiteral("line3"),
                                                 QStringLiteral("line4"), QStringLiteral("line5")}));
    QCOMPARE(text->caretPosition(), text->lineStart(1));
    QCOMPARE(text->selectedText(), QStringLiteral("line2\r\nline3\r\nline4\r\nline5\r\n"));

    // The number below the last line (no final line end) takes the last line.
    QVERIFY(clickNumber(w, 10));
    QCOMPARE(w.view().StrListSelectNumber, QStringList{QStringLiteral("line10")});

    // A click in the text ends the mode.
    QTest::mouseClick(text->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 5));
    QVERIFY(test::settled(w));
    QVERIFY(!w.view().BoolLineNumberSelect);
    QCOMPARE(w.upperStatus()->panelText(3), QString());

    // Clicks inside the double-click window are ignored.
    w.view().BoolLineNumberDoubleClick = true;
    w.view().lineNumberClicked(Qt::NoModifier);
    QVERIFY(!w.view().BoolLineNumberSelect);
}

void TFormMainViewTest::wrapCountsDisplayLines()
{
    test::TempHome home;
    MessageRecorder messages;
    QByteArray data = QByteArray(2000, 'w') + "\r\nshort\r\n";
    const QString file = home.write(QStringLiteral("long.txt"), data);
    TFormMain w({file});
    w.resize(800, 400);
    w.show();
    QVERIFY(test::settled(w));
    QCOMPARE(w.upperStatus()->panelText(2), J(u"2行"));
    w.commandAction(u"1402")->trigger();
    QVERIFY(test::wrapSettled(w));
    const int display = w.textView()->lineCount();
    QVERIFY(display > 10);
    QCOMPARE(w.upperStatus()->panelText(2), QString::number(display - 1) + J(u"行"));
    IniFile ini(AppPaths::settingsPath());
    QVERIFY(ini.readBool(QStringLiteral("Editor"), QStringLiteral("WrapWindowWidth"), false));
    QVERIFY(!ini.readBool(QStringLiteral("Editor"), QStringLiteral("WrapNone"), true));
    QVERIFY(!w.commandAction(u"1402")->isEnabled());
    // The caret's line is a display line.
    w.textView()->setCaretPosition(2002 + 2); // "sh|ort"
    QCOMPARE(w.upperStatus()->panelText(1), QString::number(display - 1) + J(u"行,") + QStringLiteral("3") + J(u"桁"));
    w.commandAction(u"1401")->trigger();
    QCOMPARE(w.upperStatus()->panelText(2), J(u"2行"));
    QVERIFY(ini.readBool(QStringLiteral("Editor"), QStringLiteral("WrapNone"), false));
}

void TFormMainViewTest::wrapReadsTheFileAgainInTheBackground()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString file = home.write(QStringLiteral("a.txt"), lines(50));
    const QString other = home.write(QStringLiteral("b.txt"), QByteArray("other\r\n"));
    auto w = std::make_unique<TFormMain>(QStringList{file});
    w->resize(800, 400);
    w->show();
    QVERIFY(test::settled(*w));
    TMemoExDark *view = w->textView();
    QCOMPARE(view->source()->lineCount(), 51);

    // The change of wrap shows at once, on the text already there; the file
    // as it is now follows when it has been read.
    home.write(QStringLiteral("a.txt"), lines(70));
    w->runCommand(u"1402");
    QCOMPARE(view->wrapMode(), TMemoExDark::WrapMode::WidgetWidth);
    QCOMPARE(view->source()->lineCount(), 51);
    QVERIFY(w->reloadPending());
    QTRY_VERIFY(!w->reloadPending());
    QCOMPARE(view->source()->lineCount(), 71);

    // The cursor goes to the start at once; a file that has not changed
    // leaves the text, and where the reader went meanwhile, as they are.
    view->setCaretPosition(120);
    w->runCommand(u"1401");
    QCOMPARE(view->caretPosition(), 0);
    view->setCaretPosition(100);
    QVERIFY(w->reloadPending());
    QTRY_VERIFY(!w->reloadPending());
    QCOMPARE(view->caretPosition(), 100);
    QCOMPARE(view->source()->lineCount(), 71);
    w->runCommand(u"1402");
    QTRY_VERIFY(!w->reloadPending());

    // Another file opened before the text read again arrives: that text is
    // not shown over it.
    home.write(QStringLiteral("a.txt"), lines(90));
    w->runCommand(u"1401");
    w->StrLoadFileName = other;
    w->LoadFile();
    QVERIFY(test::settled(*w));
    QCOMPARE(view->source()->lineCount(), 2);
    QCOMPARE(view->source()->text(0, 5), QStringLiteral("other"));
    QVERIFY(!w->reloadPending());

    // Closing while the file is being read again.
    w->StrLoadFileName = file;
    w->LoadFile();
    w->runCommand(u"1402");
    w.reset();
    QVERIFY(messages.texts.isEmpty());
}

void TFormMainViewTest::largeFileShowsItsFirstScreenWhileLoading()
{
    test::TempHome home;
    MessageRecorder messages;
    // Shift_JIS lines, the last holding a word found nowhere else.
    QByteArray bytes;
    for (int i = 0; bytes.size() < (24 << 20); ++i)
        bytes += "\x93\xFA\x96\x7B line " + QByteArray::number(i) + "\r\n";
    bytes += "\x8F\x49\x92\x5B end\r\n"; // 終端
    const QString file = home.write(QStringLiteral("big.txt"), bytes);
    const QString other = home.write(QStringLiteral("b.txt"), QByteArray("other\r\n"));
    const int total = int(bytes.count('\n'));
    const QString whole = TextLoader::load(file, CodeShiftJis, QString()).buffer->text();

    auto open = [&](TFormMain &w, const QString &path) {
        w.StrLoadFileName = path;
        w.SetLoadIndexFromMenu();
        w.LoadFile();
    };
    auto w = std::make_unique<TFormMain>(QStringList{});
    w->setProgressiveFrom(1);
    w->resize(800, 400);
    w->show();
    QVERIFY(test::settled(*w));
    TMemoExDark *view = w->textView();

    // Whatever is shown during the load is the start of the file; the count
    // grows, and the load ends with the whole text, the view where it was.
    open(*w, file);
    QTRY_VERIFY_WITH_TIMEOUT(view->lineCount() > 1, 20000);
    QCOMPARE(view->lineText(0), whole.section(QStringLiteral("\r\n"), 0, 0));
    if (w->loading()) {
        QCOMPARE(w->upperStatus()->panelText(6), J(u"読み込み中"));
        QVERIFY(whole.startsWith(view->textRange(0, view->length())));
        view->setCaretPosition(view->lineStart(1));
    }
    const TextPos caret = view->caretPosition();
    QTRY_VERIFY_WITH_TIMEOUT(!w->loading(), 20000);
    QCOMPARE(view->textRange(0, view->length()), whole);
    QCOMPARE(view->caretPosition(), caret);
    QCOMPARE(w->upperStatus()->panelText(2), QString::number(total) + J(u"行"));
    QCOMPARE(w->upperStatus()->panelText(6), QString());

    // A command given during the load waits for the whole text: the word of
    // the last line is found, and select-all takes every line.
    open(*w, file);
    w->search().StrSearchValue = J(u"終端");
    w->runCommand(u"1102");
    QVERIFY(!w->loading());
    QCOMPARE(view->lineFromPosition(view->selectionStart()), total - 1);
    open(*w, file);
    w->runCommand(u"1203");
    QCOMPARE(view->selectionLength(), whole.size());
    // Copy takes what was selected in the lines shown so far, and go to line
    // reaches the last line of the whole text.
    open(*w, file);
    QTRY_VERIFY_WITH_TIMEOUT(view->lineCount() > 2, 20000);
    view->setSelection(view->lineStart(1), view->lineLength(1));
    const QString second = whole.section(QStringLiteral("\r\n"), 1, 1);
    QGuiApplication::clipboard()->setText(QStringLiteral("<"));
    w->runCommand(u"1201");
    QVERIFY(!w->loading());
    QCOMPARE(QGuiApplication::clipboard()->text(), second);
    open(*w, file);
    w->runCommand(u"1221");
    QVERIFY(!w->loading());
    auto *jump = w->findChild<TFormJump *>();
    QVERIFY(jump);
    jump->edit()->setText(QString::number(total));
    QTest::mouseClick(jump->okButton(), Qt::LeftButton);
    QTRY_VERIFY(!w->findChild<TFormJump *>());
    QCOMPARE(view->lineFromPosition(view->caretPosition()), total - 1);

    // Another file opened during the load replaces it.
    open(*w, file);
    w->handleDrop({other});
    QVERIFY(!w->loading());
    QCOMPARE(view->textRange(0, view->length()), QStringLiteral("other\r\n"));
    QCOMPARE(w->StrLoadFileName, other);
    QVERIFY(test::settled(*w));
    QCOMPARE(view->textRange(0, view->length()), QStringLiteral("other\r\n"));

    // Line numbers follow the lines as they come, and end with all of them.
    w->runCommand(u"1403");
    QVERIFY(w->lineNumberView()->isVisible());
    open(*w, file);
    QTRY_VERIFY_WITH_TIMEOUT(view->lineCount() > 1, 20000);
    QCOMPARE(w->lineNumberView()->lineCount(), view->lineCount() + 1);
    QTRY_VERIFY_WITH_TIMEOUT(!w->loading(), 20000);
    QCOMPARE(w->lineNumberView()->lineCount(), total + 1);
    w->runCommand(u"1403");

    // A wrapped view breaks the lines as they come and ends with all of them.
    w->runCommand(u"1402");
    QVERIFY(test::settled(*w));
    QCOMPARE(view->wrapMode(), TMemoExDark::WrapMode::WidgetWidth);
    open(*w, file);
    QTRY_VERIFY_WITH_TIMEOUT(!w->loading(), 20000);
    QVERIFY(test::wrapSettled(*view, 20000));
    QCOMPARE(view->textRange(0, view->length()), whole);
    QCOMPARE(view->lineFromPosition(view->length()), view->lineCount() - 1);
    QVERIFY(view->lineCount() >= total + 1);
    w->runCommand(u"1402");
    QVERIFY(test::settled(*w));
    // Wrapping switched on during a load waits for it, then reads the file again.
    open(*w, file);
    w->runCommand(u"1402");
    QVERIFY(!w->loading());
    QCOMPARE(view->wrapMode(), TMemoExDark::WrapMode::WidgetWidth);
    QVERIFY(test::settled(*w, 20000));
    QVERIFY(test::wrapSettled(*view, 20000));
    QCOMPARE(view->textRange(0, view->length()), whole);
    w->runCommand(u"1402");
    QVERIFY(test::settled(*w, 20000));

    // A UTF-8 file whose error lies far behind its first screen: the screen
    // shown meanwhile goes, and the error is told once the load has ended,
    // as for a file loaded at once.
    QByteArray broken;
    while (broken.size() < (12 << 20))
        broken += "\xE3\x81\x82 line\n";
    broken += "\xFF\n";
    const QString bad = home.write(QStringLiteral("bad.txt"), broken);
    open(*w, bad);
    QTRY_VERIFY_WITH_TIMEOUT(!w->loading(), 20000);
    QVERIFY(test::settled(*w));
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY(messages.texts.first().contains(QStringLiteral("UTF-8")));
    QCOMPARE(view->length(), 0);
    messages.texts.clear();

    // A file whose first megabyte reads as Shift_JIS (EUC-JP half-width
    // katakana) but whose hiragana further on make it EUC-JP: whatever was
    // shown by the first bytes' guess goes, and the view ends on the file's
    // own text from its top, the caret there too.
    QByteArray mixed;
    for (int i = 0; mixed.size() < (2 << 20); ++i)
        mixed += "\x8E\xB1\x8E\xB2 " + QByteArray::number(i) + "\r\n";
    while (mixed.size() < (12 << 20))
        mixed += "\xA4\xA2 line\r\n";
    const QString euc = home.write(QStringLiteral("euc.txt"), mixed);
    open(*w, euc);
    if (w->loading() && view->lineCount() > 1)
        view->setCaretPosition(view->lineStart(1));
    QTRY_VERIFY_WITH_TIMEOUT(!w->loading(), 20000);
    QCOMPARE(view->lineText(0), J(u"ｱｲ 0"));
    QCOMPARE(view->textRange(0, view->length()), TextLoader::load(euc, CodeEucJp, QString()).buffer->text());
    QCOMPARE(view->caretPosition(), 0);
    QCOMPARE(w->upperStatus()->panelText(4), QStringLiteral("EUC-JP"));
    QVERIFY(messages.texts.isEmpty());

    // Closing during the load neither waits for it nor leaves it running.
    open(*w, file);
    w->close();
    w.reset();
    QVERIFY(messages.texts.isEmpty());
}

void TFormMainViewTest::marksAndTabsFromTheMenu()
{
    test::TempHome home;
    MessageRecorder messages;
    {
        TFormMain w({});
        w.show();
        QVERIFY(test::settled(w));
        TEditMarks *m = w.textView()->EditMarks();
        w.commandAction(u"1411")->trigger();
        w.commandAction(u"1413")->trigger();
        QVERIFY(m->CrlfMark()->enabled());
        QVERIFY(m->TabMark()->enabled());
        QVERIFY(!m->EofMark()->enabled());
        QVERIFY(w.commandAction(u"1411")->isChecked());
        w.commandAction(u"1424")->trigger();
        QCOMPARE(w.textView()->tabStopDialogUnits(), 32);
        QVERIFY(!w.commandAction(u"1422")->isChecked());
        // Marks stay off on the line-number view.
        QVERIFY(!w.lineNumberView()->EditMarks()->CrlfMark()->enabled());
    }
    IniFile ini(AppPaths::settingsPath());
    QVERIFY(ini.readBool(QStringLiteral("Editor"), QStringLiteral("CrLf"), false));
    QVERIFY(ini.readBool(QStringLiteral("Editor"), QStringLiteral("Tab"), false));
    QVERIFY(!ini.readBool(QStringLiteral("Editor"), QStringLiteral("EOF"), true));
    QVERIFY(ini.readBool(QStringLiteral("Editor"), QStringLiteral("Tab8"), false));
    QVERIFY(!ini.readBool(QStringLiteral("Editor"), QStringLiteral("Tab4"), true));
    TFormMain again({});
    QVERIFY(again.textView()->EditMarks()->TabMark()->enabled());
    QCOMPARE(again.textView()->tabStopDialogUnits(), 32);
}

void TFormMainViewTest::statusBarClickChangesTheWindowSize_data()
{
    QTest::addColumn<double>("fraction");
    QTest::addColumn<int>("state");
    QTest::newRow("left third") << 0.1 << int(Qt::WindowMinimized);
    QTest::newRow("right third") << 0.9 << int(Qt::WindowMaximized);
}

void TFormMainViewTest::statusBarClickChangesTheWindowSize()
{
    QFETCH(double, fraction);
    QFETCH(int, state);
    test::TempHome home;
    MessageRecorder messages;
    TFormMain w({});
    w.show();
    QVERIFY(test::settled(w));
    StatusPanels *bar = w.lowerStatus();
    const QPoint at(int(w.upperStatus()->width() * fraction), bar->height() / 2);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, at);
    QVERIFY(!(w.windowState() & Qt::WindowState(state))); // 1433 off: nothing
    w.runCommand(u"1433");
    QVERIFY(IniFile(AppPaths::settingsPath()).readBool(QStringLiteral("StatusBar"), QStringLiteral("FormResize"), false));
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, at);
    QTRY_VERIFY(w.windowState() & Qt::WindowState(state));
}

void TFormMainViewTest::colourDialogs()
{
    test::TempHome home;
    MessageRecorder messages;
    test::FakeDialogs dialogs;
    dialogs.fontAnswer = QFont(QStringLiteral("IPAGothic"), 20);
    dialogs.colorAnswer = QColor(0x44, 0x55, 0x66);
    IniFile ini(AppPaths::settingsPath());
    // While the filer's look is followed the three items stay grey.
    home.write(QStringLiteral("Harbek.ini"), QByteArray());
    {
        TFormMain w({});
        QVERIFY(!w.commandAction(u"1501")->isEnabled());
        w.runCommand(u"1503");
        QCOMPARE(dialogs.calls, 0);
    }
    ini.writeBool(QStringLiteral("Editor"), QStringLiteral("SameAsHarbekan"), false);
    ini.writeString(QStringLiteral("Editor"), QStringLiteral("FontColorReadOnly"), QStringLiteral("$00332211"));
    TFormMain w({});
    QVERIFY(w.commandAction(u"1501")->isEnabled());
    dialogs.accept = false;
    w.runCommand(u"1502");
    QCOMPARE(ini.readString(QStringLiteral("Editor"), QStringLiteral("BackColorReadOnly")), QStringLiteral("clWhite"));
    dialogs.accept = true;
    w.runCommand(u"1501");
    QCOMPARE(w.lineNumberView()->font().family(), QStringLiteral("IPAGothic"));
    QCOMPARE(w.textView()->textColor(), QColor(0x11, 0x22, 0x33)); // colour dialog cancelled: the colour stays
    QCOMPARE(ini.readString(QStringLiteral("Editor"), QStringLiteral("FontNameReadOnly")), QStringLiteral("IPAGothic"));
    QCOMPARE(ini.readString(QStringLiteral("Editor"), QStringLiteral("FontSizeReadOnly")), QStringLiteral("20"));
    QCOMPARE(ini.readString(QStringLiteral("Editor"), QStringLiteral("FontColorReadOnly")), QStringLiteral("$00332211"));
    dialogs.fontColorAnswer = QColor(0xDD, 0xEE, 0xFF); // light text for a dark background
    w.runCommand(u"1501");
    QCOMPARE(w.textView()->textColor(), QColor(0xDD, 0xEE, 0xFF));
    QCOMPARE(w.lineNumberView()->textColor(), QColor(0xDD, 0xEE, 0xFF));
    QCOMPARE(ini.readString(QStringLiteral("Editor"), QStringLiteral("FontColorReadOnly")), QStringLiteral("$00FFEEDD"));
    w.runCommand(u"1502");
    QCOMPARE(w.lineNumberView()->backgroundColor(), QColor(0x44, 0x55, 0x66));
    QCOMPARE(ini.readString(QStringLiteral("Editor"), QStringLiteral("BackColorReadOnly")), QStringLiteral("$00665544"));
    w.runCommand(u"1503");
    QCOMPARE(w.textView()->EditMarks()->SpaceMark()->color(), QColor(0x44, 0x55, 0x66));
    QCOMPARE(ini.readString(QStringLiteral("Editor"), QStringLiteral("KigouColor")), QStringLiteral("$00665544"));
}

void TFormMainViewTest::resizeRefusedWhileWrappingManyLines()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString file = home.write(QStringLiteral("many.txt"), lines(60000));
    TFormMain w({file});
    w.resize(800, 400);
    w.show();
    QVERIFY(test::settled(w));
    QVERIFY(!w.view().resizeLocked());
    w.runCommand(u"1402");
    QTRY_VERIFY(w.view().resizeLocked());
    const QSize before = w.size();
    // The frame asks for another size: the window keeps its own and says why once.
    w.windowHandle()->resize(before + QSize(100, 50));
    w.windowHandle()->resize(before + QSize(120, 60));
    QTRY_COMPARE(messages.texts.size(), 1);
    QVERIFY(test::settled(w));
    QCOMPARE(w.size(), before);
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY(messages.texts.first().contains(J(u"サイズ変更が無効です")));
    w.runCommand(u"1401");
    QVERIFY(!w.view().resizeLocked());
    w.resize(before + QSize(100, 50));
    QCOMPARE(w.size(), before + QSize(100, 50));
}

void TFormMainViewTest::selectionGoesToTheSearchBar()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString file = home.write(QStringLiteral("a.txt"), QByteArray("alpha beta\r\ngamma\r\n"));
    TFormMain w({file});
    w.show();
    QVERIFY(test::settled(w));
    w.textView()->setFocus();
    // Shift with a key: the selection, up to its first line end, fills the box.
    w.textView()->setCaretPosition(6);
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(w.textView(), Qt::Key_Right, Qt::ShiftModifier);
    QTRY_COMPARE(w.searchCombo()->currentText(), QStringLiteral("beta"));
    // While the find dialog is up, the box keeps its word.
    w.runCommand(u"1101");
    QTRY_VERIFY(w.findDialog()->isVisible());
    w.textView()->setCaretPosition(0);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(w.textView(), Qt::Key_Right, Qt::ShiftModifier);
    QVERIFY(test::settled(w)); // the key handlers have had their turn
    QCOMPARE(w.searchCombo()->currentText(), QStringLiteral("beta"));
}

QTEST_MAIN(TFormMainViewTest)
#include "TFormMainView_test.moc"
