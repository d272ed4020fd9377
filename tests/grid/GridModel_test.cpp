// The grid model: header texts, edits, title row and column, search order
// and the copy of a rectangle.
#include "GridModel.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

GridModel *modelOf(const QStringList &lines, GridModel &m, CsvMode mode = CsvMode::Automatic)
{
    m.setTable(CsvTable::build(CsvLines(lines), mode), false);
    return &m;
}

TEST(GridModel, HeadersAndCells)
{
    GridModel m;
    modelOf({QStringLiteral("a,b,c"), QString(), QStringLiteral("x\ny")}, m);
    EXPECT_EQ(m.rowCount(), 3);
    EXPECT_EQ(m.columnCount(), 3);
    EXPECT_EQ(m.headerData(0, Qt::Horizontal).toString(), QStringLiteral("1"));
    EXPECT_EQ(m.headerData(2, Qt::Horizontal).toString(), QStringLiteral("3"));
    EXPECT_EQ(m.headerData(0, Qt::Vertical).toString(), QStringLiteral("00001"));
    EXPECT_EQ(m.headerData(0, Qt::Vertical, GridModel::TitleRole).toString(), QStringLiteral("00001:3"));
    EXPECT_EQ(m.headerData(1, Qt::Vertical, GridModel::TitleRole).toString(), QStringLiteral("00002:1"));
    EXPECT_EQ(m.data(m.index(2, 0)).toString(), QStringLiteral("x\r\ny"));
    EXPECT_EQ(m.data(m.index(1, 2)).toString(), QString());
    EXPECT_EQ(m.lineNumberText(123456), QStringLiteral("123457"));
}

TEST(GridModel, EditsTitlesAndRereads)
{
    GridModel m;
    modelOf({QStringLiteral("h1,h2"), QStringLiteral("a,b")}, m);
    EXPECT_TRUE(m.setData(m.index(1, 1), QStringLiteral("B")));
    EXPECT_EQ(m.cell(1, 1), QStringLiteral("B"));
    m.setTitleRow(0);
    EXPECT_EQ(m.headerData(1, Qt::Horizontal, GridModel::TitleRole).toString(), QStringLiteral("h2"));
    m.setTitleColumn(1);
    EXPECT_EQ(m.headerData(1, Qt::Vertical, GridModel::TitleRole).toString(), QStringLiteral("B"));
    m.clearTitleColumn();
    EXPECT_EQ(m.headerData(0, Qt::Vertical, GridModel::TitleRole).toString(), QString());
    // A change of read encoding keeps the title row; edits and the title column go.
    m.setTable(CsvTable::build(CsvLines({QStringLiteral("h1,h2"), QStringLiteral("a,b")}), CsvMode::Automatic), true);
    EXPECT_EQ(m.headerData(1, Qt::Horizontal, GridModel::TitleRole).toString(), QStringLiteral("h2"));
    EXPECT_EQ(m.cell(1, 1), QStringLiteral("b"));
    EXPECT_EQ(m.headerData(0, Qt::Vertical, GridModel::TitleRole).toString(), QStringLiteral("00001:2"));
    // A reload empties it.
    m.setTable(CsvTable::build(CsvLines({QStringLiteral("h1,h2")}), CsvMode::Automatic), false);
    EXPECT_EQ(m.headerData(1, Qt::Horizontal, GridModel::TitleRole).toString(), QString());
}

TEST(GridModel, SearchOrderForwardAndBackward)
{
    GridModel m;
    modelOf({QStringLiteral("x,word,x,Word"), QStringLiteral("x,x,x,x"), QStringLiteral("WORD,x,x,x")}, m);
    using C = GridModel::Cell;
    EXPECT_EQ(m.find(QStringLiteral("word"), 0, 0, true), (C{0, 1}));
    EXPECT_EQ(m.find(QStringLiteral("word"), 0, 1, true), (C{0, 3}));
    EXPECT_EQ(m.find(QStringLiteral("word"), 0, 3, true), (C{2, 0}));
    EXPECT_EQ(m.find(QStringLiteral("word"), 2, 0, true), std::nullopt); // no wrap
    EXPECT_EQ(m.find(QStringLiteral("word"), 2, 0, false), (C{0, 3}));
    EXPECT_EQ(m.find(QStringLiteral("word"), 0, 3, false), (C{0, 1}));
    EXPECT_EQ(m.find(QStringLiteral("word"), 0, 1, false), std::nullopt);
    EXPECT_EQ(m.find(QString(), 0, 0, true), std::nullopt);
    // Only ASCII letters ignore case: full-width letters match themselves only.
    GridModel w;
    modelOf({QStringLiteral("ABC,") + QString::fromUtf16(u"ａｂｃ")}, w);
    EXPECT_EQ(w.find(QStringLiteral("abc"), 0, -1, true), (C{0, 0}));
    EXPECT_EQ(w.find(QString::fromUtf16(u"ＡＢＣ"), 0, -1, true), std::nullopt);
    EXPECT_EQ(w.find(QString::fromUtf16(u"ａｂｃ"), 0, -1, true), (C{0, 1}));
}

TEST(GridModel, EmptyGridIsSafe)
{
    GridModel m;
    modelOf({}, m);
    EXPECT_EQ(m.rowCount(), 0);
    EXPECT_EQ(m.copyAll(ClipStyle::Tab), QString());
    m.setTitleRow(0);
    m.setTitleColumn(0);
    m.setCell(0, 0, QStringLiteral("x"));
    EXPECT_EQ(m.find(QStringLiteral("x"), 0, 0, true), std::nullopt);
}

TEST(GridModel, CopiesARectangleWithEditsAndShortLines)
{
    GridModel m;
    modelOf({QStringLiteral("a,b,c"), QStringLiteral("d"), QStringLiteral("\"e,f\",g")}, m, CsvMode::CommaEx2);
    m.setCell(1, 0, QStringLiteral("D\r\nE"));
    EXPECT_EQ(m.copyText(0, 1, 1, 2, ClipStyle::Tab), QStringLiteral("b\tc\r\n\t\r\n"));
    EXPECT_EQ(m.copyAll(ClipStyle::CsvEx2), QStringLiteral("a,b,c\r\n\"D\nE\",,\r\n\"e,f\",g,\r\n"));
    EXPECT_EQ(m.copyText(1, 0, 1, 0, ClipStyle::Quoted), QStringLiteral("D\nE\r\n"));
}

} // namespace
} // namespace quillon
