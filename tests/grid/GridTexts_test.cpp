// Texts the grid window shows for numbers, and the memo search.
#include "GridTexts.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(GridTexts, PositionAndMemoPanels)
{
    EXPECT_EQ(GridTexts::position(0, 0, true), QStringLiteral("[1,1]"));
    EXPECT_EQ(GridTexts::position(2, 9, true), QStringLiteral("[3,10]"));
    EXPECT_EQ(GridTexts::position(2, 9, false), QStringLiteral("[10,3]"));
    EXPECT_EQ(GridTexts::memoCaret(3, 5, true), QString::fromUtf16(u"3行,5桁"));
    EXPECT_EQ(GridTexts::memoCaret(3, 5, false), QStringLiteral("Row:3  Col:5"));
    EXPECT_EQ(GridTexts::memoLines(2, true), QString::fromUtf16(u"2行"));
    EXPECT_EQ(GridTexts::memoLines(0, false), QStringLiteral("Row:0"));
    EXPECT_EQ(GridTexts::editing(false), QStringLiteral("Editting"));
    EXPECT_EQ(GridTexts::caption(QStringLiteral("/a/b.csv"), true), QString::fromUtf16(u"/a/b.csv - グリッド表示"));
    EXPECT_EQ(GridTexts::caption(QStringLiteral("/a/b.csv"), false), QStringLiteral("/a/b.csv - ViewGrid"));
}

TEST(GridTexts, MemoSearch)
{
    const QString text = QStringLiteral("Word and word, WORD");
    EXPECT_EQ(GridTexts::findInMemo(text, u"word", 0, true), 0);
    EXPECT_EQ(GridTexts::findInMemo(text, u"word", 4, true), 9);
    EXPECT_EQ(GridTexts::findInMemo(text, u"word", 19, true), -1);
    // Backward from the end: the last occurrence; one at the very start counts.
    EXPECT_EQ(GridTexts::findInMemo(text, u"word", text.size(), false), 15);
    EXPECT_EQ(GridTexts::findInMemo(text, u"word", 9, false), 0);
    EXPECT_EQ(GridTexts::findInMemo(text, u"word", 0, false), -1);
    EXPECT_EQ(GridTexts::findInMemo(text, u"", 0, true), -1);
    EXPECT_EQ(GridTexts::findInMemo(QString::fromUtf16(u"ａｂｃ abc"), u"ABC", 0, true), 4);
}

} // namespace
} // namespace quillon
