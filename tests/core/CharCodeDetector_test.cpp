#include "CharCodeDetector.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

using namespace quillon;

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text));
}

QByteArray operator""_b(const char *text, size_t size)
{
    return QByteArray(text, qsizetype(size));
}

struct Case {
    const char *name;
    QByteArray bytes;
    int code;
    int lineEnd;
    bool unknown = false;
    bool lfInCrLf = false;
    QByteArray copy = {}; // expected copy when unknown is set
};

QByteArray allBytes()
{
    QByteArray b;
    for (int i = 0; i < 256; ++i)
        b.append(char(i));
    return b;
}

QByteArray allBytesFiltered()
{
    QByteArray b = hex("09 0A 0D");
    for (int i = 0x20; i < 256; ++i)
        b.append(char(i));
    return b;
}

const std::vector<Case> &cases()
{
    static const std::vector<Case> table = {
        {"empty", {}, CodeShiftJis, LineEndNone},
        {"one letter", "A"_b, CodeShiftJis, LineEndNone},
        {"one LF", hex("0A"), CodeShiftJis, LineEndLf},
        {"one NUL", hex("00"), CodeShiftJis, LineEndNone, true, false, {}},
        // Two bytes: a table of pairs, first match wins.
        {"2: Shift_JIS hiragana", hex("82 A0"), CodeShiftJis, LineEndNone},
        {"2: EUC-JP hiragana", hex("A4 A2"), CodeEucJp, LineEndNone},
        {"2: EUC-JP full-width digit", hex("A3 B5"), CodeEucJp, LineEndNone},
        {"2: JIS hiragana", hex("24 22"), CodeJis, LineEndNone},
        {"2: JIS full-width letter", hex("23 7A"), CodeJis, LineEndNone},
        {"2: JIS out of range", hex("23 7B"), CodeShiftJis, LineEndNone},
        {"2: ASCII", "AB"_b, CodeShiftJis, LineEndNone},
        {"2: UTF-16LE mark", hex("FF FE"), CodeUtf16LeBom, LineEndNone},
        {"2: UTF-16BE mark", hex("FE FF"), CodeUtf16BeBom, LineEndNone},
        {"2: CR LF", hex("0D 0A"), CodeShiftJis, LineEndCrLf},
        // Marks.
        {"UTF-8 mark alone", hex("EF BB BF"), CodeUtf8Bom, LineEndNone},
        {"UTF-8 mark wins over Shift_JIS", hex("EF BB BF 82 A0 0A"), CodeUtf8Bom, LineEndLf},
        {"UTF-16LE mark, LF only", hex("FF FE 41 00 0A 00 42 00"), CodeUtf16LeBom, LineEndLf},
        {"UTF-16LE mark, CR LF", hex("FF FE 0D 00 0A 00"), CodeUtf16LeBom, LineEndCrLf},
        {"UTF-16BE mark, CR LF", hex("FE FF 00 41 00 0D 00 0A"), CodeUtf16BeBom, LineEndCrLf},
        {"UTF-16BE mark, CR only", hex("FE FF 00 41 00 0D"), CodeUtf16BeBom, LineEndCr},
        {"UTF-16LE mark, no line end", hex("FF FE 41 00"), CodeUtf16LeBom, LineEndNone},
        // Scans.
        {"percent d in ASCII is JIS", "printf(\"%d\\n\");\n"_b, CodeJis, LineEndLf},
        {"plain ASCII", "Hello, world.\r\n"_b, CodeShiftJis, LineEndCrLf},
        {"kana in UTF-8", "A\xE3\x81\x82\n"_b, CodeUtf8, LineEndLf},
        {"full-width letter in UTF-8", "A\xEF\xBD\x81\n"_b, CodeUtf8, LineEndLf},
        {"UTF-8 guarded by Shift_JIS lead", hex("82 E3 81 82 41"), CodeShiftJis, LineEndNone},
        {"81 guards EF", hex("81 EF BC 91 41"), CodeShiftJis, LineEndNone},
        {"82 does not guard EF", hex("82 EF BC 91 41"), CodeUtf8, LineEndNone},
        {"A0 does not guard E3", hex("A0 E3 81 82 41"), CodeUtf8, LineEndNone},
        {"UTF-8 at offset 0", hex("E3 81 82 41"), CodeUtf8, LineEndNone},
        {"UTF-8 in the last three bytes is not scanned", hex("41 E3 81 82"), CodeShiftJis, LineEndNone},
        {"three-byte UTF-8 file is not scanned", hex("E3 81 82"), CodeShiftJis, LineEndNone},
        {"kanji-only UTF-8", "\xE6\xBC\xA2\xE5\xAD\x97\n"_b, CodeShiftJis, LineEndLf},
        // ... and falls to the later scans: "日本語" holds the EUC-JP pair A5 E6.
        {"kanji-only UTF-8 taken as EUC-JP", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\n"_b, CodeEucJp, LineEndLf},
        {"Shift_JIS before EUC-JP", hex("A4 A2 82 A0 41"), CodeShiftJis, LineEndNone},
        {"EUC-JP before JIS", hex("24 22 A4 A2 41"), CodeEucJp, LineEndNone},
        {"pair in the last two bytes is not scanned", hex("41 82 A0"), CodeShiftJis, LineEndNone},
        {"EUC-JP pair in the last two bytes", hex("41 A4 A2"), CodeShiftJis, LineEndNone},
        {"JIS text with escapes", hex("1B 24 42 24 22 1B 28 42 0D 0A"), CodeJis, LineEndCrLf},
        // Wide line ends without a mark.
        {"UTF-16LE CR LF", hex("41 00 0D 00 0A 00"), CodeUtf16Le, LineEndCrLf},
        {"UTF-16BE CR LF", hex("00 41 00 0D 00 0A"), CodeUtf16Be, LineEndCrLf},
        {"UTF-16LE CR", hex("41 00 0D 00"), CodeUtf16Le, LineEndCr},
        {"UTF-16BE LF", hex("00 41 00 0A"), CodeUtf16Be, LineEndLf},
        {"wide CR LF only at even offsets", hex("41 0D 00 0A 00"), CodeUtf16Be, LineEndLf},
        {"wide CR LF beats an earlier wide LF", hex("0A 00 41 00 0D 00 0A 00"), CodeUtf16Le, LineEndCrLf},
        {"UTF-8 mark with a wide line end", hex("EF BB BF 41 0D 00 0A 00"), CodeUtf16Le, LineEndCrLf},
        // Byte counting.
        {"CR only", "A\rB\r"_b, CodeShiftJis, LineEndCr},
        {"LF only", "A\nB\n"_b, CodeShiftJis, LineEndLf},
        {"CR LF and a lone LF", "\x82\xA0\r\nA\nB\r\n"_b, CodeShiftJis, LineEndCrLf, false, true},
        {"CR LF and a lone CR", "A\r\nB\rC\r\n"_b, CodeShiftJis, LineEndCrLf, false, true},
        // Control bytes.
        {"NUL at the last sampled byte", QByteArray(4094, 'A') + hex("00") + "A\n"_b, CodeShiftJis,
         LineEndLf, true, false, QByteArray(4095, 'A') + "\n"_b},
        {"NUL after the sample", QByteArray(4095, 'A') + hex("00") + "A\n"_b, CodeShiftJis, LineEndLf},
        {"escape is not a control byte", "A\x1B(B\n"_b, CodeShiftJis, LineEndLf},
        {"escape dropped from a flagged copy", hex("41 01 1B 42 09 0D 0A 7F 80 FF"), CodeShiftJis, LineEndCrLf,
         true, false, hex("41 42 09 0D 0A 7F 80 FF")},
        {"every byte value", allBytes(), CodeShiftJis, LineEndCrLf, true, false, allBytesFiltered()},
        {"UTF-16 is never flagged", hex("41 00 01 00 0A 00"), CodeUtf16Le, LineEndLf},
    };
    return table;
}

TEST(CharCodeDetector, Table)
{
    for (const Case &c : cases()) {
        SCOPED_TRACE(c.name);
        const DetectResult r = detectCharCode(c.bytes);
        EXPECT_EQ(r.charCode, c.code);
        EXPECT_EQ(r.lineEnd, c.lineEnd);
        EXPECT_EQ(r.unknownChar, c.unknown);
        EXPECT_EQ(r.lfInCrLf, c.lfInCrLf);
        const bool utf16 = c.code >= CodeUtf16BeBom && c.code <= CodeUtf16Le;
        EXPECT_EQ(r.writesCopy, !c.bytes.isEmpty() && !utf16);
        EXPECT_EQ(r.copy, c.copy);
    }
}

// Bytes 00-08, 0B, 0C, 0E-1A and 1C-1F flag a file; nothing else does.
TEST(CharCodeDetector, ControlByteSet)
{
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        // The byte at an even offset after "AA" is never part of a wide line end.
        const QByteArray bytes = "AA"_b + char(b) + "A"_b;
        const DetectResult r = detectCharCode(bytes);
        const bool control = b < 0x20 && b != 0x09 && b != 0x0A && b != 0x0D && b != 0x1B;
        EXPECT_EQ(r.unknownChar, control);
        EXPECT_EQ(r.copy, control ? "AAA"_b : QByteArray());
    }
}

