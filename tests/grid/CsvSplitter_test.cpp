// Cutting lines into cells: the three splitting modes, the separator label
// and the LF-to-TAB option.
#include "support/CaseNames.h"
#include "CsvSplitter.h"
#include "CsvTable.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

struct SplitCase {
    const char *name;
    QString line;
    QStringList automatic; // the shared splitter
    QStringList comma;     // either comma mode
};

QStringList cellsOf(const QString &line, CsvMode mode)
{
    CsvTable t = CsvTable::build(CsvLines({line}), mode);
    QStringList cells;
    for (int c = 0; c < t.cellCount(0); ++c)
        cells.append(t.cell(0, c));
    return cells;
}

class Split : public ::testing::TestWithParam<SplitCase> {};

TEST_P(Split, CellsInEveryMode)
{
    const SplitCase &c = GetParam();
    EXPECT_EQ(cellsOf(c.line, CsvMode::Automatic), c.automatic);
    EXPECT_EQ(cellsOf(c.line, CsvMode::CommaEx1), c.comma);
    EXPECT_EQ(cellsOf(c.line, CsvMode::CommaEx2), c.comma);
    // The named comma functions give the same cells, with LF as in the line.
    QStringList ex1, ex2, expected = c.comma;
    CsvSplitter::StringToCsvListEx1(c.line, ex1);
    CsvSplitter::StringToCsvListEx2(c.line, ex2);
    expected.replaceInStrings(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(ex1, expected);
    EXPECT_EQ(ex2, expected);
}

const QString ff(QChar(0x0C));

INSTANTIATE_TEST_SUITE_P(
    Grid, Split,
    ::testing::Values(
        SplitCase{"quoted_comma", QStringLiteral("11,\"22,22\",33"),
                  {QStringLiteral("11"), QStringLiteral("\"22"), QStringLiteral("22\""), QStringLiteral("33")},
                  {QStringLiteral("11"), QStringLiteral("22,22"), QStringLiteral("33")}},
        SplitCase{"doubled_quotes", QStringLiteral("11,\"22\",\"3,3\",\"4\"\"4\",55"),
                  {QStringLiteral("11"), QStringLiteral("\"22\""), QStringLiteral("\"3"), QStringLiteral("3\""),
                   QStringLiteral("\"4\"\"4\""), QStringLiteral("55")},
                  {QStringLiteral("11"), QStringLiteral("22"), QStringLiteral("3,3"), QStringLiteral("4\"4"),
                   QStringLiteral("55")}},
        SplitCase{"open_quote", QStringLiteral("x,\"y"), {QStringLiteral("x"), QStringLiteral("\"y")},
                  {QStringLiteral("x,\"y")}},
        SplitCase{"open_quote_keeps_outer_quotes", QStringLiteral("\"a\"b\""), {QStringLiteral("a\"b")},
                  {QStringLiteral("\"a\"b\"")}},
        SplitCase{"open_quote_collapses_pairs", QStringLiteral("\"a\"\"b\"\"\"\"c"),
                  {QStringLiteral("a\"\"b\"\"\"\"")}, {QStringLiteral("\"a\"b\"\"c")}},
        SplitCase{"all_quoted", QStringLiteral("\"a\",\"b\""), {QStringLiteral("a"), QStringLiteral("b")},
                  {QStringLiteral("a"), QStringLiteral("b")}},
        SplitCase{"lf_inside_quotes", QStringLiteral("\"a\nb\",c"), {QStringLiteral("a\r\nb\",")},
                  {QStringLiteral("a\r\nb"), QStringLiteral("c")}},
        SplitCase{"tab_wins", QStringLiteral("a,b\tc"), {QStringLiteral("a,b"), QStringLiteral("c")},
                  {QStringLiteral("a"), QStringLiteral("b\tc")}},
        SplitCase{"empty_cells", QStringLiteral("a,,"), {QStringLiteral("a"), QString(), QString()},
                  {QStringLiteral("a"), QString(), QString()}},
        SplitCase{"empty_line", QString(), {QString()}, {QString()}},
        SplitCase{"one_cell", QStringLiteral("abc"), {QStringLiteral("abc")}, {QStringLiteral("abc")}},
        SplitCase{"two_quotes_stay", QStringLiteral("\"\",x"), {QStringLiteral("\",")},
                  {QStringLiteral("\""), QStringLiteral("x")}},
        // A form feed of the file stays a form feed (it is not a quote).
        SplitCase{"form_feed_kept", QStringLiteral("a") + ff + QStringLiteral(",b"),
                  {QStringLiteral("a") + ff, QStringLiteral("b")}, {QStringLiteral("a") + ff, QStringLiteral("b")}}),
    test::CaseName());

TEST(GetSeparater, LabelsTheFirstLine)
{
    EXPECT_EQ(CsvSplitter::GetSeparater(u"a,\"b\tc"), QStringLiteral("TAB"));
    EXPECT_EQ(CsvSplitter::GetSeparater(u"\"a\",\"b\""), QStringLiteral("\",\""));
    EXPECT_EQ(CsvSplitter::GetSeparater(u"a,b"), QStringLiteral(","));
    EXPECT_EQ(CsvSplitter::GetSeparater(u"abc"), QStringLiteral(","));
}

TEST(ConvertLfToTab, OnlyWhenAsked)
{
    QStringList lines{QStringLiteral("a,b\nc,d"), QStringLiteral("e")};
    QStringList copy = lines;
    CsvSplitter::ConvertLfToTab(copy, false);
    EXPECT_EQ(copy, lines);
    CsvSplitter::ConvertLfToTab(copy, true);
    EXPECT_EQ(copy, (QStringList{QStringLiteral("a,b\tc,d"), QStringLiteral("e")}));
    // In automatic mode such a line is then cut at the tab only.
    EXPECT_EQ(cellsOf(copy.front(), CsvMode::Automatic), (QStringList{QStringLiteral("a,b"), QStringLiteral("c,d")}));
}

TEST(CsvTable, RowsAndWidestLine)
{
    const CsvTable t = CsvTable::build(CsvLines({QStringLiteral("a,b,c"), QString(), QStringLiteral("d")}), CsvMode::Automatic);
    EXPECT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.columnCount(), 3);
    EXPECT_EQ(t.cellCount(1), 1);
    EXPECT_EQ(t.cell(2, 0), QStringLiteral("d"));
    EXPECT_EQ(t.cell(2, 2), QString());
    EXPECT_EQ(t.cell(7, 0), QString());
}

