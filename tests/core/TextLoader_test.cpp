// A large file is decoded a stretch at a time, so the bytes behind the
// decoder can leave memory: the text must be exactly that of one decode, for
// every code, however the stretches fall.
#include "CharCode.h"
#include "TextLoadProgress.h"
#include "TextLoader.h"
#include "support/AddressLimit.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <random>
#include <string_view>

using namespace quillon;
using namespace std::literals;

namespace {

struct Stretches {
    std::vector<std::pair<qsizetype, qsizetype>> parts; // offset, size
    [[nodiscard]] bool coverInOrder(qsizetype total) const
    {
        qsizetype at = 0;
        for (const auto &[offset, size] : parts) {
            if (offset != at || size <= 0)
                return false;
            at += size;
        }
        return at == total;
    }
};

void expectSameText(const QByteArray &bytes, int code)
{
    SCOPED_TRACE("code " + std::to_string(code));
    const LoadedText whole = TextLoader::decodeBytes(bytes, code);
    Stretches seen;
    const LoadedText cut = TextLoader::decodeBytes(bytes, code, [&](QByteArrayView done) {
        seen.parts.emplace_back(done.data() - bytes.constData(), done.size());
    });
    ASSERT_EQ(cut.status, whole.status);
    EXPECT_EQ(cut.reasonEnglish, whole.reasonEnglish);
    if (!whole.ok())
        return;
    ASSERT_EQ(cut.buffer->text(), whole.buffer->text());
    ASSERT_EQ(cut.buffer->lineCount(), whole.buffer->lineCount());
    for (int line = 0; line < whole.buffer->lineCount(); ++line)
        ASSERT_EQ(cut.buffer->lineStart(line), whole.buffer->lineStart(line)) << line;
    if (!seen.parts.empty()) {
        // UTF-16 is cut only at LF units, which random bytes seldom hold.
        if (code != CodeUtf16Be && code != CodeUtf16Le) {
            EXPECT_GT(seen.parts.size(), 1u);
        }
        EXPECT_TRUE(seen.coverInOrder(bytes.size()));
    }
}

QByteArray randomText(std::mt19937 &rng, qsizetype size)
{
    const std::string_view special = "\r\n\r\n\x82\xa0\x81\x8e\x8f\xa1\xa4\xc3\xa9\xe3\x81\x82\xed\xf0\x80\xfc\xff\x1b$B("sv;
    QByteArray bytes;
    bytes.reserve(size);
    while (bytes.size() < size) {
        const auto r = rng();
        if (r % 97 == 0)
            bytes.append('\n');
        else
            bytes.append(r % 3 ? char(0x20 + r % 0x5f) : special[(r >> 8) % special.size()]);
    }
    return bytes;
}

} // namespace

TEST(TextLoader, StretchesGiveTheTextOfOneDecode)
{
    std::mt19937 rng(932);
    for (int round = 0; round < 3; ++round) {
        QByteArray bytes = randomText(rng, 1600 * 1024);
        // Lead bytes right before the line feeds where stretches are cut (the
        // first line feed at or after each 256 KB step), and a CR before one.
        for (qsizetype at : {qsizetype(256 * 1024), qsizetype(600 * 1024), qsizetype(900 * 1024)}) {
            const char *before[] = {"a\x82", "\x82\r", "\x82\x8e"}; // a lone lead byte, CR, a whole character
            bytes[at - 2] = before[round][0];
            bytes[at - 1] = before[round][1];
            bytes[at] = '\n';
        }
        for (int code = CodeShiftJis; code <= CodeLast; ++code)
            expectSameText(bytes, code);
    }
}

TEST(TextLoader, AnErrorFarIntoAStretchedDecodeNamesItsPlaceInTheFile)
{
    QByteArray utf8;
    while (utf8.size() < 1500 * 1024)
        utf8.append("日本語のテキスト line\r\n");
    utf8[1200 * 1024] = '\xff';
    const LoadedText whole = TextLoader::decodeBytes(utf8, CodeUtf8);
    ASSERT_EQ(whole.status, LoadedText::Status::DecodeError);
    expectSameText(utf8, CodeUtf8);
    // The valid file decodes stretch by stretch to the same text.
    utf8[1200 * 1024] = ' ';
    expectSameText(utf8, CodeUtf8);
}

// A file the system has not the memory for is refused as too large, never
// ended by a failed allocation; and the room a load shown while it runs
// asks for is bounded by its line breaks, so a machine with a little more
// memory than the text takes can open it. The load runs in a child process
// whose address space is limited.
#ifdef QUILLON_CAN_LIMIT_ADDRESS_SPACE
namespace {

// 0 Ok, 1 TooLarge, 2 anything else; see runUnderAddressLimit for the rest.
int loadUnderLimit(const QString &path, qint64 extraMb)
{
    return test::runUnderAddressLimit(extraMb, [&] {
        TextLoadProgress progress;
        const LoadedText loaded = TextLoader::load(path, CodeAuto, QString(), &progress);
        return loaded.ok() ? 0 : loaded.status == LoadedText::Status::TooLarge ? 1 : 2;
    });
}

} // namespace

TEST(TextLoader, AFileTheSystemHasNoMemoryForIsTooLarge)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("big.txt"));
    {
        // 64 MB of Shift_JIS lines: its text takes about 100 MB.
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QByteArray line;
        while (line.size() < 60)
            line += "\x93\xFA\x96\x7B text ";
        line += "\r\n";
        QByteArray block;
        while (block.size() < (1 << 20))
            block += line;
        for (int i = 0; i < 64; ++i)
            f.write(block);
    }
    // Bytes, text and the pieces decoded apart fit in 500 MB (about 350 MB
    // on two cores); room reserved by the byte count alone, rounded up to
    // powers of two, did not fit in 1600 MB.
    EXPECT_EQ(loadUnderLimit(path, 500), 0);
    // 100 MB holds the bytes but not the text: refused, not ended.
    EXPECT_EQ(loadUnderLimit(path, 100), 1);
}
#endif