// The detection as the description states it, one byte at a time, to check
// the scans that skip ahead with memchr.
DetectResult reference(const QByteArray &s)
{
    using B = unsigned char;
    auto b = [&](qsizetype i) { return B(s[i]); };
    auto in = [](B v, B lo, B hi) { return v >= lo && v <= hi; };
    auto sjis = [&](B x, B y) {
        return (x == 0x82 && (in(y, 0x9F, 0xF1) || in(y, 0x4F, 0x58) || in(y, 0x60, 0x79) || in(y, 0x81, 0x9A)))
            || (x == 0x83 && in(y, 0x40, 0x96));
    };
    auto euc = [&](B x, B y) {
        return (x == 0xA4 && in(y, 0xA1, 0xF3)) || (x == 0xA5 && in(y, 0xA1, 0xF6))
            || (x == 0xA3 && (in(y, 0xB0, 0xB9) || in(y, 0xC1, 0xDA) || in(y, 0xE1, 0xFA)));
    };
    auto jis = [&](B x, B y) {
        return (x == 0x24 && in(y, 0x21, 0x73)) || (x == 0x25 && in(y, 0x21, 0x76))
            || (x == 0x23 && (in(y, 0x30, 0x39) || in(y, 0x41, 0x5A) || in(y, 0x61, 0x7A)));
    };
    const qsizetype n = s.size();
    DetectResult r;
    if (n == 0) {
        r.lineEnd = 3;
        return r;
    }
    int code = 1;
    if (n == 2) {
        if (b(0) == 0xFF && b(1) == 0xFE) code = 9;
        else if (b(0) == 0xFE && b(1) == 0xFF) code = 7;
        else if (euc(b(0), b(1))) code = 3;
        else if (sjis(b(0), b(1))) code = 1;
        else if (jis(b(0), b(1))) code = 2;
    } else if (n >= 3) {
        if (b(0) == 0xEF && b(1) == 0xBB && b(2) == 0xBF) code = 5;
        else if (b(0) == 0xFF && b(1) == 0xFE) code = 9;
        else if (b(0) == 0xFE && b(1) == 0xFF) code = 7;
        else {
            bool found = false;
            for (qsizetype i = 0; n >= 4 && i <= n - 4 && !found; ++i) {
                const B x = b(i), y = b(i + 1), z = b(i + 2);
                const bool pat = (x == 0xE3 && y == 0x81 && in(z, 0x81, 0xBF))
                    || (x == 0xE3 && y == 0x82 && (in(z, 0x80, 0x93) || in(z, 0xA1, 0xBF)))
                    || (x == 0xE3 && y == 0x83 && in(z, 0x80, 0xB6))
                    || (x == 0xEF && y == 0xBC && (in(z, 0x90, 0x99) || in(z, 0xA1, 0xBA)))
                    || (x == 0xEF && y == 0xBD && in(z, 0x81, 0x9A));
                const bool guard = i >= 1
                    && ((b(i - 1) == 0x81 && x >= 0xE3) || (in(b(i - 1), 0x82, 0x9F) && x <= 0xE3));
                if (pat && !guard) { code = 6; found = true; }
            }
            for (qsizetype i = 0; i <= n - 3 && !found; ++i)
                if (sjis(b(i), b(i + 1))) { code = 1; found = true; }
            for (qsizetype i = 0; i <= n - 3 && !found; ++i)
                if (euc(b(i), b(i + 1))) { code = 3; found = true; }
            for (qsizetype i = 0; i <= n - 3 && !found; ++i)
                if (jis(b(i), b(i + 1))) { code = 2; found = true; }
        }
    }
    const bool mark = code == 7 || code == 9;
    int lineEnd = -1;
    for (qsizetype i = mark ? 2 : 0; i <= n - 4; i += 2) {
        if (b(i) == 0x0D && b(i + 1) == 0 && b(i + 2) == 0x0A && b(i + 3) == 0) {
            lineEnd = 0; if (!mark) code = 10; break;
        }
        if (b(i) == 0 && b(i + 1) == 0x0D && b(i + 2) == 0 && b(i + 3) == 0x0A) {
            lineEnd = 0; if (!mark) code = 8; break;
        }
    }
    for (qsizetype i = 0; lineEnd < 0 && i <= n - 2; i += 2) {
        int le = -1, c = 0;
        if (b(i) == 0 && b(i + 1) == 0x0D) { le = 1; c = 8; }
        else if (b(i) == 0x0D && b(i + 1) == 0) { le = 1; c = 10; }
        else if (b(i) == 0 && b(i + 1) == 0x0A) { le = 2; c = 8; }
        else if (b(i) == 0x0A && b(i + 1) == 0) { le = 2; c = 10; }
        if (le >= 0) { lineEnd = le; if (!mark) code = c; }
    }
    if (lineEnd < 0) {
        const auto cr = s.count('\r'), lf = s.count('\n');
        lineEnd = cr && lf ? 0 : cr ? 1 : lf ? 2 : 3;
        r.lfInCrLf = cr && lf && cr != lf;
    }
    r.charCode = code;
    r.lineEnd = lineEnd;
    if (code < 7) {
        r.writesCopy = true;
        for (qsizetype i = 0; i < std::min<qsizetype>(n, 4095); ++i) {
            const B v = b(i);
            if (v < 0x20 && v != 0x09 && v != 0x0A && v != 0x0D && v != 0x1B) r.unknownChar = true;
        }
        for (qsizetype i = 0; r.unknownChar && i < n; ++i)
            if (b(i) >= 0x20 || b(i) == 0x09 || b(i) == 0x0A || b(i) == 0x0D) r.copy.append(s[i]);
    }
    return r;
}