// A large table is split in two halves at once; the joined table is the one
// the lines give one by one.
TEST(CsvTable, LargeTableIsTheSumOfItsLines)
{
    QStringList lines;
    for (int i = 0; i < 30001; ++i)
        lines.append(QString(i % 7, u',') + QString::number(i) + (i % 5 == 0 ? QStringLiteral(",\"x,y\"") : QString()));
    for (CsvMode mode : {CsvMode::Automatic, CsvMode::CommaEx2}) {
        const CsvTable t = CsvTable::build(CsvLines(lines), mode);
        ASSERT_EQ(t.rowCount(), lines.size());
        int widest = 0;
        for (int r = 0; r < t.rowCount(); r += 97) {
            std::vector<CellSpan> spans;
            const CellForm form = CsvSplitter::splitSpans(lines.at(r), mode, spans);
            ASSERT_EQ(t.cellCount(r), int(spans.size())) << r;
            for (int c = 0; c < int(spans.size()); ++c)
                ASSERT_EQ(t.cell(r, c), CsvSplitter::cellText(lines.at(r), spans[size_t(c)], form)) << r;
        }
        for (int r = 0; r < t.rowCount(); ++r)
            widest = std::max(widest, t.cellCount(r));
        EXPECT_EQ(t.columnCount(), widest);
        EXPECT_EQ(t.cell(30000, 5), QStringLiteral("30000")); // 30000 % 7 commas first
    }
}

TEST(CsvTable, StopsWhenAsked)
{
    QStringList lines(10000, QStringLiteral("a,b"));
    const CsvTable t = CsvTable::build(CsvLines(lines), CsvMode::Automatic, [](int done, int) { return done == 0; });
    EXPECT_TRUE(t.cancelled());
    EXPECT_EQ(t.rowCount(), 0);
}

} // namespace
} // namespace quillon
