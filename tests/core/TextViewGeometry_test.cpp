#include "TextViewGeometry.h"

#include <QString>
#include <gtest/gtest.h>

using quillon::TextViewGeometry;

namespace {

// Half-width characters 10 px, CJK and astral characters 20 px; counts calls
// so the cache can be checked.
struct FakeFont {
    int calls = 0;
    TextViewGeometry::Measure measure()
    {
        return [this](char32_t cp) -> qreal {
            ++calls;
            return (cp >= 0x3000) ? 20 : 10;
        };
    }
};

QString u16(const char16_t *s)
{
    return QString::fromUtf16(s);
}

} // namespace

TEST(TextViewGeometry, TabStopsAlwaysAdvanceToTheNextStop)
{
    struct Case {
        qreal x, width, stop;
    } cases[] = {
        {0, 40, 40}, {1, 40, 40}, {39.5, 40, 40}, {40, 40, 80}, {79, 40, 80}, {12, 0, 12},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(TextViewGeometry::nextTabStop(c.x, c.width), c.stop) << c.x << " " << c.width;
}

TEST(TextViewGeometry, XOfColumnExpandsTabsAndCountsWidths)
{
    FakeFont font;
    TextViewGeometry g(font.measure());
    g.setTabWidth(40);
    const QString line = u16(u"a\tb\u3042\t") + QString::fromUcs4(U"\U0001F600") + u16(u"c");
    // a=10, tab to 40, b=50, あ=70, tab to 80, emoji (2 units) 100, c 110
    const qreal expected[] = {0, 10, 40, 50, 70, 80, 100, 100, 110};
    for (int col = 0; col <= line.size(); ++col)
        EXPECT_DOUBLE_EQ(g.xOfColumn(line, col), expected[col]) << "column " << col;
    EXPECT_DOUBLE_EQ(g.lineWidth(line), 110);

    // A tab at line start is a whole stop; with no stops a tab is a space.
    EXPECT_DOUBLE_EQ(g.xOfColumn(u"\tx", 1), 40);
    g.setTabWidth(0);
    EXPECT_DOUBLE_EQ(g.xOfColumn(u"\tx", 1), 10);
}

TEST(TextViewGeometry, AdvancesAreMeasuredOncePerCharacter)
{
    FakeFont font;
    TextViewGeometry g(font.measure());
    const QString line(1000, QLatin1Char('x'));
    EXPECT_DOUBLE_EQ(g.lineWidth(line), 10000);
    EXPECT_EQ(font.calls, 1);
    const QString astral = QString::fromUcs4(U"\U00020000\U00020000");
    EXPECT_DOUBLE_EQ(g.lineWidth(astral), 40);
    EXPECT_EQ(font.calls, 2);
    // A new font forgets the old widths.
    g.setMeasure([](char32_t) -> qreal { return 3; });
    EXPECT_DOUBLE_EQ(g.lineWidth(line), 3000);
}

TEST(TextViewGeometry, ColumnAtXRoundsToNearestBoundaryAndKeepsPairsWhole)
{
    FakeFont font;
    TextViewGeometry g(font.measure());
    g.setTabWidth(40);
    const QString line = u16(u"ab") + QString::fromUcs4(U"\U0001F600") + u16(u"\tc");
    // a 0-10, b 10-20, emoji 20-40 (units 2,3), tab 40-80 (unit 4), c 80-90
    struct Case {
        qreal x;
        int column;
    } cases[] = {{-5, 0}, {4, 0}, {6, 1}, {15, 2}, {25, 2}, {31, 4}, {59, 4}, {61, 5}, {86, 6}, {500, 6}};
    for (const auto &c : cases)
        EXPECT_EQ(g.columnAtX(line, c.x), c.column) << "x " << c.x;
}

TEST(TextViewGeometry, SeekFindsFirstVisibleCharacterOfALongLine)
{
    FakeFont font;
    TextViewGeometry g(font.measure());
    const QString line(200000, QLatin1Char('x'));
    auto c = g.seek(line, 1234567);
    EXPECT_EQ(c.column, 123456);
    EXPECT_DOUBLE_EQ(c.x, 1234560);
    c = g.seek(line, 1e9);
    EXPECT_EQ(c.column, 200000);
}

TEST(TextViewGeometry, LinesForRect)
{
    struct Case {
        qreal top, bottom, textTop, height;
        int firstLine, count, first, last;
    } cases[] = {
        {0, 100, 0, 20, 0, 1000, 0, 4},        // exactly five lines
        {0, 101, 0, 20, 0, 1000, 0, 5},        // a pixel of the sixth
        {30, 50, 0, 20, 10, 1000, 11, 12},     // band inside, scrolled
        {0, 100, 2, 20, 0, 1000, 0, 4},        // margin above the text
        {0, 100, 0, 20, 998, 1000, 998, 999},  // past the last line
        {0, 100, 0, 20, 0, 0, 0, -1},          // no lines
        {0, 1, 5, 20, 0, 10, 0, -1},           // only the top margin
        {0, 2000000, 0, 20, 999990, 1000000, 999990, 999999},
    };
    for (const auto &c : cases) {
        const auto r = TextViewGeometry::linesForRect(c.top, c.bottom, c.textTop, c.height, c.firstLine, c.count);
        if (c.last < c.first) {
            EXPECT_TRUE(r.isEmpty()) << c.top << ".." << c.bottom;
        } else {
            EXPECT_EQ(r.first, c.first) << c.top << ".." << c.bottom;
            EXPECT_EQ(r.last, c.last) << c.top << ".." << c.bottom;
        }
    }
}

TEST(TextViewGeometry, CaretStepsOverPairsAndLineEnds)
{
    // a, pair, CR LF, b, lone high surrogate at the end
    const QString t = u16(u"a") + QString::fromUcs4(U"\U0001F600") + u16(u"\r\nb\xD800");
    const int next[] = {1, 3, 3, 5, 5, 6, 7, 7};
    const int prev[] = {0, 0, 0, 1, 1, 3, 5, 6}; // inside a pair or a CR LF counts as its start
    for (int pos = 0; pos <= t.size(); ++pos) {
        EXPECT_EQ(TextViewGeometry::nextPosition(t, pos), next[pos]) << pos;
        EXPECT_EQ(TextViewGeometry::previousPosition(t, pos), prev[pos]) << pos;
    }
    const int snapped[] = {0, 1, 1, 3, 3, 5, 6, 7};
    for (int pos = 0; pos <= t.size(); ++pos)
        EXPECT_EQ(TextViewGeometry::snapPosition(t, pos), snapped[pos]) << pos;
    EXPECT_EQ(TextViewGeometry::snapPosition(t, -4), 0);
    EXPECT_EQ(TextViewGeometry::snapPosition(t, 99), 7);
    // A lone low surrogate is a character of its own.
    const QString lone = u16(u"\xDC00x");
    EXPECT_EQ(TextViewGeometry::nextPosition(lone, 0), 1);
}

