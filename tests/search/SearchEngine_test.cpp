// The search engine over plain strings: the table holds the behaviours a user
// relies on (literal words, options, walking, windows, surrogates), the tests
// after it the errors and the pieces the expression is made of.
#include "IniFile.h"
#include "SearchEngine.h"

#include <QTemporaryDir>
#include "support/CaseNames.h"

#include <gtest/gtest.h>

#include <vector>

using namespace quillon;

namespace {

using O = TSearchOption;

enum class Op { Forward, Backward, First, All };

struct Case {
    const char *name;
    Op op;
    QString text;
    QString word;
    TSearchOptions options;
    int start;        // incoming Start as the callers pass it
    bool found;
    int hitStart = -1;
    int hitLength = -1;
    QStringList all = {}; // SearchAll only
};

void PrintTo(const Case &c, std::ostream *os)
{
    *os << '"' << c.name << "\" text \"" << c.text.toStdString() << "\" word \"" << c.word.toStdString()
        << "\" start " << c.start;
}

QString S(const char16_t *s) { return QString::fromUtf16(s); }
QString rep(QChar c, int n) { return QString(n, c); }

const TSearchOptions fwd{O::sfrDown};
const TSearchOptions crlf{O::sfrDown, O::sfrIncludeCRLF, O::sfrIncludeSpace}; // as SetOptions gives it

std::vector<Case> cases()
{
    const QString emoji = S(u"\U0001F600"); // a surrogate pair
    const QString longCut = QStringLiteral("a") + QString(QStringLiteral("\r\n")).repeated(200) + QStringLiteral("b")
        + rep(u'x', 10000);
    return {
        {"empty word", Op::Forward, QStringLiteral("abc"), QString(), fwd, 1, false},
        {"empty text", Op::Forward, QString(), QStringLiteral("a"), fwd, 1, false},
        {"start past the text", Op::First, QStringLiteral("abc"), QStringLiteral("a"), fwd, 5, false},
        {"dot is literal", Op::Forward, QStringLiteral("abc a.c"), QStringLiteral("a.c"), fwd, 1, true, 4, 3},
        {"dot never matches a letter", Op::Forward, QStringLiteral("abc"), QStringLiteral("a.c"), fwd, 1, false},
        {"plus is literal", Op::Forward, QStringLiteral("xxy x+y"), QStringLiteral("x+y"), fwd, 1, true, 4, 3},
        {"space is a plain space", Op::Forward, QStringLiteral("new  york"), QStringLiteral("new york"), fwd, 1, false},
        {"spaces ignored with IncludeCRLF", Op::Forward, QStringLiteral("new  york"), QStringLiteral("new york"), crlf, 1,
         true, 0, 9},
        {"case ignored", Op::Forward, QStringLiteral("xABC"), QStringLiteral("abc"), fwd, 1, true, 1, 3},
        {"case ignored, mixed", Op::Forward, QStringLiteral("Abc"), QStringLiteral("abc"), fwd, 1, true, 0, 3},
        {"MatchCase", Op::Forward, QStringLiteral("ABC abc"), QStringLiteral("abc"), {O::sfrDown, O::sfrMatchCase}, 1,
         true, 4, 3},
        {"IncludeCRLF plain", Op::Forward, QStringLiteral("abc"), QStringLiteral("abc"), crlf, 1, true, 0, 3},
        {"IncludeCRLF across lines", Op::Forward, QStringLiteral("a\r\nb c"), QStringLiteral("abc"), crlf, 1, true, 0, 6},
        {"IncludeCRLF spaces", Op::Forward, QStringLiteral("a   bc"), QStringLiteral("abc"), crlf, 1, true, 0, 6},
        {"IncludeCRLF gap of both kinds", Op::Forward, QStringLiteral("a \r\nbc"), QStringLiteral("abc"), crlf, 1, false},
        {"WholeWord", Op::Forward, QStringLiteral("a cat."), QStringLiteral("cat"), {O::sfrDown, O::sfrWholeWord}, 1,
         true, 2, 3},
        {"WholeWord inside a word", Op::Forward, QStringLiteral("concatenate"), QStringLiteral("cat"),
         {O::sfrDown, O::sfrWholeWord}, 1, false},
        {"WholeWord Japanese between spaces", Op::Forward, S(u" 日本 "), S(u"日本"), {O::sfrDown, O::sfrWholeWord}, 1,
         false},
        {"WholeWord Japanese next to ASCII letters", Op::Forward, S(u"a日本b"), S(u"日本"),
         {O::sfrDown, O::sfrWholeWord}, 1, true, 1, 2},
        {"RegExp", Op::Forward, QStringLiteral("abc"), QStringLiteral("a.c"), {O::sfrDown, O::sfrRegExp}, 1, true, 0, 3},
        {"RegExp ignores WholeWord", Op::Forward, QStringLiteral("concatenate"), QStringLiteral("cat"),
         {O::sfrDown, O::sfrRegExp, O::sfrWholeWord}, 1, true, 3, 3},
        {"RegExp ignores IncludeCRLF", Op::Forward, QStringLiteral("a\r\nb"), QStringLiteral("ab"),
         {O::sfrDown, O::sfrRegExp, O::sfrIncludeCRLF}, 1, false},
        {"forward needs sfrDown", Op::Forward, QStringLiteral("abc"), QStringLiteral("a"), {}, 1, false},
        {"forward starts after the selection", Op::Forward, QStringLiteral("ab ab ab"), QStringLiteral("ab"), fwd, 3, true,
         3, 2},
        {"forward never wraps", Op::Forward, QStringLiteral("ab ab ab"), QStringLiteral("ab"), fwd, 9, false},
        // Mended: a match on the last code unit is found.
        {"forward finds the last code unit", Op::Forward, QStringLiteral("xa"), QStringLiteral("a"), fwd, 2, true, 1, 1},
        // Mended: NULs are text, the search does not stop at one.
        {"forward past a NUL", Op::Forward, QString(QStringLiteral("abc")) + QChar(0) + QStringLiteral("def"),
         QStringLiteral("def"), fwd, 1, true, 4, 3},
        {"line of 100000 units", Op::Forward, rep(u'x', 100000) + QStringLiteral("end"), QStringLiteral("end"), fwd, 1,
         true, 100000, 3},
        {"word with & and line break", Op::Forward, QStringLiteral("R&D\r\nx"), QStringLiteral("D\r\nX"), fwd, 1, true, 2,
         4},
        {"backward at offset 0", Op::Backward, QStringLiteral("abab"), QStringLiteral("ab"), {}, 0, false},
        {"backward before the caret", Op::Backward, QStringLiteral("ab ab ab"), QStringLiteral("ab"), {}, 6, true, 3, 2},
        {"backward walks on", Op::Backward, QStringLiteral("ab ab ab"), QStringLiteral("ab"), {}, 3, true, 0, 2},
        {"backward: match reaching over the caret", Op::Backward, QStringLiteral("xxabcd"), QStringLiteral("abcd"), {}, 3,
         true, 2, 4},
        // The window's matches do not overlap: "aa" in "aaa" is the one at 0, never 1.
        {"backward overlapping aa in aaa", Op::Backward, QStringLiteral("aaa"), QStringLiteral("aa"), {}, 3, true, 0, 2},
        {"backward overlapping aa in aaaa", Op::Backward, QStringLiteral("aaaa"), QStringLiteral("aa"), {}, 4, true, 2, 2},
        {"backward 50000 units back", Op::Backward, QStringLiteral("needle") + rep(u'x', 50000), QStringLiteral("needle"),
         {}, 50006, true, 0, 6},
        {"backward nothing before", Op::Backward, rep(u'x', 30000) + QStringLiteral("needle"), QStringLiteral("needle"), {},
         30000, false},
        // Mended: a match longer than the window's reach is found whole.
        {"backward long IncludeCRLF match", Op::Backward, longCut, QStringLiteral("ab"), crlf, 10117, true, 0, 402},
        {"backward WholeWord sees the real neighbours", Op::Backward,
         QStringLiteral("concatenate") + rep(u' ', 20000), QStringLiteral("cat"), {O::sfrWholeWord}, 20011, false},
        // A scan cut short on the right must not invent a boundary at the cut.
        {"backward cut fakes no word boundary", Op::Backward, rep(u'x', 300) + QStringLiteral("y"),
         QStringLiteral("x{257}\\b"), {O::sfrRegExp}, 44, false},
        {"backward match past the cut", Op::Backward, rep(u'x', 300) + QStringLiteral(" "), QStringLiteral("x{257}\\b"),
         {O::sfrRegExp}, 44, true, 43, 257},
        {"first from the top", Op::First, QStringLiteral("abab"), QStringLiteral("b"), {}, 0, true, 1, 1},
        {"first from a position", Op::First, QStringLiteral("abab"), QStringLiteral("b"), {}, 3, true, 3, 1},
        {"all aa in aaaa", Op::All, QStringLiteral("aaaa"), QStringLiteral("aa"), {}, 0, true, 0, 2,
         {QStringLiteral("0"), QStringLiteral("2")}},
        {"all aa in aaa", Op::All, QStringLiteral("aaa"), QStringLiteral("aa"), {}, 0, true, 0, 2, {QStringLiteral("0")}},
        {"all empty matches move on", Op::All, QStringLiteral("ab"), QStringLiteral("x*"), {O::sfrRegExp}, 0, true, 0, 0,
         {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")}},
        {"all none", Op::All, QStringLiteral("abc"), QStringLiteral("z"), {}, 0, false},
        {"surrogate pair kept whole by IncludeCRLF", Op::Forward, QStringLiteral("a\r\n") + emoji + QStringLiteral(" b"),
         QStringLiteral("a") + emoji + QStringLiteral("b"), crlf, 1, true, 0, 7},
        {"surrogate pair word", Op::All, QStringLiteral("x") + emoji + emoji, emoji, {}, 0, true, 1, 2,
         {QStringLiteral("1"), QStringLiteral("3")}},
        {"empty match never splits a pair", Op::All, emoji, QStringLiteral("x*"), {O::sfrRegExp}, 0, true, 0, 0,
         {QStringLiteral("0"), QStringLiteral("2")}},
        // Mended: \C matches one code unit, so a match can end inside a pair,
        // where the next search starts again; the walks still move on.
        {"all one-unit matches over a pair", Op::All, QStringLiteral("a") + emoji, QStringLiteral("\\C"),
         {O::sfrRegExp}, 0, true, 0, 1, {QStringLiteral("0"), QStringLiteral("1")}},
        {"backward one-unit matches over a pair", Op::Backward, QStringLiteral("a") + emoji, QStringLiteral("\\C"),
         {O::sfrRegExp}, 3, true, 1, 1},
        {"lone surrogate in the text", Op::All, QString(QStringLiteral("a")) + QChar(0xDC00) + QStringLiteral("b abc"),
         QStringLiteral("abc"), {}, 0, true, 4, 3, {QStringLiteral("4")}},
        {"lone surrogate text, forward from it", Op::Forward, QString(QChar(0xD800)) + QStringLiteral("abc"),
         QStringLiteral("b"), fwd, 1, true, 2, 1},
    };
}

class EngineTable : public ::testing::TestWithParam<Case> {};

TEST_P(EngineTable, Case)
{
    const Case &c = GetParam();
    TSearchInfo info{c.start, 0};
    QStringList list;
    SearchResult r;
    switch (c.op) {
    case Op::Forward: r = SearchForward(c.text, info, c.word, int(c.text.size()), c.options); break;
    case Op::Backward: r = SearchBackward(c.text, info, c.word, c.options); break;
    case Op::First: r = SearchFirst(c.text, info, c.word, c.options); break;
    case Op::All: r = SearchAll(c.text, info, c.word, list, c.options); break;
    }
    EXPECT_FALSE(r.failed()) << qPrintable(r.error.english());
    ASSERT_EQ(bool(r), c.found);
    if (c.found) {
        EXPECT_EQ(info.Start, c.hitStart);
        EXPECT_EQ(info.Length, c.hitLength);
    } else {
        EXPECT_EQ(info.Start, c.start) << "a miss changes nothing";
    }
    if (c.op == Op::All) {
        EXPECT_EQ(list, c.all);
    }
}

INSTANTIATE_TEST_SUITE_P(Search, EngineTable, ::testing::ValuesIn(cases()), test::CaseName());

TEST(SearchEngine, RepeatedSearchesWalkBothWays)
{
    const QString text = QStringLiteral("ab\r\nab ab");
    QList<int> forward;
    TSearchInfo info{1, 0};
    while (SearchForward(text, info, u"AB", int(text.size()), fwd)) {
        forward << info.Start;
        info.Start = info.Start + info.Length + 1;
    }
    EXPECT_EQ(forward, (QList<int>{0, 4, 7}));
    QList<int> backward;
    info = {int(text.size()), 0};
    while (SearchBackward(text, info, u"ab", {}))
        backward << info.Start;
    EXPECT_EQ(backward, (QList<int>{7, 4, 0}));
}

TEST(SearchEngine, PatternErrorCarriesOffsetAndReasonInBothLanguages)
{
    TSearchInfo info{1, 0};
    const SearchResult r = SearchForward(u"abc", info, u"a(b", 3, {O::sfrDown, O::sfrRegExp});
    ASSERT_TRUE(r.failed());
    EXPECT_FALSE(r);
    EXPECT_EQ(r.error.kind, SearchError::Kind::Pattern);
    EXPECT_EQ(r.error.offset, 3);
    EXPECT_EQ(info.Start, 1);
    EXPECT_EQ(r.error.japanese(), S(u"オフセット 3 で正規表現にエラーがあります: missing closing parenthesis"));
    EXPECT_EQ(r.error.english(), QStringLiteral("Error in regular expression at offset 3: missing closing parenthesis"));
    // Every operation reports it the same way.
    QStringList list;
    info = {0, 0};
    EXPECT_TRUE(SearchAll(u"abc", info, u"[", list, {O::sfrRegExp}).failed());
    info = {3, 0};
    EXPECT_TRUE(SearchBackward(u"abc", info, u"[", {O::sfrRegExp}).failed());
}

TEST(SearchEngine, LoneSurrogateWordIsAnErrorNotACrash)
{
    for (TSearchOptions options : {fwd, crlf}) {
        TSearchInfo info{1, 0};
        const SearchResult r = SearchForward(u"abc", info, QString(QChar(0xDC00)), 3, options);
        EXPECT_TRUE(r.failed());
        EXPECT_EQ(r.error.kind, SearchError::Kind::Pattern);
    }
}

TEST(SearchEngine, RunawayExpressionStopsWithAMessage)
{
    const QString line = rep(u'a', 100000) + QStringLiteral("b");
    TSearchInfo info{1, 0};
    const SearchResult r = SearchForward(line, info, u"(a+)+$", int(line.size()), {O::sfrDown, O::sfrRegExp});
    ASSERT_TRUE(r.failed());
    EXPECT_EQ(r.error.kind, SearchError::Kind::Match);
    EXPECT_TRUE(r.error.english().startsWith(QStringLiteral("Error : Search stopped")));
}

TEST(SearchEngine, EscapeSearchWord)
{
    EXPECT_EQ(EscapeSearchWord(u"\a\t\n\v\f\r\x1b"), QStringLiteral("\\a\\t\\n\\v\\f\\r\\e"));
    EXPECT_EQ(EscapeSearchWord(u"!/:@[`{~"), QStringLiteral("\\!\\/\\:\\@\\[\\`\\{\\~"));
    EXPECT_EQ(EscapeSearchWord(u"_\\ a9"), QStringLiteral("\\_\\\\ a9"));
    EXPECT_EQ(EscapeSearchWord(S(u"あ\x01")), S(u"あ\x01"));
}

TEST(SearchEngine, BuildSearchPattern)
{
    EXPECT_EQ(BuildSearchPattern(u"a.b", {}).text, QStringLiteral("a\\.b"));
    EXPECT_EQ(BuildSearchPattern(u"ab", {O::sfrIncludeCRLF}).text, QStringLiteral("a[\\r\\n]*b"));
    EXPECT_EQ(BuildSearchPattern(u"ab", {O::sfrIncludeSpace}).text, QStringLiteral("a\\x20*b"));
    EXPECT_EQ(BuildSearchPattern(u"a+", {O::sfrIncludeCRLF, O::sfrIncludeSpace, O::sfrWholeWord}).text,
              QStringLiteral("\\ba([\\r\\n]*|\\x20*)\\+\\b"));
    const SearchPattern re = BuildSearchPattern(u"a.", {O::sfrRegExp, O::sfrWholeWord, O::sfrIncludeCRLF});
    EXPECT_EQ(re.text, QStringLiteral("a."));
    EXPECT_FALSE(re.multiline);
    EXPECT_FALSE(re.options.has(O::sfrWholeWord));
    EXPECT_TRUE(BuildSearchPattern(u"a", {O::sfrIncludeCRLF}).multiline);
    EXPECT_FALSE(BuildSearchPattern(u"a", {O::sfrMatchCase}).caseless);
    EXPECT_EQ(TSearchOptions(O::sfrRegExp).bits(), 512);
    EXPECT_EQ(TSearchOptions(O::sfrDown).bits(), 1);
}

TEST(SearchEngine, CodePoints)
{
    const QString word = QStringLiteral("a") + S(u"\U0001F600") + QChar(0xDC00) + QStringLiteral("b");
    EXPECT_EQ(CountCodePoints(word), 4);
    EXPECT_EQ(CopyCodePoints(word, 1), S(u"\U0001F600"));
    EXPECT_EQ(CopyCodePoints(word, 2), QString(QChar(0xDC00)));
    EXPECT_EQ(CopyCodePoints(word, 3), QStringLiteral("b"));
    EXPECT_EQ(CopyCodePoints(word, 4), QString());
    // The separator goes between code points: never inside a pair, always beside a lone half.
    QString joined;
    for (int i = 0; i < CountCodePoints(word); ++i)
        joined += (i ? QStringLiteral("\\x20*") : QString()) + EscapeSearchWord(CopyCodePoints(word, i));
    EXPECT_EQ(BuildSearchPattern(word, {O::sfrIncludeSpace}).text, joined);
    EXPECT_TRUE(IsValidUtf16(word.left(3)));
    EXPECT_FALSE(IsValidUtf16(word));
    EXPECT_FALSE(IsValidUtf16(QString(rep(u'x', 5000) + QChar(0xD800))));
}

TEST(SearchEngine, SetOptionsReadsTheFileEveryTime)
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("Quillon.ini")));
    EXPECT_EQ(SetOptions(ini, 1), TSearchOptions(O::sfrDown));
    EXPECT_EQ(SetOptions(ini, 0), TSearchOptions());
    ini.writeBool(QStringLiteral("Options"), QStringLiteral("MatchCase"), true);
    ini.writeBool(QStringLiteral("Options"), QStringLiteral("IncludeCRLF"), true);
    EXPECT_EQ(SetOptions(ini, 0), (TSearchOptions{O::sfrMatchCase, O::sfrIncludeCRLF, O::sfrIncludeSpace}));
    ini.writeBool(QStringLiteral("Options"), QStringLiteral("WholeWord"), true);
    ini.writeBool(QStringLiteral("Options"), QStringLiteral("RegExp"), true);
    EXPECT_EQ(SetOptions(ini, 1).bits(), 1 | 2 | 4 | 128 | 256 | 512);
}

} // namespace
