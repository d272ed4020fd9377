// Decoders: one table of pinned bytes for every decoder, strict errors, and a
// contract every decoder must keep.
#include "Decoder.h"

#include <gtest/gtest.h>

#include <iconv.h>
#include <random>
#include <string>
#include <string_view>

using namespace std::literals;

namespace quillon {
namespace {

const char *kindName(DecoderKind kind)
{
    switch (kind) {
    case DecoderKind::Cp932: return "Cp932";
    case DecoderKind::Iso2022Jp: return "Iso2022Jp";
    case DecoderKind::EucJp: return "EucJp";
    case DecoderKind::Utf7: return "Utf7";
    case DecoderKind::Utf8Strict: return "Utf8Strict";
    case DecoderKind::Utf8Lenient: return "Utf8Lenient";
    case DecoderKind::Utf16Be: return "Utf16Be";
    case DecoderKind::Utf16Le: return "Utf16Le";
    }
    return "?";
}

constexpr DecoderKind allKinds[] = {
    DecoderKind::Cp932,      DecoderKind::Iso2022Jp,   DecoderKind::EucJp,   DecoderKind::Utf7,
    DecoderKind::Utf8Strict, DecoderKind::Utf8Lenient, DecoderKind::Utf16Be, DecoderKind::Utf16Le,
};

struct Decoded {
    bool ok = false;
    DecodeError error;
    TextBuffer buffer;
    qsizetype hint = 0;
};

Decoded decodeWith(DecoderKind kind, QByteArrayView bytes)
{
    Decoded d;
    d.hint = decodedCapacityHint(kind, bytes);
    TextSink sink(d.hint);
    auto decoder = createDecoder(kind);
    d.ok = decoder->decode(bytes, sink, &d.error);
    d.buffer = sink.finish();
    return d;
}

QString show(const QString &s)
{
    QString out;
    for (QChar c : s)
        out += QStringLiteral("%1 ").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    return out.trimmed();
}

QByteArrayView view(std::string_view s) { return QByteArrayView(s.data(), qsizetype(s.size())); }

constexpr char16_t R = u'\u30FB'; // the replacement of the Japanese code pages

struct Pin {
    DecoderKind kind;
    std::string_view bytes;
    std::u16string_view text; // after line-end normalisation
    const char *what;
};

const std::u16string rep1(1, R);

const Pin pins[] = {
    // Shift_JIS (code page 932)
    {DecoderKind::Cp932, "\x5c\x7e"sv, u"\\~"sv, "yen and overline bytes stay ASCII"},
    {DecoderKind::Cp932, "\x1a\x1c\x7f"sv, u"\x1a\x1c\x7f"sv, "controls map to themselves"},
    {DecoderKind::Cp932, "\x81\x5f\x81\x60"sv, u"\uff3c\uff5e"sv, "fullwidth reverse solidus, tilde"},
    {DecoderKind::Cp932, "\x87\x40\xed\x40\xfa\x40"sv, u"\u2460\u7e8a\u2170"sv, "NEC row 13, NEC-selected IBM, IBM"},
    {DecoderKind::Cp932, "\xa1\xdf"sv, u"\uff61\uff9f"sv, "half-width katakana"},
    {DecoderKind::Cp932, "\x82\xa0\x93\xfa"sv, u"\u3042\u65e5"sv, "kana and kanji"},
    {DecoderKind::Cp932, "\xf0\x40\xf9\xfc"sv, u"\ue000\ue757"sv, "user-defined area"},
    {DecoderKind::Cp932, "\x80\xa0\xfd\xfe\xff"sv, u"\u0080\uf8f0\uf8f1\uf8f2\uf8f3"sv, "single bytes of Windows' table"},
    {DecoderKind::Cp932, "a\0b"sv, u"a\0b"sv, "NUL is text"},
    {DecoderKind::Cp932, "\x85\x40" "A"sv, u"\u30fb" "A"sv, "pair without a character"},
    {DecoderKind::Cp932, "\x85" "A" "B"sv, u"\u30fb" "B"sv, "lead and a trail-range byte are one pair"},
    {DecoderKind::Cp932, "\x81\nA"sv, u"\u30fb\r\nA"sv, "bad lead does not eat a line feed"},
    {DecoderKind::Cp932, "\x81 \x82\xa0"sv, u"\u30fb \u3042"sv, "bad lead does not eat a space"},
    {DecoderKind::Cp932, "\x81\x82\xa0"sv, u"\u2260\uf8f0"sv, "a lead byte after a lead is its trail"},
    {DecoderKind::Cp932, "a\x81"sv, u"a\u30fb"sv, "lone lead byte at the end"},
    {DecoderKind::Cp932, "a\rb\nc\r\nd\n\re\r"sv, u"a\r\nb\r\nc\r\nd\r\n\r\ne\r\n"sv, "line ends"},

    // JIS (code page 50220)
    {DecoderKind::Iso2022Jp, "\x1b$B\x24\x22\x1b(Ba"sv, u"\u3042a"sv, "ESC $ B and back"},
    {DecoderKind::Iso2022Jp, "\x1b$@\x24\x22\x1b(J\x5c\x7e"sv, u"\u3042\\~"sv, "ESC $ @, ESC ( J reads as ASCII"},
    {DecoderKind::Iso2022Jp, "\x1b(I\x21\x5f\x60\x1b(Ba"sv, u"\uff61\uff9f\u30fb" "a"sv, "ESC ( I half-width katakana"},
    {DecoderKind::Iso2022Jp, "\x0e\x21\x5f\x0f\x21"sv, u"\uff61\uff9f!"sv, "SO/SI half-width katakana"},
    {DecoderKind::Iso2022Jp, "\x1b$B\x2d\x21\x79\x21\x1b(B"sv, u"\u2460\u7e8a"sv, "NEC row 13 and IBM rows via JIS"},
    {DecoderKind::Iso2022Jp, "\x1b$B\x22\x2f"sv, u"\u30fb"sv, "JIS pair without a character"},
    {DecoderKind::Iso2022Jp, "\x1b$B\x24\x22\r\n\x24\x22"sv, u"\u3042\r\n\u3042"sv, "two-byte mode spans a line end"},
    {DecoderKind::Iso2022Jp, "\x1b$B\x24\x22\x24"sv, u"\u3042\u30fb"sv, "odd tail byte is replaced, not lost"},
    {DecoderKind::Iso2022Jp, "\x1b$B\x24\n\x24\x22"sv, u"\u30fb\r\n\u3042"sv, "odd byte before a line end"},
    {DecoderKind::Iso2022Jp, "\x1b$(D\x30\x21\x1b(Bz"sv, u"\u30fbz"sv, "JIS X 0212 has no mapping"},
    {DecoderKind::Iso2022Jp, "\x1b&@\x1b$B\x24\x22"sv, u"\u3042"sv, "1990 announcer"},
    {DecoderKind::Iso2022Jp, "\x1b&@ab"sv, u"ab"sv, "announcer before ASCII leaves ASCII"},
    {DecoderKind::Iso2022Jp, "\x1b$B\x24\x22\x1b&@\x24\x22\x1b(Bc"sv, u"\u3042\u3042c"sv,
     "announcer inside two-byte text leaves two-byte"},
    {DecoderKind::Iso2022Jp, "a\x1bxb\x1b$"sv, u"a\x1bxb\x1b$"sv, "unknown and cut escapes are kept"},
    {DecoderKind::Iso2022Jp, "\x82\xa0\xb1"sv, u"\u3042\uff71"sv, "8-bit bytes read as Shift_JIS"},

    // EUC-JP (code page 20932)
    {DecoderKind::EucJp, "\xa4\xa2\x5c\x7e"sv, u"\u3042\\~"sv, "kana and ASCII"},
    {DecoderKind::EucJp, "\xa1\xc0\xa1\xc1"sv, u"\uff3c\uff5e"sv, "mapped as code page 932"},
    {DecoderKind::EucJp, "\xad\xa1\xf9\xa1"sv, u"\u2460\u7e8a"sv, "NEC row 13 and NEC-selected IBM rows"},
    {DecoderKind::EucJp, "\x8e\xa1\x8e\xdf"sv, u"\uff61\uff9f"sv, "8E half-width katakana"},
    {DecoderKind::EucJp, "\x8f\xb0\xa1" "a"sv, u"\u30fb" "a"sv, "8F three-byte sequence is one replacement"},
    {DecoderKind::EucJp, "\x8f" "a\x8f\xb0"sv, u"\u30fb" "a\u30fb"sv, "cut 8F sequences"},
    {DecoderKind::EucJp, "\x8e\xe0" "a\x8e"sv, u"\u30fb\u30fb" "a\u30fb"sv, "8E without katakana after it"},
    {DecoderKind::EucJp, "\xa4\n\xa4"sv, u"\u30fb\r\n\u30fb"sv, "lone lead before LF and at the end"},
    {DecoderKind::EucJp, "\x80\xa0\xff"sv, u"\u30fb\u30fb\u30fb"sv, "bytes that start nothing"},

    // UTF-7 (code page 65000)
    {DecoderKind::Utf7, "Hi Mom -+Jjo--!"sv, u"Hi Mom -\u263a-!"sv, "RFC 2152 example"},
    {DecoderKind::Utf7, "A+ImIDkQ."sv, u"A\u2262\u0391."sv, "base64 ended by a direct character"},
    {DecoderKind::Utf7, "1 +- 1"sv, u"1 + 1"sv, "+- is plus"},
    {DecoderKind::Utf7, "+2D3eAA-"sv, u"\U0001F600"sv, "surrogate pair"},
    {DecoderKind::Utf7, "+ZeVnLIqe"sv, u"\u65e5\u672c\u8a9e"sv, "unterminated base64 at the end"},
    {DecoderKind::Utf7, "+AA0ACgAK-"sv, u"\r\n\r\n"sv, "encoded line ends"},
    {DecoderKind::Utf7, "a+"sv, u"a"sv, "plus at the end"},
    {DecoderKind::Utf7, "~\\\xe9"sv, u"~\\\u00e9"sv, "high byte zero-extended"},

    // UTF-8
    {DecoderKind::Utf8Strict, "a\xe3\x81\x82\xf0\x9f\x98\x80\0"sv, u"a\u3042\U0001F600\0"sv, "valid"},
    {DecoderKind::Utf8Strict, "\xef\xbb\xbfx"sv, u"\ufeffx"sv, "a mark is not skipped"},
    {DecoderKind::Utf8Lenient, "\xc3" "a"sv, u"\ufffd" "a"sv, "cut sequence does not eat the next byte"},
    {DecoderKind::Utf8Lenient, "\xe3\x81"sv, u"\ufffd"sv, "cut sequence at the end is one replacement"},
    {DecoderKind::Utf8Lenient, "\xed\xa0\x80"sv, u"\ufffd\ufffd\ufffd"sv, "surrogate"},
    {DecoderKind::Utf8Lenient, "\xc0\xaf\xf4\x90\x80\x80"sv, u"\ufffd\ufffd\ufffd\ufffd\ufffd\ufffd"sv, "overlong, beyond U+10FFFF"},
    {DecoderKind::Utf8Lenient, "\xf0\x9f\x98\n"sv, u"\ufffd\r\n"sv, "cut four-byte sequence before LF"},

    // UTF-16
    {DecoderKind::Utf16Be, "\x30\x42\0a\0\0"sv, u"\u3042a\0"sv, "big-endian"},
    {DecoderKind::Utf16Le, "\x42\x30" "a\0"sv, u"\u3042" "a"sv, "little-endian"},
    {DecoderKind::Utf16Be, "\0a\0"sv, u"a"sv, "trailing byte ignored"},
    {DecoderKind::Utf16Le, "\xff\xfe" "a\0"sv, u"\ufeff" "a"sv, "a mark is not skipped"},
    {DecoderKind::Utf16Be, "\xd8\x3d\0\r\0\n\0\n"sv, u"\xd83d\r\n\r\n"sv, "lone surrogate kept, line ends"},
};

TEST(Decoder, PinnedBytes)
{
    for (const Pin &pin : pins) {
        SCOPED_TRACE(std::string(kindName(pin.kind)) + ": " + pin.what);
        const Decoded d = decodeWith(pin.kind, view(pin.bytes));
        EXPECT_TRUE(d.ok);
        // Not fromUtf16: that would drop a leading U+FEFF.
        const QString want(reinterpret_cast<const QChar *>(pin.text.data()), qsizetype(pin.text.size()));
        EXPECT_EQ(show(d.buffer.text()).toStdString(), show(want).toStdString());
        EXPECT_EQ(d.buffer.lineCount(), int(want.count(QStringLiteral("\r\n"))) + 1);
        // The UTF-8 pins hold valid text: the lenient decoder must agree.
        if (pin.kind == DecoderKind::Utf8Strict) {
            EXPECT_EQ(decodeWith(DecoderKind::Utf8Lenient, view(pin.bytes)).buffer.text(), want);
        }
    }
}

TEST(Decoder, StrictUtf8ReportsTheOffsetOfTheBadSequence)
{
    const struct {
        std::string_view bytes;
        qsizetype offset;
    } cases[] = {
        {"ab\xc3("sv, 2},          {"\x80"sv, 0},         {"a\xe3\x81"sv, 1}, {"\xc0\xaf"sv, 0},
        {"\xe3\x81\x82\xed\xa0\x80"sv, 3}, {"xyz\xf4\x90\x80\x80"sv, 3}, {"\xff"sv, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QByteArray(c.bytes.data(), qsizetype(c.bytes.size())).toHex().toStdString());
        const Decoded d = decodeWith(DecoderKind::Utf8Strict, view(c.bytes));
        EXPECT_FALSE(d.ok);
        EXPECT_EQ(d.error.byteOffset, c.offset);
        EXPECT_TRUE(d.error.english.contains(QString::number(c.offset)));
        EXPECT_TRUE(d.error.japanese.contains(QString::number(c.offset)));
        EXPECT_FALSE(d.error.japanese == d.error.english);
    }
}

// Every two-, three- and four-byte sequence of a lead byte and continuation
// bytes, against a model that computes the code point from the bits: strict
// UTF-8 takes it exactly when it is the shortest form of a scalar value (no
// overlong form, no surrogate, nothing above U+10FFFF) and otherwise stops at
// the lead byte. The last continuation byte of a four-byte form does not
// change which of these it is, so two values of it stand for all.
TEST(Decoder, StrictUtf8TakesOnlyShortestFormsOfScalarValues)
{
    int overlong = 0, surrogate = 0, beyond = 0;
    auto seqOf = [](std::initializer_list<int> bytes) {
        QByteArray seq;
        for (int b : bytes)
            seq.append(char(b));
        return seq;
    };
    auto check = [&](const QByteArray &seq) {
        const int n = int(seq.size());
        char32_t cp = uchar(seq[0]) & (0x7F >> n);
        for (int i = 1; i < n; ++i)
            cp = (cp << 6) | (uchar(seq[i]) & 0x3F);
        const char32_t shortest = n == 2 ? 0x80 : n == 3 ? 0x800 : 0x10000;
        overlong += cp < shortest;
        surrogate += cp >= shortest && cp >= 0xD800 && cp <= 0xDFFF;
        beyond += cp > 0x10FFFF;
        const bool valid = cp >= shortest && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
        const QByteArray bytes = "a" + seq + "z";
        const Decoded d = decodeWith(DecoderKind::Utf8Strict, QByteArrayView(bytes));
        const std::string hex = seq.toHex(' ').toStdString();
        if (valid) {
            EXPECT_TRUE(d.ok) << hex;
            EXPECT_EQ(d.buffer.text(), QStringLiteral("a") + QStringView(QChar::fromUcs4(cp)) + QStringLiteral("z")) << hex;
        } else {
            EXPECT_FALSE(d.ok) << hex;
            EXPECT_EQ(d.error.byteOffset, 1) << hex;
        }
    };
    for (int b0 = 0xC0; b0 <= 0xDF; ++b0)
        for (int b1 = 0x80; b1 <= 0xBF; ++b1)
            check(seqOf({b0, b1}));
    for (int b0 = 0xE0; b0 <= 0xEF; ++b0)
        for (int b1 = 0x80; b1 <= 0xBF; ++b1)
            for (int b2 = 0x80; b2 <= 0xBF; ++b2)
                check(seqOf({b0, b1, b2}));
    for (int b0 = 0xF0; b0 <= 0xF7; ++b0)
        for (int b1 = 0x80; b1 <= 0xBF; ++b1)
            for (int b2 = 0x80; b2 <= 0xBF; ++b2)
                for (int b3 : {0x80, 0xBF})
                    check(seqOf({b0, b1, b2, b3}));
    // C0 and C1 (2 x 64), E0 80-9F (32 x 64, E0 80 AF among them) and
    // F0 80-8F (16 x 64 x 2, F0 80 80 AF among them) are all the overlong forms.
    EXPECT_EQ(overlong, 128 + 2048 + 2048);
    EXPECT_EQ(surrogate, 2048);               // ED A0-BF
    EXPECT_EQ(beyond, (48 + 3 * 64) * 64 * 2); // F4 90-BF, F5-F7
}

TEST(Decoder, Utf16OfOneByteIsAnError)
{
    for (DecoderKind kind : {DecoderKind::Utf16Be, DecoderKind::Utf16Le}) {
        const Decoded d = decodeWith(kind, "a");
        EXPECT_FALSE(d.ok) << kindName(kind);
        EXPECT_FALSE(d.error.english.isEmpty());
        EXPECT_FALSE(d.error.japanese.isEmpty());
        EXPECT_TRUE(d.buffer.isEmpty());
    }
}

// The committed table against glibc's converter: every single byte and every
// lead/trail pair glibc knows must come out the same through the decoder.
TEST(Decoder, Cp932AgreesWithGlibc)
{
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    if (cd == iconv_t(-1))
        GTEST_SKIP() << "glibc has no CP932 converter";
    auto viaIconv = [&](const char *in, size_t len) -> int {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char out[8];
        char *ip = const_cast<char *>(in);
        char *op = out;
        size_t il = len, ol = sizeof out;
        if (iconv(cd, &ip, &il, &op, &ol) == size_t(-1) || il != 0 || ol != sizeof out - 2)
            return -1;
        return uchar(out[0]) | uchar(out[1]) << 8;
    };
    int compared = 0;
    for (int lead = 0; lead < 256; ++lead) {
        for (int trail = -1; trail < 256; ++trail) {
            char in[2] = {char(lead), char(trail)};
            const size_t len = trail < 0 ? 1 : 2;
            const int want = viaIconv(in, len);
            if (want < 0 || want == '\r' || want == '\n')
                continue;
            if (len == 2 && viaIconv(in, 1) >= 0)
                continue; // two characters, not a pair
            const Decoded d = decodeWith(DecoderKind::Cp932, QByteArrayView(in, qsizetype(len)));
            ASSERT_EQ(d.buffer.length(), 1) << std::hex << lead << ' ' << trail;
            ASSERT_EQ(int(d.buffer.text().at(0).unicode()), want) << std::hex << lead << ' ' << trail;
            ++compared;
        }
    }
    iconv_close(cd);
    EXPECT_GT(compared, 9000);
}

// Every decoder over the same inputs.
QByteArray asInputFor(DecoderKind kind, std::string_view ascii)
{
    QByteArray out;
    for (char c : ascii) {
        if (kind == DecoderKind::Utf16Be)
            out.append('\0').append(c);
        else if (kind == DecoderKind::Utf16Le)
            out.append(c).append('\0');
        else
            out.append(c);
    }
    return out;
}

TEST(DecoderContract, EmptyInputIsOneEmptyLine)
{
    for (DecoderKind kind : allKinds) {
        const Decoded d = decodeWith(kind, QByteArrayView());
        EXPECT_TRUE(d.ok) << kindName(kind);
        EXPECT_TRUE(d.buffer.isEmpty()) << kindName(kind);
        EXPECT_EQ(d.buffer.lineCount(), 1) << kindName(kind);
    }
}

TEST(DecoderContract, AsciiWithMixedLineEnds)
{
    const std::string_view input = "one\rtwo\nthree\r\nfour\n\rfive\r\n\r\n"sv;
    const QString want = QStringLiteral("one\r\ntwo\r\nthree\r\nfour\r\n\r\nfive\r\n\r\n");
    for (DecoderKind kind : allKinds) {
        SCOPED_TRACE(kindName(kind));
        const Decoded d = decodeWith(kind, asInputFor(kind, input));
        EXPECT_TRUE(d.ok);
        EXPECT_EQ(d.buffer.text(), want);
        ASSERT_EQ(d.buffer.lineCount(), 8);
        EXPECT_EQ(d.buffer.line(2), QStringLiteral("three"));
        EXPECT_EQ(d.buffer.line(5), QStringLiteral("five"));
        EXPECT_LE(d.buffer.length(), d.hint);
    }
}

// Random input, half of it drawn from the bytes the state machines care
// about: no crash, never more units than the hint, a consistent line index.
TEST(DecoderContract, RandomBytes)
{
    std::mt19937 rng(20932);
    const std::string_view special = "\x1b$@B(JID&\x0e\x0f\r\n+-/AZaz09\x80\x81\x8e\x8f\xa0\xa1\xc3\xdf\xe0\xe3\xed\xf0\xf4\xfc\xfd\xff\0"sv;
    for (int round = 0; round < 400; ++round) {
        QByteArray bytes;
        const int len = int(rng() % 200);
        for (int i = 0; i < len; ++i)
            bytes.append(rng() % 2 ? special[rng() % special.size()] : char(rng() % 256));
        for (DecoderKind kind : allKinds) {
            SCOPED_TRACE(std::string(kindName(kind)) + " " + bytes.toHex().toStdString());
            const Decoded d = decodeWith(kind, bytes);
            ASSERT_LE(d.buffer.length(), d.hint);
            // The bound of a caller that counted the line-break bytes, and
            // the lines they can start.
            const qsizetype breaks = bytes.count('\r') + bytes.count('\n');
            ASSERT_LE(d.buffer.length(), decodedCapacityHint(kind, bytes, breaks));
            if (lineBreaksAreBytes(kind)) {
                ASSERT_LE(d.buffer.lineCount(), breaks + 1);
            }
            const bool mayFail = kind == DecoderKind::Utf8Strict
                || (len == 1 && (kind == DecoderKind::Utf16Be || kind == DecoderKind::Utf16Le));
            if (!mayFail) {
                ASSERT_TRUE(d.ok);
            }
            if (!d.ok) {
                ASSERT_GE(d.error.byteOffset, 0);
                ASSERT_LT(d.error.byteOffset, qsizetype(len));
                continue;
            }
            const QString &text = d.buffer.text();
            for (int line = 0; line < d.buffer.lineCount(); ++line) {
                const QStringView l = d.buffer.line(line);
                ASSERT_FALSE(l.contains(u'\r') || l.contains(u'\n'));
                if (line + 1 < d.buffer.lineCount()) {
                    ASSERT_EQ(QStringView(text).mid(d.buffer.lineStart(line) + l.size(), 2), u"\r\n");
                }
            }
        }
    }
}

// Whole texts as the files hold them: ASCII runs of every length between
// the characters of the code, with every kind of line end, decoded at once
// and compared with glibc converting the same bytes (its line ends made
// CR LF). The ASCII runs are measured many bytes at a time, so what matters
// is where a run starts and ends, not the characters.
QString viaGlibc(const char *code, const QByteArray &bytes)
{
    iconv_t cd = iconv_open("UTF-16LE", code);
    if (cd == iconv_t(-1))
        return QStringLiteral("<no converter>");
    QByteArray out(bytes.size() * 4 + 16, Qt::Uninitialized);
    char *ip = const_cast<char *>(bytes.constData());
    char *op = out.data();
    size_t il = size_t(bytes.size()), ol = size_t(out.size());
    const size_t r = iconv(cd, &ip, &il, &op, &ol);
    iconv_close(cd);
    if (r == size_t(-1) || il != 0)
        return QStringLiteral("<glibc refused>");
    QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(out.constData()),
                                      (out.size() - qsizetype(ol)) / 2);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

TEST(DecoderContract, LongMixedTextsAgreeWithGlibc)
{
    // Characters of each code that glibc converts as the code page does.
    auto sjisChars = [] {
        std::vector<QByteArray> chars;
        for (int lead : {0x82, 0x83, 0x88, 0x93, 0x9F, 0xE0, 0xEA})
            for (int trail = 0x40; trail <= 0xFC; trail += 7)
                chars.push_back(QByteArray{char(lead), char(trail)});
        for (int kana = 0xA1; kana <= 0xDF; kana += 5)
            chars.push_back(QByteArray(1, char(kana)));
        return chars;
    };
    auto eucChars = [] {
        std::vector<QByteArray> chars;
        for (int row : {0xA4, 0xA5, 0xB0, 0xC6})
            for (int cell = 0xA1; cell <= 0xF3; cell += 3)
                chars.push_back(QByteArray{char(row), char(cell)});
        for (int kana = 0xA1; kana <= 0xDF; kana += 5)
            chars.push_back(QByteArray{char(0x8E), char(kana)});
        return chars;
    };
    auto utf8Chars = [] {
        std::vector<QByteArray> chars;
        for (char32_t cp : {U'\u00E9', U'\u3042', U'\u65E5', U'\uFF61', U'\uFFFD', U'\U0001F600', U'\U00020B9F'})
            chars.push_back(QString::fromUcs4(&cp, 1).toUtf8());
        return chars;
    };
    struct Row {
        DecoderKind kind;
        const char *glibc;
        std::vector<QByteArray> chars;
    };
    const Row rows[] = {
        {DecoderKind::Cp932, "CP932", sjisChars()},
        {DecoderKind::EucJp, "EUC-JP", eucChars()},
        {DecoderKind::Utf8Strict, "UTF-8", utf8Chars()},
        {DecoderKind::Utf8Lenient, "UTF-8", utf8Chars()},
    };
    const char *lineEnds[] = {"", "", "", "\r\n", "\r", "\n", "\n\r", "\r\n\r\n"};
    for (const Row &row : rows) {
        SCOPED_TRACE(kindName(row.kind));
        std::mt19937 rng(20261211);
        for (int round = 0; round < 6; ++round) {
            QByteArray bytes;
            // Long enough that the decoder's staging fills and empties many times.
            while (bytes.size() < 60000) {
                const int run = int(rng() % (round < 3 ? 24 : 70));
                for (int i = 0; i < run; ++i)
                    bytes.append(char(0x20 + rng() % 0x5F));
                if (rng() % 5 == 0)
                    bytes.append('\t');
                bytes.append(lineEnds[rng() % std::size(lineEnds)]);
                const int chars = int(rng() % 4);
                for (int i = 0; i < chars; ++i)
                    bytes.append(row.chars[rng() % row.chars.size()]);
            }
            const Decoded d = decodeWith(row.kind, bytes);
            ASSERT_TRUE(d.ok);
            const QString want = viaGlibc(row.glibc, bytes);
            ASSERT_EQ(d.buffer.length(), want.size());
            for (qsizetype i = 0; i < want.size(); ++i)
                ASSERT_EQ(d.buffer.text().at(i), want.at(i)) << "unit " << i;
            // The line index is the text's own.
            int starts = 1;
            for (qsizetype i = 0; i + 1 < want.size(); ++i)
                starts += want.at(i) == u'\r' && want.at(i + 1) == u'\n';
            ASSERT_EQ(d.buffer.lineCount(), starts);
        }
    }
}

// Decoding in one go must not depend on how the sink's buffer grows.
TEST(DecoderContract, LargeInputWithoutHint)
{
    QByteArray sjis;
    for (int i = 0; i < 20000; ++i)
        sjis.append("\x82\xa0" "abc\r\n\x93\xfa\xa1");
    TextSink sink;
    ASSERT_TRUE(createDecoder(DecoderKind::Cp932)->decode(sjis, sink, nullptr));
    const TextBuffer b = sink.finish();
    EXPECT_EQ(b.lineCount(), 20001);
    EXPECT_EQ(b.line(19999), QString::fromUtf16(u"\u65e5\uff61\u3042abc"));
}

} // namespace
} // namespace quillon
