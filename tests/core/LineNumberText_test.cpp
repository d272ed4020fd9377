#include "LineNumberText.h"
#include "MarkLayout.h"
#include "TextBufferSource.h"
#include "WrapIndex.h"

#include <gtest/gtest.h>

using namespace quillon;

TEST(LineNumberText, FormatsBothStyles)
{
    struct Case {
        int number, lineZero;
        const char *text;
    } cases[] = {
        {1, 1, "000001"}, {12, 1, "000012"}, {101, 5, "000101"}, {1234567, 1, "1234567"},
        {1, 0, "     1"}, {12, 0, "    12"}, {1234567, 0, "1234567"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(LineNumberText::format(c.number, c.lineZero), QLatin1String(c.text)) << c.number << " " << c.lineZero;
}

TEST(MarkLayout, OffsetsAndMarginLines)
{
    MarkLayout::Metrics m;
    m.widthM = 9;
    m.widthDot = 16;
    m.lineHeight = 18;
    const QPoint c(40, 36);
    using K = MarkLayout::Kind;
    // The small gothic font the offsets were chosen for: the formulas as they stand.
    m.widthDot = 7;
    EXPECT_EQ(MarkLayout::placeAt(K::CrLf, c, m), QPoint(40 + 15 - 9, 36));
    EXPECT_EQ(MarkLayout::placeAt(K::Tab, c, m, 32), QPoint(40 + 8 - 5, 36)); // 7 * 8 div 10 = 5
    EXPECT_EQ(MarkLayout::placeAt(K::Space, c, m, 18), QPoint(40 + 13 - 9, 36));
    EXPECT_EQ(MarkLayout::placeAt(K::Eof, c, m), QPoint(12, 36 + 18));
    // A wide font: the formulas would reach into the character before; the
    // marks stay on their own characters.
    m.widthM = 16;
    m.widthDot = 16;
    EXPECT_EQ(MarkLayout::placeAt(K::Tab, c, m, 32), QPoint(40, 36)); // 8 - 12 < 0
    EXPECT_EQ(MarkLayout::placeAt(K::Space, c, m, 27), QPoint(40, 36)); // 13 - 16 < 0
    EXPECT_EQ(MarkLayout::placeAt(K::CrLf, c, m), QPoint(40, 36));
    // Large offsets keep the mark inside a narrow cell.
    m.shiftDBCS = 60;
    EXPECT_EQ(MarkLayout::placeAt(K::Space, c, m, 27), QPoint(40 + 26, 36));
    // Visible lines plus 60 %, never past the last line.
    EXPECT_EQ(MarkLayout::lastMarkedLine(10, 200, 20, 1000), 10 + 16);
    EXPECT_EQ(MarkLayout::lastMarkedLine(10, 200, 20, 15), 14);
}

TEST(MarkLayout, MarksOfALineWithTabsPairsAndFullWidthSpaces)
{
    // Every character 10 px wide, tab stops every 40 px.
    TextViewGeometry g([](char32_t) { return 10.0; });
    g.setTabWidth(40);
    MarkLayout::Enabled on{true, true, true, true};
    MarkLayout::Metrics m;
    m.widthM = 10;
    m.widthDot = 10;
    m.lineHeight = 20;
    // TAB, a surrogate pair, TAB, U+3000, x; then CR LF ends the text.
    const QString line = QStringLiteral("\t") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("\t")
                         + QChar(0x3000) + QStringLiteral("x");
    const QString text = line + QStringLiteral("\r\n");
    std::vector<MarkLayout::Mark> out;
    MarkLayout::layoutSegment(line, 0, true, 4, 1, g, on, m, int(text.size()), -30, 1000, out);
    ASSERT_EQ(out.size(), 5u);
    // Tab at x 0; pair at 40; second tab at 50 (to 80); U+3000 at 80; x at 90; CR at 100.
    EXPECT_EQ(out[0].kind, MarkLayout::Kind::Tab);
    EXPECT_EQ(out[0].pos, 0);
    EXPECT_EQ(out[0].at, QPoint(4 + 0 + 8 - 8, 1));
    EXPECT_EQ(out[1].kind, MarkLayout::Kind::Tab);
    EXPECT_EQ(out[1].pos, 3);
    EXPECT_EQ(out[1].at, QPoint(4 + 50 + 8 - 8, 1));
    EXPECT_EQ(out[2].kind, MarkLayout::Kind::Space);
    EXPECT_EQ(out[2].pos, 4);
    EXPECT_EQ(out[2].at, QPoint(4 + 80 + 13 - 10, 1));
    EXPECT_EQ(out[3].kind, MarkLayout::Kind::CrLf);
    EXPECT_EQ(out[3].pos, 6);
    EXPECT_EQ(out[3].at, QPoint(4 + 100 + 15 - 10, 1));
    EXPECT_EQ(out[4].kind, MarkLayout::Kind::Eof);
    EXPECT_EQ(out[4].pos, 7);
    EXPECT_EQ(out[4].at, QPoint(12, 21));
}

TEST(MarkLayout, LongLineCostsOnlyItsVisiblePart)
{
    int measured = 0;
    TextViewGeometry g([&](char32_t) {
        ++measured;
        return 10.0;
    });
    g.setTabWidth(40);
    const QString line = QString(100000, QChar(0x3000));
    MarkLayout::Enabled on{true, true, true, true};
    MarkLayout::Metrics m;
    std::vector<MarkLayout::Mark> out;
    MarkLayout::layoutSegment(line, 0, false, 0, 0, g, on, m, int(line.size()), -30, 400, out);
    // About 40 squares in sight, and the end-of-file arrow of the hidden last character.
    EXPECT_LE(out.size(), 45u);
    EXPECT_EQ(out.back().kind, MarkLayout::Kind::Eof);
    EXPECT_EQ(out.back().pos, 99999);
}

TEST(WrapIndex, SlicesGiveTheSameBreaksAsOnePass)
{
    TextViewGeometry g([](char32_t cp) { return cp < 0x100 ? 7.0 : 14.0; });
    g.setTabWidth(28);
    TextSink sink;
    for (int i = 0; i < 500; ++i) {
        const QString line = (i % 7 == 0) ? QString(i % 50 + 30, QChar(0x3042)) + QStringLiteral("\tab cd")
                                          : QStringLiteral("line %1").arg(i);
        for (QChar c : line)
            sink.put(c.unicode());
        sink.put(u'\r');
        sink.put(u'\n');
    }
    const TextBufferSource buf(std::make_shared<const TextBuffer>(sink.finish()));
    WrapIndex whole;
    whole.reset(&buf, &g, 200);
    WrapIndex sliced;
    sliced.reset(&buf, &g, 200);
    EXPECT_EQ(sliced.displayLineCountSoFar(), buf.lineCount()); // nothing broken yet
    int rounds = 0;
    while (!sliced.breakMore(37))
        ++rounds;
    EXPECT_GT(rounds, 5);
    ASSERT_EQ(sliced.displayLineCountSoFar(), whole.displayLineCount());
    for (int dl = 0; dl < whole.displayLineCount(); ++dl)
        ASSERT_EQ(sliced.displayLineStart(dl), whole.displayLineStart(dl)) << dl;
    // The fast path agrees with breaking every line the long way.
    int expected = 0;
    for (int l = 0; l < buf.lineCount(); ++l)
        expected += int(WrapIndex::breakLine(buf.lineText(l), g, 200).size());
    EXPECT_EQ(whole.displayLineCount(), expected);
}
