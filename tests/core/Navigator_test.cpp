// Targets of the page, top/end and go-to-line commands, the cursor keys and
// the numeric filter, over plain line counts and line texts.
#include "Navigator.h"
#include "NumericFilter.h"

#include "support/CaseNames.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace quillon;

namespace {

enum class Cmd { PageUp, PageDown, Top, End };

struct MoveCase {
    const char *name;
    Cmd cmd;
    int caretLine;
    int amount;
    Navigator::Lines lines; // {line count incl. an empty last line, length of the last line}
    Navigator::Move expected; // {scroll by, target line}
};

void PrintTo(const MoveCase &c, std::ostream *os)
{
    *os << '"' << c.name << "\" caret line " << c.caretLine << " amount " << c.amount << " lines {" << c.lines.lineCount
        << ", " << c.lines.lastLineLength << '}';
}

// 20 text lines ending in a line break: 21 lines, the last one empty.
constexpr Navigator::Lines kTwenty{21, 0};
// 20 text lines, the last one without a line break.
constexpr Navigator::Lines kTwentyNoBreak{20, 5};
constexpr Navigator::Lines kEmpty{1, 0};

const MoveCase kMoves[] = {
    {"down by the default 3", Cmd::PageDown, 0, 3, kTwenty, {3, 3}},
    {"down by the default 17", Cmd::PageDown, 0, 17, kTwenty, {17, 17}},
    {"down stops on the last line with text", Cmd::PageDown, 10, 17, kTwenty, {9, 19}},
    {"down without a final break stops on the last line", Cmd::PageDown, 10, 17, kTwentyNoBreak, {9, 19}},
    {"down on the last text line stays", Cmd::PageDown, 19, 3, kTwenty, {0, 19}},
    {"down from the empty line after the last break stays", Cmd::PageDown, 20, 3, kTwenty, {0, 20}},
    {"down in an empty view", Cmd::PageDown, 0, 17, kEmpty, {0, 0}},
    {"down by a huge amount does not wrap", Cmd::PageDown, 5, 2147483647, kTwenty, {14, 19}},
    {"up by 3", Cmd::PageUp, 10, 3, kTwenty, {-3, 7}},
    {"up from line 2 by 17 lands on 0", Cmd::PageUp, 2, 17, kTwenty, {-2, 0}},
    {"up on line 0 stays", Cmd::PageUp, 0, 3, kTwenty, {0, 0}},
    {"top", Cmd::Top, 12, 0, kTwenty, {-12, 0}},
    {"top in an empty view", Cmd::Top, 0, 0, kEmpty, {0, 0}},
    {"end goes to the empty last line", Cmd::End, 3, 0, kTwenty, {18, 20}},
    {"end without a final break", Cmd::End, 3, 0, kTwentyNoBreak, {17, 19}},
    {"end in an empty view", Cmd::End, 0, 0, kEmpty, {1, 0}},
};

class MoveTargets : public testing::TestWithParam<MoveCase> {};

TEST_P(MoveTargets, ScrollAndTarget)
{
    const MoveCase &c = GetParam();
    Navigator::Move m;
    switch (c.cmd) {
    case Cmd::PageUp: m = Navigator::pageUp(c.caretLine, c.amount); break;
    case Cmd::PageDown: m = Navigator::pageDown(c.caretLine, c.amount, c.lines); break;
    case Cmd::Top: m = Navigator::documentTop(c.caretLine); break;
    case Cmd::End: m = Navigator::documentEnd(c.caretLine, c.lines); break;
    }
    EXPECT_EQ(m.scrollBy, c.expected.scrollBy) << c.name;
    EXPECT_EQ(m.targetLine, c.expected.targetLine) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Navigator, MoveTargets, testing::ValuesIn(kMoves), test::CaseName());

TEST(NavigatorJump, ClampsToTheLinesWithText)
{
    struct Case { const char16_t *entry; int caret; Navigator::Lines lines; Navigator::Move expected; };
    const Case cases[] = {
        {u"1", 5, kTwenty, {-5, 0}},
        {u"0", 5, kTwenty, {-5, 0}},          // 0 goes to line 1
        {u"12", 0, kTwenty, {11, 11}},
        {u"20", 0, kTwenty, {19, 19}},
        {u"21", 0, kTwenty, {19, 19}},        // the empty last line is not a target
        {u"999999999", 3, kTwenty, {16, 19}}, // nine digits beyond the count
        {u"9999999999", 3, kTwenty, {16, 19}}, // ten digits (a hand-edited settings file)
        {u"99999999999999999999999", 3, kTwenty, {-3, 0}}, // beyond 64 bits: not a number, line 1
        {u"", 4, kTwenty, {-4, 0}},           // empty means 1
        {u"abc", 4, kTwenty, {-4, 0}},
        {u"-7", 4, kTwenty, {-4, 0}},
        {u"5", 0, kEmpty, {0, 0}},
    };
    for (const Case &c : cases) {
        const auto m = Navigator::jump(c.caret, QStringView(c.entry), c.lines);
        EXPECT_EQ(m, c.expected) << QString::fromUtf16(c.entry).toStdString();
    }
}

TEST(NavigatorCursorKeys, GuardsAtTheEdges)
{
    using K = Navigator::CursorKey;
    struct Case { K key; int pos; int line; Navigator::Lines lines; bool allowed; };
    const Case cases[] = {
        {K::Right, 10, 3, kTwenty, true},
        {K::Right, 100, 20, kTwenty, false},   // on the empty line after the last break
        {K::Right, 100, 19, kTwentyNoBreak, true},
        {K::Right, 0, 0, kEmpty, false},
        {K::PageDown, 100, 20, kTwenty, false},
        {K::PageDown, 90, 19, kTwenty, true},
        {K::Left, 0, 0, kTwenty, false},
        {K::Left, 1, 0, kTwenty, true},
        {K::Up, 5, 0, kTwenty, false},
        {K::PageUp, 5, 0, kTwenty, false},
        {K::Up, 30, 1, kTwenty, true},
        {K::Down, 90, 19, kTwenty, false},     // the last text line
        {K::Down, 100, 20, kTwenty, false},    // below it
        {K::Down, 80, 18, kTwenty, true},
        {K::Down, 0, 0, kEmpty, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Navigator::cursorKeyAllowed(c.key, c.pos, c.line, c.lines), c.allowed)
            << int(c.key) << " pos " << c.pos << " line " << c.line;
}

TEST(NavigatorCopy, SelectedLinesEachEndInCrLf)
{
    EXPECT_EQ(Navigator::joinedLines({QStringLiteral("ab"), QString(), QStringLiteral("c")}),
              QStringLiteral("ab\r\n\r\nc\r\n"));
    EXPECT_EQ(Navigator::joinedLines({}), QString());
}

TEST(NumericFilter, AcceptsByType)
{
    using T = TNumericalType;
    struct Case { T type; char16_t c; const char16_t *text; int caret; bool accepted; };
    const Case cases[] = {
        {T::DecimalUnSigned, u'7', u"", 0, true},
        {T::DecimalUnSigned, u'\b', u"12", 2, true},
        {T::DecimalUnSigned, u'-', u"", 0, false},
        {T::DecimalUnSigned, u'.', u"1", 1, false},
        {T::DecimalUnSigned, u'a', u"", 0, false},
        {T::DecimalUnSigned, u'\uFF11', u"", 0, false}, // full-width digit
        {T::DecimalSigned, u'-', u"12", 0, true},
        {T::DecimalSigned, u'-', u"12", 1, false},
        {T::DecimalSigned, u'.', u"12", 2, false},
        {T::DoubleUnSigned, u'.', u"12", 2, true},
        {T::DoubleUnSigned, u'.', u"1.2", 3, false},
        {T::DoubleUnSigned, u'-', u"", 0, false},
        {T::DoubleSigned, u'-', u"1.5", 0, true},
        {T::DoubleSigned, u'-', u"1.5", 2, false},
        {T::DoubleSigned, u'.', u"-1", 2, true},
        {T::DoubleSigned, u'.', u"-1.", 3, false},
        {T::DoubleSigned, u'e', u"1", 1, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(NumericFilter::accepts(c.type, QChar(c.c), QStringView(c.text), c.caret), c.accepted)
            << int(c.type) << " '" << QString(QChar(c.c)).toStdString() << "' in " << QString::fromUtf16(c.text).toStdString();
}

} // namespace
