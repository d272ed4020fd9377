// The scroll, cursor and selection commands of the main window as a user
// meets them: from their keys and menu items, with the two dialogs driven
// while they are open (they never run a nested loop).
#include "support/Settle.h"
#include "support/TempHome.h"
#include "support/TestText.h"

#include "AppPaths.h"
#include "IniFile.h"
#include "MessageService.h"
#include "StatusPanels.h"
#include "TDecEdit.h"
#include "TFormJump.h"
#include "BinaryController.h"
#include "TFormMain.h"
#include "NavigationController.h"
#include "SearchController.h"
#include "ViewController.h"
#include "TFormPageSetting.h"
#include "TMemoExDark.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace quillon;

namespace {

// "line 1" .. "line N", each ending in CR LF: N + 1 lines in the view.
QByteArray numberedLines(int n)
{
    return test::numberedLines(n, "line ");
}

int caretLine(TFormMain &w)
{
    return w.textView()->lineFromPosition(w.textView()->selectionStart());
}

void placeCaretOnLine(TFormMain &w, int line)
{
    w.textView()->setCaretPosition(w.textView()->lineStart(line));
}

// A loaded, shown main window in a fresh program folder.
struct Fixture {
    explicit Fixture(const QByteArray &bytes, const QString &name = QStringLiteral("nav.txt"))
        : file(home.write(name, bytes))
        , w(std::make_unique<TFormMain>(QStringList{file}))
    {
        w->resize(800, 400);
        w->show();
        QVERIFY(test::settled(*w));
    }
    test::TempHome home;
    MessageRecorder messages;
    QString file;
    std::unique_ptr<TFormMain> w;
};

} // namespace

class TFormMainNavigationTest : public QObject {
    Q_OBJECT
private slots:
    void filerKeys_data();
    void filerKeys();
    void wrapModeCountsDisplayLines();
    void scrollAmountDialog();
    void jumpDialog_data();
    void jumpDialog();
    void copyCommands();
    void selectionCommands();
    void lineAsSearchWord();
    void cursorCommands_data();
    void cursorCommands();
    void popupEnableRules();
    void binaryViewGuards();
    void decEditTyping_data();
    void decEditTyping();
};

void TFormMainNavigationTest::filerKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("fromLine");
    QTest::addColumn<int>("toLine");
    QTest::addColumn<int>("scrolled"); // lines the view moves; -999: not checked (it met an end)
    // 40 lines of text and the empty line after the last break; defaults 3, 17, 17.
    QTest::newRow("Down: page down +") << int(Qt::Key_Down) << 0 << 10 << 13 << 3;
    QTest::newRow("Right: page down ++") << int(Qt::Key_Right) << 0 << 10 << 27 << -999;
    QTest::newRow("PgDn: page down +++") << int(Qt::Key_PageDown) << 0 << 10 << 27 << -999;
    QTest::newRow("PgDn near the end stops on the last text line") << int(Qt::Key_PageDown) << 0 << 30 << 39 << -999;
    QTest::newRow("Up: page up +") << int(Qt::Key_Up) << 0 << 10 << 7 << -3;
    QTest::newRow("Left from line 2 lands on 0") << int(Qt::Key_Left) << 0 << 2 << 0 << -999;
    QTest::newRow("PgUp: page up +++") << int(Qt::Key_PageUp) << 0 << 30 << 13 << -999;
    QTest::newRow("Home: top") << int(Qt::Key_Home) << 0 << 25 << 0 << -999;
    QTest::newRow("End: the empty last line") << int(Qt::Key_End) << 0 << 5 << 40 << -999;
    QTest::newRow("Ctrl+Home: top, second entry") << int(Qt::Key_Home) << int(Qt::ControlModifier) << 25 << 0 << -999;
    QTest::newRow("Ctrl+End: end, second entry") << int(Qt::Key_End) << int(Qt::ControlModifier) << 5 << 40 << -999;
}