TEST(CharCodeDetector, AgreesWithBytewiseReference)
{
    // Bytes that take part in some pattern, so random strings hit the edges.
    static const unsigned char alphabet[] = {0x00, 0x0A, 0x0D, 0x01, 0x1B, 0x23, 0x24, 0x25, 0x41, 0x61,
                                             0x81, 0x82, 0x83, 0x9F, 0xA0, 0xA3, 0xA4, 0xA5, 0xB0, 0xBC,
                                             0xBD, 0xE3, 0xEF, 0xFE, 0xFF, 0x91,
                                             // near CR and LF: line ends are counted eight bytes at once
                                             0x8D, 0x8A, 0x0C, 0x0E, 0x09, 0x0B};
    QRandomGenerator rng(20240607);
    for (int round = 0; round < 30000; ++round) {
        const int n = int(rng.bounded(40));
        QByteArray s(n, Qt::Uninitialized);
        for (int i = 0; i < n; ++i)
            s[i] = char(alphabet[rng.bounded(int(sizeof alphabet))]);
        const DetectResult expected = reference(s);
        // Also read in halves at once, split down to the smallest inputs.
        const DetectResult actual = detectCharCode(s, round % 2 ? DetectSplitFrom : 2);
        if (!(actual == expected)) {
            ADD_FAILURE() << "bytes " << s.toHex(' ').constData() << ": got " << actual.charCode << "/"
                          << actual.lineEnd << " flags " << actual.unknownChar << actual.lfInCrLf
                          << ", expected " << expected.charCode << "/" << expected.lineEnd << " flags "
                          << expected.unknownChar << expected.lfInCrLf;
            return;
        }
    }
}

