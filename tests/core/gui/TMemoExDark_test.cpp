#include "TMemoExDark.h"
#include "support/TestText.h"
#include "support/Waits.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

using namespace quillon;

namespace {

std::shared_ptr<const TextBuffer> makeBuffer(const QString &text)
{
    return test::sharedBufferOf(text);
}

QString u16(const char16_t *s)
{
    return QString::fromUtf16(s);
}

// "a", NUL, " b": a literal would end at the NUL.
QString withNul()
{
    return QStringLiteral("a") + QChar(u'\0') + QStringLiteral(" b");
}

// Records what the mark hook was asked to paint.
class MarkRecorder : public TMemoExDark {
public:
    int first = -2;
    int last = -2;
    int calls = 0;

protected:
    void paintMarks(QPainter &, int firstLine, int lastLine) override
    {
        first = firstLine;
        last = lastLine;
        ++calls;
    }
};

} // namespace

class TMemoExDarkTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MarkRecorder> m_view;

    void show(const QString &text)
    {
        m_view->setBuffer(makeBuffer(text));
        m_view->show();
        m_view->activateWindow();
        m_view->setFocus();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }

private slots:
    void init()
    {
        m_view = std::make_unique<MarkRecorder>();
        QFont f(QStringLiteral("IPAGothic"));
        f.setPixelSize(16);
        m_view->setFont(f);
        m_view->resize(400, 300);
    }
    void cleanup() { m_view.reset(); }

    void lineMapping_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QList<int>>("positions"); // pos, line, pos, line ...
        QTest::addColumn<QList<int>>("starts");    // start of line 0, 1, ... then -1 beyond

        QTest::newRow("empty") << QString() << 1 << QList<int>{0, 0, 5, 0} << QList<int>{0, -1};
        QTest::newRow("final break adds a line")
            << u16(u"ab\r\ncd\r\n") << 3 << QList<int>{0, 0, 2, 0, 3, 0, 4, 1, 7, 1, 8, 2} << QList<int>{0, 4, 8, -1};
        QTest::newRow("lone LF and CR become lines")
            << u16(u"a\nb\rc") << 3 << QList<int>{1, 0, 3, 1, 6, 2, -3, 0} << QList<int>{0, 3, 6, -1};
    }
    void lineMapping()
    {
        QFETCH(QString, text);
        QFETCH(int, lines);
        QFETCH(QList<int>, positions);
        QFETCH(QList<int>, starts);
        show(text);
        QCOMPARE(m_view->lineCount(), lines);
        for (int i = 0; i + 1 < positions.size(); i += 2)
            QCOMPARE(m_view->lineFromPosition(positions[i]), positions[i + 1]);
        for (int line = 0; line < starts.size(); ++line)
            QCOMPARE(m_view->lineStart(line), starts[line]);
        QCOMPARE(m_view->lineStart(-1), -1);
    }

    void keyboard_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QTestEventList>("keys");
        QTest::addColumn<int>("anchorAfter");
        QTest::addColumn<int>("caretAfter");

        // a b <pair at 2,3> c CR LF | TAB あ CR LF | x y z
        const QString t = u16(u"ab") + QString::fromUcs4(U"\U0001F600") + u16(u"c\r\n\t\u3042\r\nxyz");
        auto keys = [](std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>> list) {
            QTestEventList l;
            for (const auto &k : list)
                l.addKeyClick(k.first, k.second);
            return l;
        };
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        QTest::newRow("right over pair") << t << 2 << keys({{Qt::Key_Right, none}}) << 4 << 4;
        QTest::newRow("left over pair") << t << 4 << keys({{Qt::Key_Left, none}}) << 2 << 2;
        QTest::newRow("right over line end") << t << 5 << keys({{Qt::Key_Right, none}}) << 7 << 7;
        QTest::newRow("left over line end") << t << 7 << keys({{Qt::Key_Left, none}}) << 5 << 5;
        QTest::newRow("shift right selects the pair whole")
            << t << 1 << keys({{Qt::Key_Right, shift}, {Qt::Key_Right, shift}}) << 1 << 4;
        QTest::newRow("shift left back over pair and line end")
            << t << 7 << keys({{Qt::Key_Left, shift}, {Qt::Key_Left, shift}, {Qt::Key_Left, shift}}) << 7 << 2;
        QTest::newRow("end stops before line end") << t << 0 << keys({{Qt::Key_End, none}}) << 5 << 5;
        QTest::newRow("home") << t << 4 << keys({{Qt::Key_Home, none}}) << 0 << 0;
        QTest::newRow("ctrl end") << t << 0 << keys({{Qt::Key_End, ctrl}}) << 14 << 14;
        QTest::newRow("shift ctrl home selects backwards") << t << 14 << keys({{Qt::Key_Home, ctrl | shift}}) << 14 << 0;
        QTest::newRow("left collapses a selection to its start")
            << t << 1 << keys({{Qt::Key_Right, shift}, {Qt::Key_Right, shift}, {Qt::Key_Left, none}}) << 1 << 1;
        QTest::newRow("down into a short line lands before its line end")
            << u16(u"abcdef\r\nab\r\nabcdef") << 5 << keys({{Qt::Key_Down, none}}) << 10 << 10;
        QTest::newRow("down keeps the column over a short line")
            << u16(u"abcdef\r\nab\r\nabcdef") << 5 << keys({{Qt::Key_Down, none}, {Qt::Key_Down, none}}) << 17 << 17;
        QTest::newRow("shift down then up") << u16(u"abcdef\r\nab\r\nabcdef") << 1
                                            << keys({{Qt::Key_Down, shift}, {Qt::Key_Down, shift}, {Qt::Key_Up, shift}})
                                            << 1 << 9;
        QTest::newRow("up on the first line stays") << u16(u"abc\r\nd") << 2 << keys({{Qt::Key_Up, none}}) << 2 << 2;
    }
    void keyboard()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QTestEventList, keys);
        QFETCH(int, anchorAfter);
        QFETCH(int, caretAfter);
        show(text);
        m_view->setCaretPosition(caret);
        keys.simulate(m_view.get());
        QCOMPARE(m_view->anchorPosition(), anchorAfter);
        QCOMPARE(m_view->caretPosition(), caretAfter);
        QCOMPARE(m_view->selectionStart(), std::min(anchorAfter, caretAfter));
        QCOMPARE(m_view->selectionLength(), std::abs(anchorAfter - caretAfter));
    }

    void pageKeysMoveByAPage()
    {
        QString text;
        for (int i = 0; i < 200; ++i)
            text += QStringLiteral("line %1\n").arg(i);
        show(text);
        const int page = m_view->visibleLineCount();
        QVERIFY(page > 3);
        QTest::keyClick(m_view.get(), Qt::Key_PageDown);
        QCOMPARE(m_view->lineFromPosition(m_view->caretPosition()), page);
        QCOMPARE(m_view->firstVisibleLine(), page);
        QTest::keyClick(m_view.get(), Qt::Key_PageDown, Qt::ShiftModifier);
        QCOMPARE(m_view->anchorPosition(), m_view->lineStart(page));
        QCOMPARE(m_view->lineFromPosition(m_view->caretPosition()), 2 * page);
        QTest::keyClick(m_view.get(), Qt::Key_PageUp);
        QTest::keyClick(m_view.get(), Qt::Key_PageUp);
        QTest::keyClick(m_view.get(), Qt::Key_PageUp);
        QCOMPARE(m_view->caretPosition(), 0);
        QCOMPARE(m_view->firstVisibleLine(), 0);
    }

    void setSelectionAndSignals()
    {
        show(u16(u"ab\r\ncd") + QString::fromUcs4(U"\U0001F600"));
        QSignalSpy caret(m_view.get(), &TMemoExDark::caretMoved);
        QSignalSpy selection(m_view.get(), &TMemoExDark::selectionChanged);
        m_view->setSelection(1, 4);
        QCOMPARE(m_view->caretPosition(), 5);
        QCOMPARE(m_view->selectedText(), u16(u"b\r\nc"));
        QCOMPARE(caret.count(), 1);
        QCOMPARE(selection.count(), 1);
        // The same range with the caret at its start.
        m_view->select(5, 1);
        QCOMPARE(m_view->caretPosition(), 1);
        QCOMPARE(m_view->selectionStart(), 1);
        QCOMPARE(m_view->selectionLength(), 4);
        QCOMPARE(selection.count(), 1); // range unchanged
        QCOMPARE(caret.count(), 2);
        // Ends inside a CR LF or a surrogate pair move to its start.
        m_view->setSelection(3, 4);
        QCOMPARE(m_view->selectionStart(), 2);
        QCOMPARE(m_view->caretPosition(), 6);
        m_view->setSelection(0, 1000);
        QCOMPARE(m_view->selectionLength(), 8);
        m_view->setCaretPosition(-5);
        QCOMPARE(m_view->caretPosition(), 0);
        QVERIFY(!m_view->hasSelection());
    }

    void copy_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<QString>("clipboard");

        const QString t = u16(u"x\u3042\r\n") + QString::fromUcs4(U"\U0001F600") + u16(u"y");
        QTest::newRow("across a line end") << t << 1 << 5 << false << u16(u"\u3042\r\n") + QString::fromUcs4(U"\U0001F600");
        QTest::newRow("ctrl c") << t << 0 << 2 << true << u16(u"x\u3042");
        QTest::newRow("empty selection leaves the clipboard") << t << 2 << 0 << false << QStringLiteral("before");
        QTest::newRow("nul is text") << withNul() << 0 << 4 << true << withNul();
    }
    void copy()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(bool, byKey);
        QFETCH(QString, clipboard);
        show(text);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        m_view->setSelection(start, length);
        if (byKey)
            QTest::keyClick(m_view.get(), Qt::Key_C, Qt::ControlModifier);
        else
            m_view->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    }

    void ownerShortcutsWin()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *view = new TMemoExDark;
        layout->addWidget(view);
        auto *action = new QAction(&window);
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
        window.addAction(action);
        QSignalSpy triggered(action, &QAction::triggered);
        view->setBuffer(makeBuffer(QStringLiteral("some text")));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        view->setFocus();
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(view->selectionLength(), 0);
        // Without the action the view selects all itself.
        window.removeAction(action);
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(view->selectionLength(), 9);
    }

    void tabAtLineStart_data()
    {
        QTest::addColumn<int>("units");
        QTest::addColumn<int>("chars");
        QTest::newRow("8") << 8 << 2;
        QTest::newRow("16") << 16 << 4;
        QTest::newRow("24") << 24 << 6;
        QTest::newRow("32") << 32 << 8;
    }
    void tabAtLineStart()
    {
        QFETCH(int, units);
        QFETCH(int, chars);
        show(u16(u"x\r\n\tab\r\na\tc"));
        m_view->setTabStopDialogUnits(units);
        const qreal avg = QFontMetricsF(m_view->font()).averageCharWidth();
        const QPoint tab = *m_view->positionToPoint(3);
        const QPoint afterTab = *m_view->positionToPoint(4);
        QCOMPARE(tab.x(), m_view->textRect().left());
        QCOMPARE(tab.y(), m_view->textRect().top() + m_view->lineHeight());
        QVERIFY(std::abs(afterTab.x() - tab.x() - chars * avg) <= 1);
        // A tab after text goes to the same stop, not a stop's width further.
        const QPoint c = *m_view->positionToPoint(m_view->lineStart(2) + 2);
        QCOMPARE(c.x(), afterTab.x());
        // And the point maps back to the character after the tab.
        QCOMPARE(m_view->pointToPosition(afterTab + QPoint(1, 2)), 4);
    }

    void positionToPointLimits()
    {
        show(u16(u"ab\r\ncd"));
        QVERIFY(!m_view->positionToPoint(-1));
        QVERIFY(!m_view->positionToPoint(7));
        QVERIFY(m_view->positionToPoint(6)); // end of the text
        // The line end takes the point just after the last character.
        QCOMPARE(m_view->positionToPoint(2)->x(), m_view->positionToPoint(3)->x());
    }

    void nulIsShownAndCounted()
    {
        show(withNul());
        QCOMPARE(m_view->lineCount(), 1);
        QCOMPARE(m_view->lineLength(0), 4);
        m_view->selectAll();
        QCOMPARE(m_view->selectedText(), withNul());
        m_view->setCaretPosition(0);
        m_view->clearFocus();
        const QImage img = m_view->viewport()->grab().toImage();
        const int top = m_view->positionToPoint(0)->y();
        auto ink = [&](int from, int to) {
            const int x0 = m_view->positionToPoint(from)->x();
            const int x1 = m_view->positionToPoint(to)->x();
            int count = 0;
            for (int y = top; y < top + m_view->lineHeight(); ++y)
                for (int x = x0; x < x1; ++x)
                    count += img.pixelColor(x, y) != m_view->backgroundColor();
            return count;
        };
        const qreal avg = QFontMetricsF(m_view->font()).averageCharWidth();
        QVERIFY(std::abs(m_view->positionToPoint(2)->x() - m_view->positionToPoint(1)->x() - avg) <= 1);
        QVERIFY(ink(1, 2) > 0); // the NUL cell
        QCOMPARE(ink(2, 3), 0); // the space cell
        QVERIFY(ink(3, 4) > 0); // b after it: the text goes on
    }

    void mouse()
    {
        show(u16(u"hello world\r\nsecond line"));
        auto at = [&](int pos) { return *m_view->positionToPoint(pos) + QPoint(1, m_view->lineHeight() / 2); };
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, at(3));
        QCOMPARE(m_view->caretPosition(), 3);
        QVERIFY(!m_view->hasSelection());
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::ShiftModifier, at(15));
        QCOMPARE(m_view->anchorPosition(), 3);
        QCOMPARE(m_view->caretPosition(), 15);
        QTest::mouseDClick(m_view->viewport(), Qt::LeftButton, {}, at(7));
        QCOMPARE(m_view->selectedText(), QStringLiteral("world"));
        // Below the last line a click lands on the last line.
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, QPoint(300, 280));
        QCOMPARE(m_view->caretPosition(), 24);
    }

    void dragBelowScrolls()
    {
        QString text;
        for (int i = 0; i < 300; ++i)
            text += QStringLiteral("line %1\n").arg(i);
        show(text);
        QWidget *vp = m_view->viewport();
        QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(1, 5)); // in the left margin: column 0
        const QPointF below(10, vp->height() + 20);
        QMouseEvent move(QEvent::MouseMove, below, vp->mapToGlobal(below), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(vp, &move);
        const int firstAfterMove = m_view->firstVisibleLine();
        QTRY_VERIFY(m_view->firstVisibleLine() > firstAfterMove + 3);
        QTest::mouseRelease(vp, Qt::LeftButton, {}, below.toPoint());
        const int stopped = m_view->firstVisibleLine();
        // The drag timer is the view's own: once the ticks it would have made are due, the view has not moved.
        QVERIFY(test::timersDueWithinFired(200));
        QCOMPARE(m_view->firstVisibleLine(), stopped);
        QCOMPARE(m_view->anchorPosition(), 0);
        QVERIFY(m_view->lineFromPosition(m_view->caretPosition()) >= stopped + m_view->visibleLineCount() - 1);
    }

    void wheelScrollsThreeLines()
    {
        QString text;
        for (int i = 0; i < 100; ++i)
            text += QStringLiteral("%1\n").arg(i);
        show(text);
        QSignalSpy scrolled(m_view.get(), &TMemoExDark::vScrolled);
        const QPointF p(20, 20);
        QWheelEvent down(p, m_view->viewport()->mapToGlobal(p), QPoint(), QPoint(0, -120), Qt::NoButton, {},
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_view->viewport(), &down);
        QCOMPARE(m_view->firstVisibleLine(), 3);
        QCOMPARE(scrolled.count(), 1);
        m_view->scrollLines(-10);
        QCOMPARE(m_view->firstVisibleLine(), 0);
        m_view->scrollLines(1 << 30);
        QCOMPARE(m_view->firstVisibleLine(), m_view->lineCount() - m_view->visibleLineCount());
    }

    void millionLines()
    {
        QByteArray bytes;
        bytes.reserve(12 * 1000000);
        for (int i = 0; i < 1000000; ++i) {
            bytes += "line ";
            bytes += QByteArray::number(i);
            bytes += '\n';
        }
        TextSink sink(bytes.size() * 2);
        sink.putLatin1(bytes.constData(), bytes.size());
        auto buffer = std::make_shared<const TextBuffer>(sink.finish());
        show(QString());
        m_view->setBuffer(buffer);
        QCOMPARE(m_view->textRange(0, m_view->length()).constData(), buffer->text().constData()); // shared, not copied
        QCOMPARE(m_view->lineCount(), 1000001);
        m_view->setFirstVisibleLine(m_view->lineCount() - 1);
        m_view->viewport()->repaint();
        QCOMPARE(m_view->firstVisibleLine(), m_view->lineCount() - m_view->visibleLineCount());
        QCOMPARE(m_view->last, m_view->lineCount() - 1);
        QTest::keyClick(m_view.get(), Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(m_view->firstVisibleLine(), 0);
        QTest::keyClick(m_view.get(), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(m_view->caretPosition(), buffer->length());
        QVERIFY(m_view->textRect().contains(*m_view->positionToPoint(m_view->caretPosition())));
        QCOMPARE(m_view->lineFromPosition(buffer->length() - 3), 999999);
    }

    void longLinePaintsItsVisibleSlice()
    {
        QString line(200000, QLatin1Char('x'));
        line[150000] = QLatin1Char('|');
        show(line + QStringLiteral("\r\nshort"));
        QVERIFY(m_view->contentWidth() > 100000); // estimated before any measuring
        m_view->setCaretPosition(150000);
        m_view->ensureCaretVisible();
        QVERIFY(m_view->horizontalOffset() > 0);
        const QPoint p = *m_view->positionToPoint(150000);
        QVERIFY(m_view->textRect().contains(p));
        QCOMPARE(m_view->pointToPosition(p + QPoint(1, 1)), 150000);
        m_view->viewport()->repaint();
        QTest::keyClick(m_view.get(), Qt::Key_End);
        QCOMPARE(m_view->caretPosition(), 200000);
        QVERIFY(m_view->textRect().contains(*m_view->positionToPoint(200000)));
    }

    void marksHookAndProperties()
    {
        QString text;
        for (int i = 0; i < 100; ++i)
            text += QStringLiteral("%1\n").arg(i);
        show(text);
        QCOMPARE(m_view->property("ShiftRet").toInt(), 15);
        QCOMPARE(m_view->property("ShiftEof").toInt(), 12);
        QCOMPARE(m_view->property("ShiftTab").toInt(), 8);
        QCOMPARE(m_view->property("ShiftDBCS").toInt(), 13);
        QVERIFY(m_view->setProperty("ShiftTab", 5));
        QCOMPARE(m_view->shiftTab(), 5);

        m_view->setFirstVisibleLine(10);
        m_view->calls = 0;
        m_view->viewport()->repaint();
        QCOMPARE(m_view->calls, 1);
        QCOMPARE(m_view->first, 10);
        QVERIFY(m_view->last >= 10 + m_view->visibleLineCount() - 1);
        QVERIFY(m_view->last <= 10 + m_view->visibleLineCount());
    }

    void darkMargins()
    {
        show(QStringLiteral("text"));
        m_view->setTextMargins(QMargins(6, 4, 6, 4));
        m_view->setBackgroundColor(Qt::white);
        m_view->setDarkBackColor(Qt::red);
        m_view->setDarkMode(true);
        m_view->clearFocus();
        QImage img = m_view->viewport()->grab().toImage();
        const int midY = img.height() / 2;
        QCOMPARE(img.pixelColor(2, midY), QColor(Qt::red));
        QCOMPARE(img.pixelColor(img.width() - 2, midY), QColor(Qt::red));
        QCOMPARE(img.pixelColor(img.width() / 2, 1), QColor(Qt::red));
        // Dark painting takes the text area too, as a dark theme paints its
        // controls, and the text turns light to stay readable on it.
        QCOMPARE(img.pixelColor(img.width() / 2, midY), QColor(Qt::red));
        QVERIFY(m_view->paintedTextColor().lightness() >= 128);
        m_view->setDarkMode(false);
        img = m_view->viewport()->grab().toImage();
        QCOMPARE(img.pixelColor(2, midY), QColor(Qt::white));
        QCOMPARE(img.pixelColor(img.width() / 2, midY), QColor(Qt::white));
        QCOMPARE(m_view->paintedTextColor(), m_view->textColor());
    }

    // Scrolling a wrapped text right after its line count was asked for
    // (the scroll range not yet caught up) goes as far as asked: a reopened
    // file's reading position lands at the top, not short of it.
    void scrollingAWrappedTextBeforeTheRangeCatchesUp()
    {
        QString text;
        for (int i = 0; i < 400; ++i)
            text += QString(150, QLatin1Char('x')) + QStringLiteral(" %1\r\n").arg(i);
        m_view->setWrapMode(TMemoExDark::WrapMode::WidgetWidth);
        show(text);
        m_view->setBuffer(makeBuffer(text + QStringLiteral("end")));
        QVERIFY(m_view->lineCount() > 1000);
        m_view->scrollLines(900);
        QCOMPARE(m_view->firstVisibleLine(), 900);
    }

    void wrapAtWidgetWidth()
    {
        const QString longLine = QString(100, QLatin1Char('x')) + QStringLiteral(" tail");
        show(QStringLiteral("short\r\n") + longLine + QStringLiteral("\r\nend"));
        QCOMPARE(m_view->lineCount(), 3);
        QSignalSpy caret(m_view.get(), &TMemoExDark::caretMoved);
        m_view->setWrapMode(TMemoExDark::WrapMode::WidgetWidth);
        QCOMPARE(m_view->wrapMode(), TMemoExDark::WrapMode::WidgetWidth);
        QCOMPARE(caret.count(), 1); // line numbers change meaning
        QCOMPARE(m_view->horizontalScrollBar()->maximum(), 0);
        const int lines = m_view->lineCount();
        QVERIFY(lines > 4);
        QCOMPARE(m_view->lineStart(1), 7);
        // The display lines cover the long line without gaps, each fits.
        int pos = 7;
        for (int dl = 1; dl < lines - 1; ++dl) {
            QCOMPARE(m_view->lineStart(dl), pos);
            pos += m_view->lineLength(dl);
            QVERIFY(m_view->lineLength(dl) > 0);
            const auto a = m_view->positionToPoint(m_view->lineStart(dl));
            const auto b = m_view->positionToPoint(m_view->lineStart(dl) + m_view->lineLength(dl) - 1);
            QCOMPARE(a->y(), b->y());
            QVERIFY(b->x() < m_view->textRect().right());
        }
        QCOMPARE(pos, 7 + int(longLine.size()));
        QCOMPARE(m_view->lineStart(lines - 1), 7 + int(longLine.size()) + 2);
        // A word that would be cut moves whole to the next line.
        const int perLine = m_view->lineLength(1);
        m_view->setBuffer(makeBuffer(QString(perLine - 2, QLatin1Char('x')) + QStringLiteral(" tail")));
        QCOMPARE(m_view->lineCount(), 2);
        QCOMPARE(m_view->lineStart(1), perLine - 1);
        m_view->setBuffer(makeBuffer(QStringLiteral("short\r\n") + longLine + QStringLiteral("\r\nend")));
        QCOMPARE(m_view->lineCount(), lines);

        // Down keeps the column from one display line to the next.
        m_view->setCaretPosition(7 + 3);
        QTest::keyClick(m_view.get(), Qt::Key_Down);
        QCOMPARE(m_view->caretPosition(), m_view->lineStart(2) + 3);
        QCOMPARE(m_view->lineFromPosition(m_view->caretPosition()), 2);

        // Narrower: more display lines; the top line's text stays on top.
        QString many;
        for (int i = 0; i < 60; ++i)
            many += longLine + QStringLiteral("\n");
        m_view->setBuffer(makeBuffer(many));
        const int wideCount = m_view->lineCount();
        m_view->setFirstVisibleLine(21);
        QCOMPARE(m_view->firstVisibleLine(), 21);
        const int topPos = m_view->lineStart(21);
        m_view->resize(200, 300);
        QTRY_VERIFY(m_view->lineCount() > wideCount);
        QCOMPARE(m_view->lineFromPosition(topPos), m_view->firstVisibleLine());
        QVERIFY(m_view->firstVisibleLine() > 21);

        // Back to buffer lines, still at the same text.
        m_view->setWrapMode(TMemoExDark::WrapMode::NoWrap);
        QCOMPARE(m_view->lineCount(), 61);
        QCOMPARE(m_view->firstVisibleLine(), m_view->lineFromPosition(topPos));
        QVERIFY(m_view->horizontalScrollBar()->maximum() > 0);
    }
};

QTEST_MAIN(TMemoExDarkTest)
#include "TMemoExDark_test.moc"