void TFormMainNavigationTest::filerKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, fromLine);
    QFETCH(int, toLine);
    QFETCH(int, scrolled);
    Fixture f(numberedLines(40));
    TFormMain &w = *f.w;
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    TMemoExDark *view = w.textView();
    placeCaretOnLine(w, fromLine);
    view->setFirstVisibleLine(std::max(0, fromLine - 2));
    const int topBefore = view->firstVisibleLine();
    w.view().BoolLineNumberSelect = true;

    QTest::keyClick(view, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(caretLine(w), toLine);
    QCOMPARE(view->selectionStart(), view->lineStart(toLine));
    QVERIFY(!view->hasSelection());
    QVERIFY(!w.view().BoolLineNumberSelect);
    QCOMPARE(w.upperStatus()->panelText(1), QString::number(toLine + 1) + QString::fromUtf16(u"行,1桁"));
    // The caret is on screen and, away from the ends, the view moved with it.
    QVERIFY(toLine >= view->firstVisibleLine() && toLine < view->firstVisibleLine() + view->visibleLineCount());
    if (scrolled != -999)
        QCOMPARE(view->firstVisibleLine() - topBefore, scrolled);
}

void TFormMainNavigationTest::wrapModeCountsDisplayLines()
{
    // One long line that wraps into many display lines, then a short one.
    QByteArray text;
    for (int i = 0; i < 400; ++i)
        text += "word ";
    text += "\r\nlast\r\n";
    Fixture f(text);
    TFormMain &w = *f.w;
    TMemoExDark *view = w.textView();
    view->setWrapMode(TMemoExDark::WrapMode::WidgetWidth);
    QVERIFY(test::wrapSettled(*view));
    QVERIFY(view->lineCount() > 10);
    w.runCommand(u"1235");
    QCOMPARE(caretLine(w), 3);
    QVERIFY(view->selectionStart() > 0); // line 3 of the first buffer line
    QCOMPARE(w.StrListLoadFileTmp->lineOf(view->selectionStart()), 0);
    // Line end is the display line's end, not the buffer line's. (By the
    // view's rule that position counts as the start of the next display line.)
    w.runCommand(u"1242");
    QCOMPARE(view->selectionStart(), view->lineStart(3) + view->lineLength(3));
    QVERIFY(view->selectionStart() < w.StrListLoadFileTmp->lineLength(0));
}

void TFormMainNavigationTest::scrollAmountDialog()
{
    Fixture f(numberedLines(60));
    TFormMain &w = *f.w;
    QCOMPARE(w.navigation().IntScroll1, 3);
    QCOMPARE(w.navigation().IntScroll2, 17);
    QCOMPARE(w.navigation().IntScroll3, 17);

    // Cancel with Esc changes nothing.
    w.commandAction(u"1711")->trigger();
    auto *dialog = w.findChild<TFormPageSetting *>();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->combo(0)->currentText(), QStringLiteral("17"));
    QCOMPARE(dialog->combo(2)->currentText(), QStringLiteral("3"));
    QCOMPARE(dialog->combo(0)->count(), 100);
    QCOMPARE(dialog->combo(0)->maxVisibleItems(), 20);
    // The focus starts on Cancel and is tabbed on to the first list.
    QCOMPARE(dialog->focusWidget(), static_cast<QWidget *>(dialog->cancelButton()));
    QTRY_COMPARE(dialog->focusWidget(), static_cast<QWidget *>(dialog->combo(0)));
    QTest::keyClick(dialog->combo(0), Qt::Key_Escape);
    QTRY_VERIFY(!w.findChild<TFormPageSetting *>());
    QCOMPARE(w.navigation().IntScroll3, 17);

    w.commandAction(u"1711")->trigger();
    dialog = w.findChild<TFormPageSetting *>();
    QVERIFY(dialog);
    dialog->combo(0)->setCurrentIndex(dialog->combo(0)->findText(QStringLiteral("5")));
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    QTRY_VERIFY(!w.findChild<TFormPageSetting *>());
    QCOMPARE(w.navigation().IntScroll3, 5);
    QCOMPARE(w.navigation().IntScroll2, 17);
    const IniFile ini(AppPaths::settingsPath());
    QCOMPARE(ini.readInteger(QStringLiteral("Editor"), QStringLiteral("ScrollPlusPlusPlusIndex"), -1), 4);
    QCOMPARE(ini.readInteger(QStringLiteral("Editor"), QStringLiteral("ScrollPlusIndex"), -1), 2);

    placeCaretOnLine(w, 20);
    w.commandAction(u"1237")->trigger();
    QCOMPARE(caretLine(w), 25);
    w.commandAction(u"1232")->trigger();
    QCOMPARE(caretLine(w), 20);
    QVERIFY(ini.hasKey(QStringLiteral("FormPageSetting"), QStringLiteral("Left")));

    // After a restart too.
    f.w.reset();
    TFormMain again({f.file});
    again.show();
    QVERIFY(test::settled(again));
    QCOMPARE(again.navigation().IntScroll3, 5);
    placeCaretOnLine(again, 20);
    again.runCommand(u"1237");
    QCOMPARE(caretLine(again), 25);
}