// The line-end pass counts many bytes at a time and sums its counts block by
// block: long inputs, dense and sparse, with the counts equal or one apart,
// at lengths around the block edges.
TEST(CharCodeDetector, LineEndCountsAgreeWithBytewiseReferenceOnLongInputs)
{
    QRandomGenerator rng(20261211);
    const int lengths[] = {15, 16, 17, 31, 4079, 4080, 4081, 4095, 4096, 4097, 8159, 8160, 8161, 12000};
    const unsigned char fillers[] = {'a', ' ', 0x8A, 0x8D, 0x0C, 0x0E, 0x82, 0xA0};
    for (int length : lengths) {
        for (int density : {0, 1, 50, 100}) { // percent of the bytes that are line ends
            for (int round = 0; round < 8; ++round) {
                QByteArray s(length, Qt::Uninitialized);
                for (int i = 0; i < length; ++i) {
                    if (int(rng.bounded(100)) < density)
                        s[i] = rng.bounded(2) ? '\r' : '\n';
                    else
                        s[i] = char(fillers[rng.bounded(int(sizeof fillers))]);
                }
                // Half of them balanced: as many CR as LF, then one more of either.
                if (round % 2 == 0) {
                    const qsizetype crs = s.count('\r');
                    const qsizetype lfs = s.count('\n');
                    for (int i = 0; i < length && s.count('\r') != s.count('\n'); ++i) {
                        if (s[i] != '\r' && s[i] != '\n')
                            s[i] = crs > lfs ? '\n' : '\r';
                    }
                    if (round % 4 == 0 && length > 0)
                        s[int(rng.bounded(length))] = rng.bounded(2) ? '\r' : '\n';
                }
                const DetectResult expected = reference(s);
                for (qsizetype split : {DetectSplitFrom, qsizetype(2)}) {
                    const DetectResult actual = detectCharCode(s, split);
                    ASSERT_EQ(actual.lineEnd, expected.lineEnd) << "length " << length << " density " << density;
                    ASSERT_EQ(actual.lfInCrLf, expected.lfInCrLf) << "length " << length << " density " << density;
                    ASSERT_TRUE(actual == expected) << "length " << length << " density " << density;
                }
            }
        }
    }
    // Every byte a line end, longer than one block: no count may wrap.
    for (const char *unit : {"\r", "\n", "\r\n"}) {
        for (int length : {4080, 4096, 8192}) {
            QByteArray s;
            while (s.size() < length)
                s += unit;
            s.truncate(length);
            for (const QByteArray &t : {s, QByteArray(s + "\n"), QByteArray("\r" + s)}) {
                const DetectResult expected = reference(t);
                EXPECT_TRUE(detectCharCode(t, DetectSplitFrom) == expected) << unit << " x " << t.size();
                EXPECT_TRUE(detectCharCode(t, 2) == expected) << unit << " x " << t.size();
            }
        }
    }
}

