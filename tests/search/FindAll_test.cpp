// Find all over the lines of a text, its number column, the grid hand-off
// file and the window's own key map.
#include "FindAllHandOff.h"
#include "FindAllKeyMap.h"
#include "FindAllList.h"
#include "FindAllNumberSource.h"
#include "KeyMapFile.h"
#include "TextBufferSource.h"
#include "support/CaseNames.h"
#include "support/TempHome.h"
#include "support/TestText.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace quillon;
using test::J;

namespace {

using O = TSearchOption;

FindAllList findAll(const QStringList &lines, const QString &word, TSearchOptions options = {O::sfrDown})
{
    return FindAllLines(
        int(lines.size()), [&](int i, QString &) { return QStringView(lines[i]); }, word, options);
}

QStringList listed(const FindAllList &r)
{
    QStringList out;
    for (int i = 0; i < r.count(); ++i)
        out << r.lines->line(i).toString();
    return out;
}

struct Case {
    const char *name;
    QStringList text;
    QString word;
    TSearchOptions options;
    std::vector<int> numbers;
};

void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }

class FindAllCases : public testing::TestWithParam<Case> {};

TEST_P(FindAllCases, ListsEachLineWithAHitOnce)
{
    const Case &c = GetParam();
    const FindAllList r = findAll(c.text, c.word, c.options);
    EXPECT_FALSE(r.error.isError());
    EXPECT_EQ(r.numbers, c.numbers);
    QStringList expected;
    for (int n : c.numbers)
        expected << c.text[n - 1];
    EXPECT_EQ(listed(r), expected);
    // The list and its number column have the same lines.
    EXPECT_EQ(r.lines->lineCount(), std::max(1, r.count()));
}

QStringList twelveLines()
{
    QStringList t;
    for (int i = 1; i <= 12; ++i)
        t << QStringLiteral("line %1").arg(i);
    t[6] = QStringLiteral("cat cat CAT"); // three hits on line 7
    t[11] = QStringLiteral("a cat");      // one on line 12
    return t;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FindAllCases,
    testing::Values(
        Case{"ThreeHitsOnLine7OneOn12", twelveLines(), QStringLiteral("cat"), {O::sfrDown}, {7, 12}},
        Case{"MatchCaseDropsNothingElse", twelveLines(), QStringLiteral("CAT"), {O::sfrDown, O::sfrMatchCase}, {7}},
        Case{"NoHit", twelveLines(), QStringLiteral("dog"), {O::sfrDown}, {}},
        // Each line by itself: a word split by a line break is not found,
        // even with the line-break allowance; the space allowance still holds.
        Case{"LineBreakNeverJoins", {QStringLiteral("ab"), QStringLiteral("cd")}, QStringLiteral("bc"),
             {O::sfrDown, O::sfrIncludeCRLF, O::sfrIncludeSpace}, {}},
        Case{"SpacesWithinALine", {QStringLiteral("x"), QStringLiteral("b   c")}, QStringLiteral("bc"),
             {O::sfrDown, O::sfrIncludeCRLF, O::sfrIncludeSpace}, {2}},
        // An anchor sees the start of every line, not only of the text.
        Case{"AnchorPerLine", {QStringLiteral("ab"), QStringLiteral("ba"), QStringLiteral("ab")},
             QStringLiteral("^a"), {O::sfrDown, O::sfrRegExp}, {1, 3}},
        Case{"EmptyLinesNeverMatch", {QString(), QStringLiteral("x")}, QStringLiteral("^"),
             {O::sfrDown, O::sfrRegExp}, {2}},
        Case{"JapaneseWord", {J(u"今日は"), J(u"日本語"), J(u"にほん")}, J(u"日本"), {O::sfrDown}, {2}},
        // A lone surrogate on one line does not stop the other lines being found.
        Case{"LoneSurrogateLine", {QString(QChar(0xD800)) + QStringLiteral("cat"), QStringLiteral("cat")},
             QStringLiteral("cat"), {O::sfrDown}, {1, 2}}),
    test::CaseName());

TEST(FindAll, BadExpressionIsAnErrorNotAnEmptyList)
{
    const FindAllList r = findAll({QStringLiteral("a(")}, QStringLiteral("("), {O::sfrDown, O::sfrRegExp});
    EXPECT_EQ(r.error.kind, SearchError::Kind::Pattern);
}

