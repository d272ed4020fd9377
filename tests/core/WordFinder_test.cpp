// The word around a column: the program's delimiter rule, with the two reaches
// of word selection and of the search word at the caret, and the text
// control's own run rule.
#include "WordFinder.h"

#include "support/CaseNames.h"

#include <gtest/gtest.h>

#include <QString>

using namespace quillon;

namespace {

using Span = WordFinder::Span;
using Before = WordFinder::Before;

struct WordCase {
    const char *name;
    const char16_t *line;
    int column;
    Span expected;
};

void PrintTo(const WordCase &c, std::ostream *os)
{
    *os << '"' << c.name << "\" column " << c.column;
}

// Lines short enough that both reaches give the same word.
const WordCase kWords[] = {
    {"inside bar of foo(bar)baz", u"foo(bar)baz", 5, {4, 3}},
    {"at the start of bar", u"foo(bar)baz", 4, {4, 3}},
    {"at the line start", u"foo(bar)baz", 0, {0, 3}},
    {"at the line end", u"foo(bar)baz", 11, {8, 3}},
    {"after the last delimiter", u"foo(bar)", 8, {8, 0}},
    {"full-width brackets", u"前【括弧の中】後", 3, {2, 4}},
    {"full-width comma and full stop", u"日本語、文字列。", 6, {4, 3}},
    {"no delimiter: the whole line", u"abcdef", 2, {0, 6}},
    {"between two delimiters selects nothing", u"a()b", 2, {2, 0}},
    {"full-width space and ideographic comma", u"あ\u3000いう、え", 3, {2, 2}},
    {"tab", u"x\tyz", 3, {2, 2}},
    {"empty line", u"", 0, {0, 0}},
    {"surrogate pairs count as part of the word", u"(\U00020BB7\U0001F600)", 3, {1, 4}},
    {"a caret inside a pair counts before it", u"a\U00020BB7b", 2, {0, 4}},
};

class BetweenDelimiters : public testing::TestWithParam<WordCase> {};

TEST_P(BetweenDelimiters, BothReachesAgree)
{
    const WordCase &c = GetParam();
    EXPECT_EQ(WordFinder::betweenDelimiters(QStringView(c.line), c.column, Before::WithinLimit), c.expected);
    EXPECT_EQ(WordFinder::betweenDelimiters(QStringView(c.line), c.column, Before::WholeLine), c.expected);
}

INSTANTIATE_TEST_SUITE_P(WordFinder, BetweenDelimiters, testing::ValuesIn(kWords), test::CaseName());

// Every delimiter of the list stops the word on either side of the caret;
// characters that only look like them do not.
TEST(WordFinder, EveryDelimiterStopsTheWord)
{
    const QString delimiters = QString::fromUtf16(u" ;:()[]{},.\t\u3000；：（）｛｝［「」、。，．【】");
    ASSERT_EQ(delimiters.size(), 28);
    for (Before before : {Before::WithinLimit, Before::WholeLine}) {
        for (QChar d : delimiters) {
            SCOPED_TRACE(QString::number(d.unicode(), 16).toStdString());
            EXPECT_TRUE(WordFinder::isDelimiter(d));
            const QString line = QStringLiteral("ab") + d + QStringLiteral("cd");
            EXPECT_EQ(WordFinder::betweenDelimiters(line, 1, before), (Span{0, 2}));
            EXPECT_EQ(WordFinder::betweenDelimiters(line, 4, before), (Span{3, 2}));
        }
        for (QChar other : QString::fromUtf16(u"!-_/\"'<>〔・")) {
            SCOPED_TRACE(QString::number(other.unicode(), 16).toStdString());
            EXPECT_FALSE(WordFinder::isDelimiter(other));
            const QString line = QStringLiteral("ab") + other + QStringLiteral("cd");
            EXPECT_EQ(WordFinder::betweenDelimiters(line, 1, before), (Span{0, 5}));
        }
    }
}

TEST(WordFinder, WordSelectionSearchesAtMost9998EachSide)
{
    // 100,000 characters without a delimiter, apart from one far left.
    QString line(100000, QLatin1Char('x'));
    line[10] = QLatin1Char(' ');
    // The delimiter lies beyond the 9,998 characters before the caret, so the
    // left part is everything before the caret; the right part stops after 9,998.
    EXPECT_EQ(WordFinder::betweenDelimiters(line, 50000, Before::WithinLimit), (Span{0, 50000 + 9998}));
    // Near enough, the delimiter is found.
    EXPECT_EQ(WordFinder::betweenDelimiters(line, 10 + 9998, Before::WithinLimit), (Span{11, 9997 + 9998}));
    EXPECT_EQ(WordFinder::betweenDelimiters(line, 10 + 9999, Before::WithinLimit).start, 0);
    // A delimiter exactly 9,998 after the caret is outside the searched range.
    line[60000 + 9998] = QLatin1Char(',');
    EXPECT_EQ(WordFinder::betweenDelimiters(line, 60000, Before::WithinLimit).length, 60000 + 9998);
    line[60000 + 9997] = QLatin1Char(',');
    EXPECT_EQ(WordFinder::betweenDelimiters(line, 60000, Before::WithinLimit).length, 60000 + 9997);
}

TEST(WordFinder, SearchWordLooksBackToTheLineStart)
{
    QString line(30000, QLatin1Char('x'));
    line[10] = QLatin1Char(' ');
    // However far the delimiter before the caret, the word starts after it;
    // after the caret it still ends after 9,998 units.
    EXPECT_EQ(WordFinder::betweenDelimiters(line, 20000, Before::WholeLine), (Span{11, 20000 - 11 + 9998}));
    const QString noDelimiter(20000, QLatin1Char('x'));
    EXPECT_EQ(WordFinder::betweenDelimiters(noDelimiter, 5, Before::WholeLine), (Span{0, 5 + 9998}));
}

TEST(WordFinder, LimitNeverSplitsASurrogatePair)
{
    QString line(9997, QLatin1Char('x'));
    line += QString::fromUtf16(u"\U0001F600");
    line += QLatin1String("yyy");
    for (Before before : {Before::WithinLimit, Before::WholeLine})
        EXPECT_EQ(WordFinder::betweenDelimiters(line, 0, before).length, 9999); // the pair's low half comes along
}

TEST(WordFinder, RunOfLettersOrOtherCharacters)
{
    struct Case {
        const char16_t *line;
        int column;
        Span expected;
    } cases[] = {
        {u"foo(bar)baz", 5, {4, 3}},
        {u"foo(bar)baz", 4, {4, 3}},
        {u"foo bar", 3, {0, 3}}, // right after a word, before a space
        {u"foo bar", 7, {4, 3}}, // end of line
        {u"a\u3042\u3044 b", 1, {0, 3}},
        {u"", 0, {0, 0}},
        {u"x::y", 2, {1, 2}},
        {u"snake_case.x", 3, {0, 10}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(WordFinder::runAt(QStringView(c.line), c.column), c.expected)
            << QString::fromUtf16(c.line).toStdString() << " @" << c.column;
    }
}

} // namespace