// File level: reading, errors and the copy file.

class DetectFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    QString write(const char *name, const QByteArray &bytes) const
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }

    static QByteArray read(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir;
};

TEST_F(DetectFile, CopyFileFollowsTheResult)
{
    struct Row {
        const char *name;
        QByteArray bytes;
        QByteArray copyAfter;
    };
    const Row rows[] = {
        {"flagged copy is written", "A\x01" "B\x1B\r\n"_b, "AB\r\n"_b},
        {"clean file empties the copy", "plain\r\n"_b, QByteArray()},
        {"empty file leaves it", QByteArray(), "old"_b},
        {"UTF-16 leaves it", hex("FF FE 41 00 01 00"), "old"_b},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QString copy = write("copy.txt", "old"_b);
        const QString file = write("in.txt", row.bytes);
        const DetectFileResult r = GetCharCodeRetCode(file, copy);
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(r.detection, detectCharCode(row.bytes));
        EXPECT_TRUE(r.copyError.isEmpty());
        EXPECT_EQ(read(copy), row.copyAfter);
    }
}

TEST_F(DetectFile, EmptyCopyPathWritesNothing)
{
    const QString file = write("in.txt", "A\x01"_b);
    const DetectFileResult r = GetCharCodeRetCode(file, QString());
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.detection.unknownChar);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{QStringLiteral("in.txt")});
}