void TFormMainNavigationTest::jumpDialog_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("pressEnter");
    QTest::addColumn<int>("toLine"); // -1: refused, the dialog stays open
    QTest::newRow("3") << QStringLiteral("3") << false << 2;
    QTest::newRow("0 goes to line 1") << QStringLiteral("0") << false << 0;
    QTest::newRow("empty goes to line 1") << QString() << false << 0;
    QTest::newRow("nine digits: the last text line") << QStringLiteral("999999999") << false << 9;
    QTest::newRow("Enter in the box is OK") << QStringLiteral("7") << true << 6;
    QTest::newRow("ten digits are refused") << QStringLiteral("1234567890") << false << -1;
}

void TFormMainNavigationTest::jumpDialog()
{
    QFETCH(QString, entry);
    QFETCH(bool, pressEnter);
    QFETCH(int, toLine);
    Fixture f(numberedLines(10));
    TFormMain &w = *f.w;
    placeCaretOnLine(w, 5);

    w.commandAction(u"1221")->trigger();
    auto *dialog = w.findChild<TFormJump *>();
    QVERIFY(dialog);
    QCOMPARE(dialog->edit()->text(), QStringLiteral("1")); // the default of "Jump"
    QCOMPARE(dialog->focusWidget(), static_cast<QWidget *>(dialog->edit()));
    dialog->edit()->setText(entry);
    if (pressEnter)
        QTest::keyClick(dialog->edit(), Qt::Key_Return);
    else
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);

    const IniFile ini(AppPaths::settingsPath());
    if (toLine < 0) {
        QCOMPARE(f.messages.texts.size(), 1);
        QCOMPARE(f.messages.texts[0], QString::fromUtf16(u"Information : 文字数は9文字以下を設定してください"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(caretLine(w), 5);
        QCOMPARE(ini.readString(QStringLiteral("Editor"), QStringLiteral("Jump")), QString());
        dialog->cancelButton()->click();
        QTRY_VERIFY(!w.findChild<TFormJump *>());
        QCOMPARE(caretLine(w), 5);
        return;
    }
    QTRY_VERIFY(!w.findChild<TFormJump *>());
    QVERIFY(f.messages.texts.isEmpty());
    QCOMPARE(caretLine(w), toLine);
    QCOMPARE(w.textView()->selectionStart(), w.textView()->lineStart(toLine));
    QCOMPARE(ini.readString(QStringLiteral("Editor"), QStringLiteral("Jump"), QStringLiteral("?")), entry);
    QVERIFY(ini.hasKey(QStringLiteral("FormJump"), QStringLiteral("Left")));

    // The next opening starts with the stored entry.
    w.runCommand(u"1221");
    dialog = w.findChild<TFormJump *>();
    QVERIFY(dialog);
    QCOMPARE(dialog->edit()->text(), entry);
    QTest::keyClick(dialog->edit(), Qt::Key_Escape);
    QTRY_VERIFY(!w.findChild<TFormJump *>());
}

void TFormMainNavigationTest::copyCommands()
{
    Fixture f("ab\r\ncdef\r\n");
    TFormMain &w = *f.w;
    TMemoExDark *view = w.textView();
    QClipboard *clip = QGuiApplication::clipboard();

    // Append-copy: ab on the clipboard, cd selected.
    clip->setText(QStringLiteral("ab"));
    view->setSelection(view->lineStart(1), 2);
    w.commandAction(u"1202")->trigger();
    QCOMPARE(clip->text(), QStringLiteral("abcd"));
    w.runCommand(u"1201");
    QCOMPARE(clip->text(), QStringLiteral("cd"));

    // Nothing selected: neither copy touches the clipboard.
    view->setCaretPosition(1);
    w.runCommand(u"1201");
    w.runCommand(u"1202");
    QCOMPARE(clip->text(), QStringLiteral("cd"));

    // Copy one line: the caret's line without its line end.
    view->setCaretPosition(view->lineStart(1) + 3);
    w.runCommand(u"1211");
    QCOMPARE(clip->text(), QStringLiteral("cdef"));
    // On the empty line after the last break the clipboard keeps its text.
    view->setCaretPosition(view->length());
    w.runCommand(u"1211");
    QCOMPARE(clip->text(), QStringLiteral("cdef"));

    // Line-number selection: the listed lines, each ending in CR LF.
    view->setSelection(0, view->length() - 2);
    w.view().BoolLineNumberSelect = true;
    w.view().StrListSelectNumber = {QStringLiteral("ab"), QStringLiteral("cdef")};
    w.runCommand(u"1201");
    QCOMPARE(clip->text(), QStringLiteral("ab\r\ncdef\r\n"));
    w.runCommand(u"1202");
    QCOMPARE(clip->text(), QStringLiteral("ab\r\ncdef\r\nab\r\ncdef\r\n"));
    clip->setText(QStringLiteral("x"));
    w.runCommand(u"1211");
    QCOMPARE(clip->text(), QStringLiteral("ab\r\ncdef\r\n"));
    QVERIFY(w.view().BoolLineNumberSelect); // copying does not end the mode
}

void TFormMainNavigationTest::selectionCommands()
{
    Fixture f(QString::fromUtf16(u"foo(bar)baz\r\n前【括弧の中】後\r\n").toUtf8());
    TFormMain &w = *f.w;
    TMemoExDark *view = w.textView();

    view->setCaretPosition(5);
    w.view().BoolLineNumberSelect = true;
    w.commandAction(u"1212")->trigger();
    QCOMPARE(view->selectedText(), QStringLiteral("bar"));
    QVERIFY(!w.view().BoolLineNumberSelect);
    QCOMPARE(w.upperStatus()->panelText(3), QString());

    view->setCaretPosition(view->lineStart(1) + 3);
    w.runCommand(u"1212");
    QCOMPARE(view->selectedText(), QString::fromUtf16(u"括弧の中"));

    // Line start and end work from a selection's start.
    w.runCommand(u"1242");
    QCOMPARE(view->selectionStart(), view->lineStart(1) + 8);
    w.runCommand(u"1241");
    QCOMPARE(view->selectionStart(), view->lineStart(1));

    w.runCommand(u"1203");
    QCOMPARE(view->selectionLength(), view->length());
}

void TFormMainNavigationTest::lineAsSearchWord()
{
    Fixture f("first\r\nsecond line\r\n");
    TFormMain &w = *f.w;
    w.textView()->setCaretPosition(w.textView()->lineStart(1) + 4);
    w.commandAction(u"1104")->trigger();
    QCOMPARE(w.search().StrSearchValue, QStringLiteral("second line"));
    const IniFile ini(AppPaths::settingsPath());
    QCOMPARE(ini.readString(QStringLiteral("Options"), QStringLiteral("SearchWord")), QStringLiteral("second line"));
    QCOMPARE(ini.readString(QStringLiteral("FormFind"), QStringLiteral("Parent")), QStringLiteral("Main"));

    // An empty view leaves the word alone.
    Fixture empty(QByteArray(), QStringLiteral("empty.txt"));
    empty.w->search().StrSearchValue = QStringLiteral("kept");
    empty.w->runCommand(u"1104");
    QCOMPARE(empty.w->search().StrSearchValue, QStringLiteral("kept"));
}

void TFormMainNavigationTest::cursorCommands_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("fromPos");
    QTest::addColumn<int>("toPos");
    // "ab\r\ncd\r\n": positions 0..2 line 0, 4..6 line 1, 8 the empty last line.
    QTest::newRow("right") << QStringLiteral("1271") << 0 << 1;
    QTest::newRow("right on the empty last line does nothing") << QStringLiteral("1271") << 8 << 8;
    QTest::newRow("left") << QStringLiteral("1272") << 5 << 4;
    QTest::newRow("left at 0 does nothing") << QStringLiteral("1272") << 0 << 0;
    QTest::newRow("up") << QStringLiteral("1274") << 5 << 1;
    QTest::newRow("up on line 0 does nothing") << QStringLiteral("1274") << 1 << 1;
    QTest::newRow("down") << QStringLiteral("1275") << 1 << 5;
    QTest::newRow("down on the last text line does nothing") << QStringLiteral("1275") << 5 << 5;
    QTest::newRow("page down below the last line does nothing") << QStringLiteral("1276") << 8 << 8;
    QTest::newRow("page up on line 0 does nothing") << QStringLiteral("1273") << 2 << 2;
}

