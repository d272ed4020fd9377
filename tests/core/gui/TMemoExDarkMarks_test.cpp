// Where the text view puts its marks, checked against its own position
// function rather than against pixels.
#include "TMemoExDark.h"
#include "support/TestText.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QTest>

using namespace quillon;

namespace {

std::shared_ptr<const TextBuffer> makeBuffer(const QString &text)
{
    return test::sharedBufferOf(text);
}

const TMemoExDark::MarkRect *find(const std::vector<TMemoExDark::MarkRect> &rects, MarkLayout::Kind kind, int pos)
{
    for (const auto &r : rects) {
        if (r.kind == kind && r.pos == pos)
            return &r;
    }
    return nullptr;
}

} // namespace

class TMemoExDarkMarksTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TMemoExDark> m_view;
    int widthOf(const QString &s) const
    {
        QFont f = m_view->font();
        f.setKerning(false);
        return QFontMetrics(f).horizontalAdvance(s);
    }
    void enableAll()
    {
        TEditMarks *m = m_view->EditMarks();
        for (TEditMark *mark : {m->EofMark(), m->CrlfMark(), m->TabMark(), m->SpaceMark()})
            mark->setEnabled(true);
    }

private slots:
    void init()
    {
        m_view = std::make_unique<TMemoExDark>();
        QFont f(QStringLiteral("IPAGothic"));
        f.setPixelSize(16);
        m_view->setFont(f);
        m_view->resize(500, 300);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }
    void cleanup() { m_view.reset(); }

    void defaults()
    {
        TEditMarks *m = m_view->EditMarks();
        QCOMPARE(m->EofMark()->mark(), QString(QChar(0x2190)));
        QCOMPARE(m->CrlfMark()->mark(), QString(QChar(0x2193)));
        QCOMPARE(m->TabMark()->mark(), QString(QChar(0xFF65)));
        QCOMPARE(m->SpaceMark()->mark(), QString(QChar(0x25A1)));
        QCOMPARE(m->TabMark()->color(), QColor(0, 0, 255));
        QVERIFY(!m->EofMark()->enabled());
        m_view->setBuffer(makeBuffer(QStringLiteral("a\tb\r\n")));
        QVERIFY(m_view->markRects().empty()); // nothing is marked until asked
    }

    void positions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("wrap");
        QTest::newRow("tab at a line start, final CR LF") << QStringLiteral("\tab\r\n\u3000x\r\n") << false;
        QTest::newRow("no final line end") << QStringLiteral("ab\r\n\tc") << false;
        QTest::newRow("tabs and pairs on one line")
            << (QStringLiteral("a\t") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("\t\u3000\U0001F600\tz"))
            << false;
        QTest::newRow("wrapped long line")
            << (QString(300, QLatin1Char('w')) + QStringLiteral("\t") + QChar(0x3000) + QStringLiteral("\r\nend"))
            << true;
    }
    void positions()
    {
        QFETCH(QString, text);
        QFETCH(bool, wrap);
        m_view->setWrapMode(wrap ? TMemoExDark::WrapMode::WidgetWidth : TMemoExDark::WrapMode::NoWrap);
        m_view->setBuffer(makeBuffer(text));
        enableAll();
        const QString t = m_view->textRange(0, m_view->length());
        const auto rects = m_view->markRects();
        const int wM = widthOf(QStringLiteral("M"));
        const int wDot = widthOf(QString(QChar(0xFF65)));
        const int h = m_view->lineHeight();
        int expected = 0;
        for (int pos = 0; pos < t.size(); ++pos) {
            const QChar c = t[pos];
            const auto pt = m_view->positionToPoint(pos);
            QVERIFY(pt);
            if (c == u'\t') {
                const auto *r = find(rects, MarkLayout::Kind::Tab, pos);
                QVERIFY2(r, qPrintable(QStringLiteral("tab at %1").arg(pos)));
                QCOMPARE(r->rect.topLeft(), QPoint(pt->x() + 8 - wDot * 8 / 10, pt->y()));
                ++expected;
            } else if (c == QChar(0x3000)) {
                const auto *r = find(rects, MarkLayout::Kind::Space, pos);
                QVERIFY(r);
                QCOMPARE(r->rect.topLeft(), QPoint(pt->x() + 13 - wM, pt->y()));
                ++expected;
            } else if (c == u'\r') {
                const auto *r = find(rects, MarkLayout::Kind::CrLf, pos);
                QVERIFY(r);
                QCOMPARE(r->rect.topLeft(), QPoint(pt->x() + 15 - wM, pt->y()));
                ++expected;
            }
        }
        // The arrow goes to the start of the line below the last character.
        const int last = int(t.size()) - 1;
        const auto *eof = find(rects, MarkLayout::Kind::Eof, last);
        QVERIFY(eof);
        QCOMPARE(eof->rect.topLeft(), QPoint(12, m_view->positionToPoint(last)->y() + h));
        if (t.endsWith(QLatin1String("\r\n"))) // the empty last line
            QCOMPARE(eof->rect.top(), m_view->positionToPoint(int(t.size()))->y());
        QCOMPARE(int(rects.size()), expected + 1);

        // Painting them remembers the arrow's row, full width.
        m_view->viewport()->repaint();
        QCOMPARE(m_view->lastEofRect(), QRect(0, eof->rect.top(), m_view->viewport()->width(), h));
    }

    void onlyTheVisibleLinesAndAMargin()
    {
        QString text;
        for (int i = 0; i < 2000; ++i)
            text += QStringLiteral("\tline\r\n");
        m_view->setBuffer(makeBuffer(text));
        enableAll();
        m_view->setFirstVisibleLine(1000);
        const auto rects = m_view->markRects();
        const int visible = m_view->viewport()->height() / m_view->lineHeight();
        int minLine = 1 << 30, maxLine = -1;
        for (const auto &r : rects) {
            const int l = m_view->lineFromPosition(r.pos);
            minLine = std::min(minLine, l);
            maxLine = std::max(maxLine, l);
        }
        QCOMPARE(minLine, 1000);
        QCOMPARE(maxLine, 1000 + visible * 16 / 10);
    }

    void longLineStaysFast()
    {
        // 100,000 characters of tabs and full-width spaces on one line.
        QString line;
        for (int i = 0; i < 50000; ++i)
            line += (i % 2) ? QStringLiteral("\t") : QString(QChar(0x3000));
        m_view->setBuffer(makeBuffer(line));
        enableAll();
        m_view->setCaretPosition(int(line.size()) / 2);
        m_view->ensureCaretVisible();
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 20; ++i)
            m_view->viewport()->repaint();
        const auto rects = m_view->markRects();
        QVERIFY(rects.size() < 200); // only what is in sight
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        // The wrapped view of the same line breaks it once, quickly.
        clock.restart();
        m_view->setWrapMode(TMemoExDark::WrapMode::WidgetWidth);
        QVERIFY(m_view->lineCount() > 100);
        m_view->setCaretPosition(int(line.size()));
        m_view->ensureCaretVisible();
        m_view->viewport()->repaint();
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    }

    void emptyViewHasNoMarks()
    {
        m_view->setBuffer(makeBuffer(QString()));
        enableAll();
        QVERIFY(m_view->markRects().empty());
        m_view->viewport()->repaint();
        QVERIFY(m_view->lastEofRect().isEmpty());
    }
};

QTEST_MAIN(TMemoExDarkMarksTest)
#include "TMemoExDarkMarks_test.moc"
