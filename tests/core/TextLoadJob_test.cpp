// A large file loads on a thread and shows its text as it goes: everything
// shown is, and stays, a prefix of the final text (the same units and line
// starts; a first screen decoded from the file's first bytes, then the text
// in the memory the final text keeps), the final text is that of a plain
// load, a first screen whose guess the whole file does not bear out is
// withdrawn, and a stopped load ends at once with what it showed still
// readable.
#include "CharCode.h"
#include "TextLoadJob.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QFile>
#include <thread>
#include <vector>

using namespace quillon;

namespace {

QByteArray hashOf(const void *data, qsizetype bytes)
{
    return QCryptographicHash::hash(QByteArrayView(static_cast<const char *>(data), bytes),
                                    QCryptographicHash::Md5);
}

struct Seen {
    qsizetype units = 0;
    int lines = 0;
    QByteArray textHash, startsHash;
    const char16_t *text = nullptr;
    int era = 0;
};

// Every snapshot the load publishes until it ends (each a new line count or era).
std::vector<Seen> watch(TextLoadJob &job)
{
    std::vector<Seen> seen;
    TextShown last;
    while (!job.ended()) {
        const TextShown s = job.progress().shown();
        if (s.lines == last.lines && s.era == last.era) {
            std::this_thread::yield();
            continue;
        }
        last = s;
        if (s.lines == 0)
            continue;
        // Whole lines only: the text shown ends with the line end before the last start.
        EXPECT_EQ(s.lineStarts[s.lines - 1], s.units);
        seen.push_back({s.units, s.lines, hashOf(s.text, s.units * 2), hashOf(s.lineStarts, s.lines * 4), s.text,
                        s.era});
    }
    return seen;
}

void expectPrefixes(const std::vector<Seen> &seen, const TextBuffer &final)
{
    std::vector<int32_t> starts;
    for (int i = 0; i < final.lineCount(); ++i)
        starts.push_back(final.lineStart(i));
    for (const Seen &s : seen) {
        SCOPED_TRACE(s.lines);
        ASSERT_LE(s.units, final.length());
        EXPECT_EQ(s.textHash, hashOf(final.text().constData(), s.units * 2));
        EXPECT_EQ(s.startsHash, hashOf(starts.data(), s.lines * 4));
    }
}

// About size bytes of lines in a code: a word of two kanji, ASCII, and all
// three line ends (CR LF, a lone LF, a lone CR).
QByteArray linesOf(QByteArray word, qsizetype size, bool utf16 = false)
{
    const auto ascii = [utf16](const char *s) {
        QByteArray b;
        for (const char *p = s; *p; ++p) {
            b += *p;
            if (utf16)
                b += '\0';
        }
        return b;
    };
    QByteArray out;
    for (int i = 0; out.size() < size; ++i)
        out += word + ascii(QByteArray::number(i).constData()) + ascii(i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
    return out;
}

struct Case {
    const char *name;
    int code;
    QByteArray bytes;
};

class TextLoadJobTest : public ::testing::TestWithParam<Case> {};

TEST_P(TextLoadJobTest, ShowsOnlyPrefixesOfTheFinalText)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(GetParam().bytes);
    f.close();

    const std::shared_ptr<TextLoadJob> job = TextLoadJob::start(path, GetParam().code, QString(), 0);
    const std::vector<Seen> seen = watch(*job);
    const LoadedText loaded = job->take();
    ASSERT_TRUE(loaded.ok());
    const LoadedText plain = TextLoader::load(path, GetParam().code, QString());
    ASSERT_TRUE(plain.ok());
    ASSERT_EQ(loaded.buffer->text(), plain.buffer->text());
    ASSERT_EQ(loaded.buffer->lineCount(), plain.buffer->lineCount());

    ASSERT_GE(seen.size(), 2u) << "nothing was shown before the end";
    expectPrefixes(seen, *loaded.buffer);
    // First the screen decoded from the first bytes alone, then the text in
    // the memory it keeps.
    ASSERT_TRUE(job->progress().firstScreen);
    EXPECT_EQ(seen.front().text, job->progress().firstScreen->data());
    EXPECT_LE(seen.front().units, 1 << 20);
    for (size_t i = 1; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].text, reinterpret_cast<const char16_t *>(loaded.buffer->text().constData()));
        EXPECT_GT(seen[i].lines, seen[i - 1].lines);
    }
    for (const Seen &s : seen)
        EXPECT_EQ(s.era, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, TextLoadJobTest,
    ::testing::Values(Case{"ShiftJis", CodeShiftJis, linesOf(QByteArray("\x93\xFA\x96\x7B"), 12 << 20)},
                      Case{"EucJp", CodeEucJp, linesOf(QByteArray("\xC6\xFC\xCB\xDC"), 12 << 20)},
                      Case{"Utf8", CodeUtf8, linesOf(QByteArray("\xE6\x97\xA5\xE6\x9C\xAC"), 12 << 20)},
                      Case{"Utf16Le", CodeUtf16Le, linesOf(QByteArray("\xE5\x65\x2C\x67", 4), 12 << 20, true)}),
    test::CaseName());