void TFormMainNavigationTest::cursorCommands()
{
    QFETCH(QString, code);
    QFETCH(int, fromPos);
    QFETCH(int, toPos);
    Fixture f("ab\r\ncd\r\n");
    TFormMain &w = *f.w;
    w.textView()->setCaretPosition(fromPos);
    const std::optional<CommandCode> command = CommandCode::fromText(code);
    QVERIFY(command);
    w.commandAction(*command)->trigger();
    QCOMPARE(w.textView()->caretPosition(), toPos);
}

void TFormMainNavigationTest::popupEnableRules()
{
    auto states = [](TFormMain &w) {
        QContextMenuEvent ev(QContextMenuEvent::Keyboard, QPoint(5, 5), w.textView()->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(w.textView(), &ev);
        auto *menu = w.findChild<QMenu *>(QStringLiteral("PopupMenu"));
        QString out;
        for (const char *name : {"PopupCopy", "PopupAddCopy", "PopupSelectAll", "PopupCopyOneLine"})
            out += w.findChild<QAction *>(QLatin1String(name))->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        menu->hide();
        return out;
    };
    Fixture empty(QByteArray(), QStringLiteral("empty.txt"));
    QCOMPARE(states(*empty.w), QStringLiteral("0000"));

    Fixture f("abc\r\ndef");
    TFormMain &w = *f.w;
    QCOMPARE(states(w), QStringLiteral("0011"));
    w.textView()->setSelection(1, 2);
    QCOMPARE(states(w), QStringLiteral("1111"));
    w.textView()->selectAll();
    QCOMPARE(states(w), QStringLiteral("1101"));

    // The items run their commands.
    QGuiApplication::clipboard()->setText(QStringLiteral("<"));
    w.textView()->setSelection(0, 3);
    QCOMPARE(states(w), QStringLiteral("1111"));
    w.findChild<QAction *>(QStringLiteral("PopupAddCopy"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("<abc"));
    w.findChild<QAction *>(QStringLiteral("PopupSelectAll"))->trigger();
    QCOMPARE(w.textView()->selectionLength(), 8);

    // Their keys work from the text view with the popup closed, as the items say.
    QGuiApplication::clipboard()->setText(QStringLiteral("<"));
    w.textView()->setSelection(5, 3);
    QTest::keyClick(w.textView(), Qt::Key_C, Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("<def"));
    w.textView()->setCaretPosition(1);
    QTest::keyClick(w.textView(), Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("abc"));
    QCOMPARE(w.textView()->length(), 8); // read-only: nothing was typed
}

void TFormMainNavigationTest::binaryViewGuards()
{
    Fixture f("foo bar\r\nbaz\r\n");
    TFormMain &w = *f.w;
    TMemoExDark *view = w.textView();
    w.runCommand(u"1721");
    QVERIFY(w.binary().shown());
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    view->setSelection(0, 3);
    for (CommandCode code : std::initializer_list<CommandCode>{u"1201", u"1202", u"1211", u"1203", u"1212", u"1241",
                                                               u"1242", u"1104", u"1235", u"1238"})
        w.runCommand(code);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    QCOMPARE(view->selectionStart(), 0);
    QCOMPARE(view->selectionLength(), 3);
    QVERIFY(w.search().StrSearchValue.isEmpty());
    w.runCommand(u"1221");
    QVERIFY(!w.findChild<TFormJump *>());
    // The cursor commands still act on the text view.
    w.runCommand(u"1275");
    QCOMPARE(caretLine(w), 1);
}

void TFormMainNavigationTest::decEditTyping_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    const QString typed = QStringLiteral("-1.2.a-3");
    QTest::newRow("DecimalUnSigned") << int(TNumericalType::DecimalUnSigned) << typed << QStringLiteral("123");
    QTest::newRow("DecimalSigned") << int(TNumericalType::DecimalSigned) << typed << QStringLiteral("-123");
    QTest::newRow("DoubleUnSigned") << int(TNumericalType::DoubleUnSigned) << typed << QStringLiteral("1.23");
    QTest::newRow("DoubleSigned") << int(TNumericalType::DoubleSigned) << typed << QStringLiteral("-1.23");
}

void TFormMainNavigationTest::decEditTyping()
{
    QFETCH(int, type);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    TDecEdit edit;
    QCOMPARE(edit.numericType(), TNumericalType::DecimalUnSigned);
    edit.setNumericType(TNumericalType(type));
    QTest::keyClicks(&edit, typed);
    QCOMPARE(edit.text(), result);
    // Backspace always works; a "-" typed later than position 0 does not.
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), result.chopped(1));
    edit.setCursorPosition(0);
    QTest::keyClick(&edit, Qt::Key_Right);
    QTest::keyClicks(&edit, QStringLiteral("-"));
    QCOMPARE(edit.text(), result.chopped(1));
}

QTEST_MAIN(TFormMainNavigationTest)
#include "TFormMainNavigation_test.moc"
