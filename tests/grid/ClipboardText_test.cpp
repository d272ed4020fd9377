// The four clipboard styles, and the quoting comma style read back by the
// comma modes into the same cells.
#include "support/CaseNames.h"
#include "ClipboardText.h"
#include "CsvTable.h"
#include "support/QtPrinters.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace quillon {
namespace {

struct ClipCase {
    const char *name;
    QStringList cells; // one row
    ClipStyle style;
    QString line;
};

class Clip : public ::testing::TestWithParam<ClipCase> {};

TEST_P(Clip, OneRow)
{
    EXPECT_EQ(ClipboardText::line(GetParam().cells, GetParam().style), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Grid, Clip,
    ::testing::Values(
        ClipCase{"tab_crlf_in_cell", {QStringLiteral("a\r\nb")}, ClipStyle::Tab, QStringLiteral("a\nb")},
        ClipCase{"tab_two", {QStringLiteral("a"), QStringLiteral("b,\"c")}, ClipStyle::Tab, QStringLiteral("a\tb,\"c")},
        ClipCase{"quoted_two", {QStringLiteral("a"), QStringLiteral("b")}, ClipStyle::Quoted, QStringLiteral("\"a\",\"b\"")},
        ClipCase{"quoted_one_has_no_quotes", {QStringLiteral("a")}, ClipStyle::Quoted, QStringLiteral("a")},
        ClipCase{"comma_unescaped", {QStringLiteral("3,3"), QStringLiteral("4\"4")}, ClipStyle::Comma,
                 QStringLiteral("3,3,4\"4")},
        ClipCase{"csv_quote", {QStringLiteral("4\"4")}, ClipStyle::CsvEx2, QStringLiteral("\"4\"\"4\"")},
        ClipCase{"csv_comma", {QStringLiteral("3,3")}, ClipStyle::CsvEx2, QStringLiteral("\"3,3\"")},
        ClipCase{"csv_bare", {QStringLiteral("22")}, ClipStyle::CsvEx2, QStringLiteral("22")},
        ClipCase{"csv_row", {QStringLiteral("11"), QStringLiteral("22"), QStringLiteral("3,3"), QStringLiteral("4\"4"),
                  QStringLiteral("a\r\nb"), QString()},
                 ClipStyle::CsvEx2, QStringLiteral("11,22,\"3,3\",\"4\"\"4\",\"a\nb\",")}),
    test::CaseName());

TEST(ClipboardText, EveryLineEndsWithCrLf)
{
    const QString text = ClipboardText::rectangle(0, 0, 2, 1, ClipStyle::Tab,
                                                  [](int r, int c) { return QString::number(r * 10 + c); });
    EXPECT_EQ(text, QStringLiteral("0\t1\r\n10\t11\r\n20\t21\r\n"));
}

// What the quoting comma style writes, the comma modes read back cell for
// cell (line breaks in cells as the grid stores them).
TEST(ClipboardText, QuotingCommaStyleReadsBackIntoTheSameCells)
{
    QRandomGenerator random(7);
    const QString alphabet = QStringLiteral("ab,\"\n \t");
    for (int round = 0; round < 500; ++round) {
        QStringList cells;
        const int count = 1 + int(random.bounded(4));
        for (int c = 0; c < count; ++c) {
            QString cell;
            const int length = int(random.bounded(6));
            for (int i = 0; i < length; ++i)
                cell += alphabet[int(random.bounded(alphabet.size()))];
            cells.append(cell.replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
        }
        QStringList forms;
        for (const QString &c : cells)
            forms.append(ClipboardText::ConvertCellToCsvEx2(c));
        const QString line = forms.join(u',');
        for (CsvMode mode : {CsvMode::CommaEx1, CsvMode::CommaEx2}) {
            const CsvTable t = CsvTable::build(CsvLines({line}), mode);
            QStringList back;
            for (int c = 0; c < t.cellCount(0); ++c)
                back.append(t.cell(0, c));
            // A cell of nothing but quotes is the one thing the readers'
            // rule (pairs first, outer quotes after) reads back shorter.
            bool onlyQuotes = false;
            for (const QString &c : cells)
                onlyQuotes |= !c.isEmpty() && QString(c).remove(u'"').isEmpty();
            if (!onlyQuotes) {
                EXPECT_EQ(back, cells) << line.toStdString();
            }
        }
    }
}

} // namespace
} // namespace quillon
