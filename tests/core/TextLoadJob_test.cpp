// A large file loads on a thread and shows its text as it goes: everything
// shown is, and stays, a prefix of the final text (the same units and line
// starts, in the same memory), the final text is that of a plain load, and a
// stopped load ends at once with what it showed still readable.
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

struct Seen {
    qsizetype units = 0;
    int lines = 0;
    QByteArray textHash, startsHash;
    const char16_t *text = nullptr;
};

QByteArray hashOf(const void *data, qsizetype bytes)
{
    return QCryptographicHash::hash(QByteArrayView(static_cast<const char *>(data), bytes),
                                    QCryptographicHash::Md5);
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
    std::vector<Seen> seen;
    int last = 0;
    while (!job->ended()) {
        const TextShown s = job->progress().shown();
        if (s.lines == last) {
            std::this_thread::yield();
            continue;
        }
        last = s.lines;
        // Whole lines only: the text shown ends with the line end before the last start.
        ASSERT_EQ(s.lineStarts[s.lines - 1], s.units);
        seen.push_back({s.units, s.lines, hashOf(s.text, s.units * 2), hashOf(s.lineStarts, s.lines * 4), s.text});
    }
    const LoadedText loaded = job->take();
    ASSERT_TRUE(loaded.ok());
    const LoadedText plain = TextLoader::load(path, GetParam().code, QString());
    ASSERT_TRUE(plain.ok());
    ASSERT_EQ(loaded.buffer->text(), plain.buffer->text());
    ASSERT_EQ(loaded.buffer->lineCount(), plain.buffer->lineCount());

    std::vector<int32_t> starts;
    for (int i = 0; i < loaded.buffer->lineCount(); ++i)
        starts.push_back(loaded.buffer->lineStart(i));
    EXPECT_FALSE(seen.empty()) << "nothing was shown before the end";
    for (const Seen &s : seen) {
        SCOPED_TRACE(s.lines);
        EXPECT_EQ(s.text, reinterpret_cast<const char16_t *>(loaded.buffer->text().constData()));
        ASSERT_LE(s.units, loaded.buffer->length());
        EXPECT_EQ(s.textHash, hashOf(loaded.buffer->text().constData(), s.units * 2));
        EXPECT_EQ(s.startsHash, hashOf(starts.data(), s.lines * 4));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Codes, TextLoadJobTest,
    ::testing::Values(Case{"ShiftJis", CodeShiftJis, linesOf(QByteArray("\x93\xFA\x96\x7B"), 12 << 20)},
                      Case{"EucJp", CodeEucJp, linesOf(QByteArray("\xC6\xFC\xCB\xDC"), 12 << 20)},
                      Case{"Utf8", CodeUtf8, linesOf(QByteArray("\xE6\x97\xA5\xE6\x9C\xAC"), 12 << 20)},
                      Case{"Utf16Le", CodeUtf16Le, linesOf(QByteArray("\xE5\x65\x2C\x67", 4), 12 << 20, true)}),
    test::CaseName());

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