TEST(FindAllNumberSource, NumbersAsTheLineNumberViewWritesThem)
{
    for (int lineZero : {1, 0}) {
        FindAllNumberSource s({7, 12, 1234567}, lineZero);
        EXPECT_EQ(s.lineCount(), 3);
        const QStringList expected = lineZero ? QStringList{QStringLiteral("000007"), QStringLiteral("000012"),
                                                            QStringLiteral("1234567")}
                                              : QStringList{QStringLiteral("     7"), QStringLiteral("    12"),
                                                            QStringLiteral("1234567")};
        // The joined text is the reference the positions must agree with.
        const QString joined = expected.join(QStringLiteral("\r\n"));
        EXPECT_EQ(s.text(0, s.length()), joined) << lineZero;
        EXPECT_EQ(s.length(), joined.size());
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(s.lineText(i), expected[i]);
            EXPECT_EQ(s.lineStart(i), joined.indexOf(expected[i]));
            EXPECT_EQ(s.lineOf(s.lineStart(i) + 1), i);
        }
    }
    FindAllNumberSource empty({}, 1);
    EXPECT_EQ(empty.lineCount(), 1);
    EXPECT_EQ(empty.length(), 0);
}

TEST(FindAllHandOff, NumberSeparatorLineAsUtf16WithMark)
{
    test::TempHome home;
    FindAllNumberSource numbers({7, 12}, 1);
    TextBufferSource list(joinLines({QStringLiteral("cat"), J(u"a 猫")}));
    const QString path = home.file(FindAllHandOff::fileName());
    ASSERT_TRUE(FindAllHandOff::write(path, numbers, list, FindAllHandOff::defaultSeparator()).ok);
    EXPECT_EQ(home.read(FindAllHandOff::fileName()),
              test::utf16LeFile({J(u"000007≡cat"), J(u"000012≡a 猫")}));
}

TEST(FindAllKeyMap, CatalogueAndKeys)
{
    const QStringList defaults = FindAllKeyMap::InitKeyMap(0);
    ASSERT_EQ(defaults.size(), 20);
    EXPECT_EQ(defaults[2], J(u"検索\t検索(&F)\tF\t1101"));
    EXPECT_EQ(FindAllKeyMap::InitKeyMap(1)[2], J(u"検索\t検索(&F)\tCtrl+F\t1101"));
    // The punctuation keys and Space give no key in this window; other keys do.
    const QStringList map = {QStringLiteral("a\tb\tCtrl+;\t1101"), QStringLiteral("a\tb\tSpace\t1102"),
                             QStringLiteral("a\tb\tShift+F3\t1103"), QStringLiteral("a\tb\t@\t1104")};
    EXPECT_EQ(FindAllKeyMap::keyOf(map, u"1101"), ShortCutValue(0));
    EXPECT_EQ(FindAllKeyMap::keyOf(map, u"1102"), ShortCutValue(0));
    EXPECT_EQ(FindAllKeyMap::keyOf(map, u"1103"), ShortCutValue(KeyText::ShiftBit | 114));
    EXPECT_EQ(FindAllKeyMap::keyOf(map, u"1104"), ShortCutValue(0));
    EXPECT_FALSE(FindAllKeyMap::keyOf(map, u"1201").has_value());
}

TEST(FindAllKeyMap, ReconcileKeepsKeysAndReplacesAFileThatLostALine)
{
    test::TempHome home;
    const QString path = FindAllKeyMap::keyMapPath();
    // Missing: written, counts as kept.
    KeyMapReconciliation r = FindAllKeyMap::reconcile();
    EXPECT_TRUE(r.BoolKeyMapSame);
    EXPECT_EQ(KeyMapFile::read(path), FindAllKeyMap::InitKeyMap(0));
    // A changed key and another order: kept as it is.
    QStringList mine = FindAllKeyMap::InitKeyMap(0);
    mine[2] = J(u"検索\t検索(&F)\tCtrl+F\t1101");
    std::swap(mine[0], mine[1]);
    ASSERT_TRUE(KeyMapFile::write(path, mine).ok);
    r = FindAllKeyMap::reconcile();
    EXPECT_TRUE(r.BoolKeyMapSame);
    EXPECT_EQ(KeyMapFile::read(path), mine);
    // One line fewer: replaced by the defaults, not kept.
    mine.removeLast();
    ASSERT_TRUE(KeyMapFile::write(path, mine).ok);
    r = FindAllKeyMap::reconcile();
    EXPECT_FALSE(r.BoolKeyMapSame);
    EXPECT_TRUE(r.resetDone());
    EXPECT_EQ(KeyMapFile::read(path), FindAllKeyMap::InitKeyMap(0));
}

} // namespace