TEST_F(DetectFile, CopyWriteFailureKeepsTheDetection)
{
    const QString file = write("in.txt", "\x82\xA0\r\n"_b);
    const DetectFileResult r = GetCharCodeRetCode(file, path("no-such-folder/copy.txt"));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.detection.charCode, CodeShiftJis);
    EXPECT_FALSE(r.copyError.isEmpty());
}

TEST_F(DetectFile, MissingFile)
{
    const QString copy = write("copy.txt", "old"_b);
    const DetectFileResult r = GetCharCodeRetCode(path("missing.txt"), copy);
    EXPECT_EQ(r.error, DetectFileError::NotFound);
    EXPECT_EQ(read(copy), "old"_b);
    EXPECT_EQ(detectErrorMessage(r, true), QString::fromUtf16(u"Information : ファイルがありません"));
    EXPECT_EQ(detectErrorMessage(r, false), QStringLiteral("Information : File is not exist.\r\n[OK]"));
    EXPECT_EQ(GetCharCodeRetCode(QString(), copy).error, DetectFileError::NotFound);
}

// A file that cannot be read is reported, not examined as zero bytes.
TEST_F(DetectFile, UnreadableIsAnErrorNotZeroBytes)
{
    const QString copy = write("copy.txt", "old"_b);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    for (const char *name : {"folder", "fifo"}) {
        SCOPED_TRACE(name);
        const DetectFileResult r = GetCharCodeRetCode(path(name), copy);
        EXPECT_EQ(r.error, DetectFileError::CannotRead);
        EXPECT_FALSE(r.reason.isEmpty());
        EXPECT_TRUE(detectErrorMessage(r, false).contains(r.reason));
        EXPECT_EQ(read(copy), "old"_b);
    }
}

TEST_F(DetectFile, NoPermission)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    const QString file = write("secret.txt", "A\x01"_b);
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0), 0);
    const DetectFileResult r = GetCharCodeRetCode(file, QString());
    EXPECT_EQ(r.error, DetectFileError::CannotRead);
    EXPECT_FALSE(r.reason.isEmpty());
}

TEST_F(DetectFile, LargerThanThirtyTwoBitsIsRefused)
{
    QFile f(path("huge.bin"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    if (!f.resize(MaxDetectFileSize + 1))
        GTEST_SKIP() << "no sparse files here";
    f.close();
    const DetectFileResult r = GetCharCodeRetCode(f.fileName(), QString());
    EXPECT_EQ(r.error, DetectFileError::TooLarge);
    EXPECT_FALSE(detectErrorMessage(r, false).isEmpty());
}

} // namespace