// A file whose first megabyte reads as Shift_JIS (half-width katakana in
// EUC-JP are two-byte kanji in Shift_JIS) but whose hiragana further on make
// it EUC-JP: the first screen goes, and what follows is the EUC-JP text.
TEST(TextLoadJob, AFirstScreenTheWholeFileBeliesIsWithdrawn)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(linesOf(QByteArray("\x8E\xB1\x8E\xB2"), 2 << 20) + linesOf(QByteArray("\xA4\xA2"), 10 << 20));
    f.close();

    const std::shared_ptr<TextLoadJob> job = TextLoadJob::start(path, CodeAuto, QString(), 0);
    const std::vector<Seen> seen = watch(*job);
    const LoadedText loaded = job->take();
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.codeInEffect, CodeEucJp);
    EXPECT_TRUE(loaded.buffer->text().startsWith(QString::fromUtf16(u"ｱｲ0\r\n")));
    EXPECT_EQ(job->progress().shown().era, 1);

    ASSERT_FALSE(seen.empty());
    ASSERT_EQ(seen.front().era, 0);
    EXPECT_EQ(seen.front().text, job->progress().firstScreen->data());
    EXPECT_EQ(QStringView(seen.front().text, 2), QString::fromUtf16(u"竺軸")) << "read as Shift_JIS at first";
    std::vector<Seen> after;
    for (const Seen &s : seen) {
        if (s.era == 1)
            after.push_back(s);
    }
    EXPECT_FALSE(after.empty()) << "nothing shown of the text itself";
    expectPrefixes(after, *loaded.buffer);
}

TEST(TextLoadJob, StopEndsTheLoadAndLeavesWhatWasShown)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(linesOf(QByteArray("\x93\xFA\x96\x7B"), 48 << 20));
    f.close();

    const std::shared_ptr<TextLoadJob> job = TextLoadJob::start(path, CodeShiftJis, QString(), 0);
    job->progress().waitShown(2, std::chrono::seconds(30));
    job->stop();
    EXPECT_TRUE(job->ended());
    const TextShown s = job->progress().shown();
    ASSERT_GE(s.lines, 2);
    // Still readable (the sanitizer build would see a freed text here).
    EXPECT_EQ(QStringView(s.text, 2), QString::fromUtf16(u"日本"));
    EXPECT_EQ(s.text[s.units - 1], u'\n');
}

TEST(TextLoadJob, SmallFilesAndUncutCodesShowNothingBeforeTheEnd)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(linesOf(QByteArray("\x1B$BF|K\\\x1B(B"), 1 << 20)); // JIS: its state is not cut
    f.close();
    for (const auto &[code, from] : {std::pair{CodeJis, qint64(0)}, std::pair{CodeShiftJis, qint64(2) << 20}}) {
        const std::shared_ptr<TextLoadJob> job = TextLoadJob::start(path, code, QString(), from);
        const LoadedText loaded = job->take();
        EXPECT_TRUE(job->ended());
        EXPECT_TRUE(loaded.ok());
        EXPECT_EQ(job->progress().shown().lines, 0);
        EXPECT_EQ(loaded.buffer->text(), TextLoader::load(path, code, QString()).buffer->text());
    }
}

} // namespace
