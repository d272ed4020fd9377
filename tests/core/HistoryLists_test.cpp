// The recent-file list and the reading-position history: their rules against
// a plain model, the files as bytes, and hand-edited or damaged files.
#include "support/CaseNames.h"
#include "support/TempHome.h"
#include "support/TestText.h"

#include "PathMatch.h"
#include "ReadingHistory.h"
#include "RecentFiles.h"

#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <utility>

using namespace quillon;
using test::J;

namespace {

QString q(const char *s)
{
    return QString::fromUtf8(s);
}

// One step of a table case: open a file (recorded at line), or look a line up.
struct Step {
    const char *open;
    int line = 0;
};

struct RuleCase {
    const char *name;
    std::vector<Step> steps;
    std::vector<const char *> recentTop;    // the recent list's first entries afterwards
    const char *lookUp;                     // the history's answer for this path...
    std::optional<int> recorded;            // ...is this
};

const RuleCase ruleCases[] = {
    {"reopening_the_third_moves_it_to_the_top",
     {{"/t/a.txt"}, {"/t/b.txt"}, {"/t/c.txt"}, {"/t/a.txt", 5}},
     {"/t/a.txt", "/t/c.txt", "/t/b.txt", ""}, "/t/a.txt", 5},
    {"ascii_letters_match_whatever_their_case",
     {{"/DATA/A.TXT", 7}, {"/t/x.txt"}, {"/data/a.txt", 9}},
     {"/data/a.txt", "/t/x.txt", ""}, "/Data/A.txt", 9},
    {"other_letters_keep_their_case",
     {{"/t/\xC3\xA9t\xC3\xA9.txt", 3}, {"/t/\xC3\x89T\xC3\x89.TXT", 4}},
     {"/t/\xC3\x89T\xC3\x89.TXT", "/t/\xC3\xA9t\xC3\xA9.txt", ""}, "/t/\xC3\xA9t\xC3\xA9.txt", 3},
    {"full_width_letters_keep_their_case",
     {{"/t/\xEF\xBD\x81.txt", 1}},
     {"/t/\xEF\xBD\x81.txt", ""}, "/t/\xEF\xBC\xA1.txt", std::nullopt},
    // A path inside another is another file: each keeps its own entry and line.
    {"a_contained_path_is_another_file",
     {{"/a/test.txt.bak", 40}, {"/a/test.txt", 2}},
     {"/a/test.txt", "/a/test.txt.bak", ""}, "/a/test.txt.bak", 40},
    {"a_containing_path_is_another_file",
     {{"/a/test.txt", 2}, {"/a/test.txt.bak", 40}},
     {"/a/test.txt.bak", "/a/test.txt", ""}, "/a/test.txt", 2},
    {"a_file_never_opened_has_no_line", {{"/t/a.txt", 5}}, {"/t/a.txt", ""}, "/t/b.txt", std::nullopt},
};

class HistoryRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(HistoryRules, AsTheMenuAndTheJumpSeeThem)
{
    const RuleCase &c = GetParam();
    RecentFiles recent;
    ReadingHistory history;
    for (const Step &s : c.steps) {
        recent.UpdateRecent(q(s.open));
        history.UpdateHistory(q(s.open), s.line);
    }
    ASSERT_EQ(recent.entries().size(), RecentFiles::Count);
    ASSERT_EQ(history.entries().size(), ReadingHistory::Count);
    for (size_t i = 0; i < c.recentTop.size(); ++i)
        EXPECT_EQ(recent.entries()[qsizetype(i)], q(c.recentTop[i])) << "entry " << i;
    EXPECT_EQ(history.lineOf(q(c.lookUp)), c.recorded);
}

INSTANTIATE_TEST_SUITE_P(Table, HistoryRules, ::testing::ValuesIn(ruleCases), test::CaseName{});

// Both lists against a plain model of the rule (whole path, ASCII letters
// folded, the file's own entry or else the oldest leaves) over a long random
// run of opens, with paths that contain one another and differ in case.
TEST(HistoryRules, FollowAPlainModelOverALongRun)
{
    auto fold = [](QString s) {
        for (QChar &c : s)
            if (c >= u'a' && c <= u'z')
                c = QChar(c.unicode() - 32);
        return s;
    };
    QRandomGenerator random(13);
    std::deque<QString> recentModel(RecentFiles::Count);
    std::deque<std::pair<int, QString>> historyModel(ReadingHistory::Count, {-1, QString()});
    RecentFiles recent;
    ReadingHistory history;
    for (int step = 0; step < 4000; ++step) {
        QString file = QStringLiteral("/d/f%1.txt").arg(random.bounded(200));
        if (random.bounded(4) == 0)
            file += QStringLiteral(".bak");
        if (random.bounded(3) == 0)
            file = file.toUpper();
        const int line = int(random.bounded(100000));

        auto same = [&](const QString &entry) { return !entry.isEmpty() && fold(entry) == fold(file); };
        auto r = std::find_if(recentModel.begin(), recentModel.end(), same);
        recentModel.erase(r != recentModel.end() ? r : recentModel.end() - 1);
        recentModel.push_front(file);
        auto h = std::find_if(historyModel.begin(), historyModel.end(), [&](const auto &e) { return same(e.second); });
        historyModel.erase(h != historyModel.end() ? h : historyModel.end() - 1);
        historyModel.emplace_front(line, file);

        recent.UpdateRecent(file);
        history.UpdateHistory(file, line);
    }
    for (int i = 0; i < RecentFiles::Count; ++i)
        ASSERT_EQ(recent.entries()[i], recentModel[size_t(i)]) << i;
    for (int i = 0; i < ReadingHistory::Count; ++i) {
        const auto &[line, file] = historyModel[size_t(i)];
        ASSERT_EQ(history.entries()[i], line < 0 ? QStringLiteral("\t") : QString::number(line) + u'\t' + file) << i;
        if (line < 0)
            continue;
        const auto first = std::find_if(historyModel.begin(), historyModel.end(),
                                        [&](const auto &e) { return fold(e.second) == fold(file); });
        ASSERT_EQ(history.lineOf(file.toLower()), first->first);
    }
}

TEST(HistoryRules, TheOneHundredTwentyNinthFilePushesTheOldestOut)
{
    ReadingHistory history;
    for (int i = 0; i < ReadingHistory::Count + 1; ++i)
        history.UpdateHistory(QStringLiteral("/f/%1.txt").arg(i), i);
    EXPECT_EQ(history.lineOf(QStringLiteral("/f/0.txt")), std::nullopt);
    EXPECT_EQ(history.lineOf(QStringLiteral("/f/1.txt")), 1);
    EXPECT_EQ(history.entries().first(), QStringLiteral("128\t/f/128.txt"));
    EXPECT_EQ(history.entries().size(), ReadingHistory::Count);
}

TEST(HistoryRules, ARecordedLineBeyondTheEndGoesToTheLastLine)
{
    EXPECT_EQ(ReadingHistory::clampedLine(500, 20), 20);
    EXPECT_EQ(ReadingHistory::clampedLine(12, 20), 12);
    EXPECT_EQ(ReadingHistory::clampedLine(500, 0), 0);
}

TEST(HistoryRules, TheMenuShowsAnAmpersandAsItself)
{
    EXPECT_EQ(RecentFiles::caption(0, q("/t/a&b.txt")), q("&1 /t/a&&b.txt"));
    EXPECT_EQ(RecentFiles::caption(5, QString()), q("&6 "));
}

// ---- the files ---------------------------------------------------------------

TEST(HistoryFiles, WrittenAsUtf16LeWithMarkAndCrLfAfterEveryLine)
{
    test::TempHome home;
    RecentFiles recent;
    ReadingHistory history;
    recent.UpdateRecent(J(u"/t/日本語.txt"));
    history.UpdateHistory(J(u"/t/日本語.txt"), 42);
    ASSERT_TRUE(recent.save().ok);
    ASSERT_TRUE(history.save().ok);

    QStringList recentLines(RecentFiles::Count);
    recentLines[0] = J(u"/t/日本語.txt");
    EXPECT_EQ(home.read(QStringLiteral("Quillon-Recent.txt")), test::utf16LeFile(recentLines));
    QStringList historyLines(ReadingHistory::Count, QStringLiteral("\t"));
    historyLines[0] = J(u"42\t/t/日本語.txt");
    EXPECT_EQ(home.read(QStringLiteral("Quillon-History.txt")), test::utf16LeFile(historyLines));

    // And read back as written.
    RecentFiles recentAgain;
    ReadingHistory historyAgain;
    EXPECT_EQ(recentAgain.load(), ListFile::State::Read);
    EXPECT_EQ(historyAgain.load(), ListFile::State::Read);
    EXPECT_EQ(recentAgain.entries(), recent.entries());
    EXPECT_EQ(historyAgain.entries(), history.entries());
}

// A file name may hold any character but '/' and NUL. One that cannot be
// written as one line is left out of both lists, so it can never turn into
// entries of its own at the next start.
TEST(HistoryFiles, ANameWithALineEndOrTabIsNotRecorded)
{
    test::TempHome home;
    RecentFiles recent;
    ReadingHistory history;
    recent.UpdateRecent(QStringLiteral("/t/kept.txt"));
    history.UpdateHistory(QStringLiteral("/t/kept.txt"), 3);
    for (const char *name : {"/t/a\n/etc/passwd", "/t/a\r\n5\t/etc/passwd", "/t/a\tb.txt", "/t/\x7f"}) {
        recent.UpdateRecent(QString::fromUtf8(name));
        history.UpdateHistory(QString::fromUtf8(name), 9);
    }
    ASSERT_TRUE(recent.save().ok);
    ASSERT_TRUE(history.save().ok);
    RecentFiles recentAgain;
    ReadingHistory historyAgain;
    recentAgain.load();
    historyAgain.load();
    EXPECT_EQ(recentAgain.entries(), recent.entries());
    EXPECT_EQ(historyAgain.entries(), history.entries());
    EXPECT_EQ(recentAgain.entries().at(0), QStringLiteral("/t/kept.txt"));
    EXPECT_EQ(recentAgain.entries().at(1), QString());
    EXPECT_EQ(historyAgain.lineOf(QStringLiteral("/t/kept.txt")), 3);
}

struct DamagedCase {
    const char *name;
    std::function<QByteArray()> bytes; // empty function: no file at all
    std::vector<const char *> recent;  // the usable entries, in order
    std::vector<const char *> history;
};

QByteArray tenThousandLines()
{
    QStringList lines;
    for (int i = 0; i < 10000; ++i)
        lines << QStringLiteral("%1\t/big/%1.txt").arg(i);
    return test::utf16LeFile(lines);
}

// A recent entry is a path: a line with a TAB (a history entry) is no path.
const DamagedCase damagedCases[] = {
    {"missing", {}, {}, {}},
    {"empty", [] { return QByteArray(); }, {}, {}},
    {"only_the_mark", [] { return test::utf16LeBom; }, {}, {}},
    {"fewer_lines", [] { return test::utf16LeFile({q("3\t/a.txt"), q("/b.txt")}); }, {"/b.txt"}, {"3\t/a.txt"}},
    // Cut in the middle of a character: the half code unit goes.
    {"truncated",
     [] { return test::utf16LeFile({q("/a.txt"), q("3\t/a.txt"), q("9\t/b.txt")}).left(2 + 16 + 20 + 9); },
     {"/a.txt"}, {"3\t/a.txt", "9\t/b"}},
    {"utf8_with_mark",
     []() -> QByteArray {
         return QByteArray("\xEF\xBB\xBF") + QStringLiteral("5\t/t/%1.txt\r\n/t/%1.txt\r\n").arg(J(u"日本")).toUtf8();
     },
     {"/t/\xE6\x97\xA5\xE6\x9C\xAC.txt"}, {"5\t/t/\xE6\x97\xA5\xE6\x9C\xAC.txt"}},
    {"utf8_without_mark_and_lf_only", [] { return QByteArray("7\t/u/a.txt\n/u/b.txt\n"); }, {"/u/b.txt"}, {"7\t/u/a.txt"}},
    {"bad_numbers",
     [] {
         return test::utf16LeFile({q("x\t/a.txt"), q("-3\t/b.txt"), q("1.5\t/c.txt"), q("99999999999\t/d.txt"),
                                   q("\t/e.txt"), q("4\t"), q("/f.txt"), q(" 12 \t/g.txt"), q("\t")});
     },
     {"/f.txt"}, {"12\t/g.txt", "\t"}},
    // Shift_JIS bytes read as UTF-8 do not decode: such a line names no file.
    {"another_encoding",
     [] { return QByteArray("1\t/s/\x93\xfa\x96\x7b.txt\r\n2\t/s/ok.txt\r\n/s/\x93\xfa.txt\r\n/s/ok.txt\r\n"); },
     {"/s/ok.txt"}, {"2\t/s/ok.txt"}},
    {"binary",
     [] {
         QByteArray b;
         for (int i = 0; i < 4096; ++i)
             b.append(char((i * 7919) & 0xFF));
         return b;
     },
     {}, {}},
};

class HistoryFilesDamaged : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(HistoryFilesDamaged, ReadWhatIsUsableAndPad)
{
    const DamagedCase &c = GetParam();
    test::TempHome home;
    if (c.bytes) {
        home.write(QStringLiteral("Quillon-Recent.txt"), c.bytes());
        home.write(QStringLiteral("Quillon-History.txt"), c.bytes());
    }
    RecentFiles recent;
    ReadingHistory history;
    recent.load();
    history.load();
    ASSERT_EQ(recent.entries().size(), RecentFiles::Count);
    ASSERT_EQ(history.entries().size(), ReadingHistory::Count);
    if (std::string_view(c.name) != "binary") {
        for (int i = 0; i < RecentFiles::Count; ++i)
            EXPECT_EQ(recent.entries()[i], size_t(i) < c.recent.size() ? q(c.recent[size_t(i)]) : QString()) << i;
    }
    for (int i = 0; i < ReadingHistory::Count; ++i)
        EXPECT_EQ(history.entries()[i], size_t(i) < c.history.size() ? q(c.history[size_t(i)]) : QStringLiteral("\t")) << i;
    // Whatever was read, the lists work and are written back whole.
    recent.UpdateRecent(q("/new.txt"));
    history.UpdateHistory(q("/new.txt"), 1);
    ASSERT_TRUE(recent.save().ok);
    ASSERT_TRUE(history.save().ok);
    RecentFiles again;
    again.load();
    EXPECT_EQ(again.entries(), recent.entries());
}

INSTANTIATE_TEST_SUITE_P(Table, HistoryFilesDamaged, ::testing::ValuesIn(damagedCases), test::CaseName{});

TEST(HistoryFiles, TenThousandLinesGiveTheFirstEntries)
{
    test::TempHome home;
    home.write(QStringLiteral("Quillon-Recent.txt"), tenThousandLines());
    home.write(QStringLiteral("Quillon-History.txt"), tenThousandLines());
    RecentFiles recent;
    ReadingHistory history;
    recent.load();
    history.load();
    ASSERT_EQ(recent.entries().size(), RecentFiles::Count);
    ASSERT_EQ(history.entries().size(), ReadingHistory::Count);
    EXPECT_EQ(history.entries().last(), q("127\t/big/127.txt"));
    EXPECT_EQ(history.lineOf(q("/big/0.txt")), 0);
    EXPECT_EQ(history.lineOf(q("/big/128.txt")), std::nullopt);
}

TEST(HistoryFiles, AFileThatCannotBeReadIsNeverOverwritten)
{
    test::TempHome home;
    const QByteArray original = test::utf16LeFile({q("3\t/kept.txt")});
    const QString file = home.write(QStringLiteral("Quillon-History.txt"), original);
    QFile::setPermissions(file, QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther);
    QFile::setPermissions(home.path(), QFileDevice::Permissions(0x7777));
    {
        test::PermissionsApply apply;
        ReadingHistory history;
        EXPECT_EQ(history.load(), ListFile::State::Unreadable);
        EXPECT_TRUE(history.keptUnread());
        history.UpdateHistory(q("/other.txt"), 1);
        EXPECT_FALSE(history.save().ok);
    }
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(home.read(QStringLiteral("Quillon-History.txt")), original);
}

TEST(PathMatch, WholePathWithAsciiLettersFolded)
{
    EXPECT_TRUE(PathMatch::samePath(u"/a/Test.TXT", u"/A/test.txt"));
    EXPECT_FALSE(PathMatch::samePath(u"/a/test.txt", u"/a/test.txt.bak"));
    EXPECT_FALSE(PathMatch::samePath(u"/a/test.txt.bak", u"/a/test.txt"));
    EXPECT_FALSE(PathMatch::samePath(u"", u""));
    // Only a-z fold: '[' (0x5B) and '{' (0x7B) are not letters.
    EXPECT_FALSE(PathMatch::samePath(u"/[", u"/{"));
}

} // namespace
