// A large text is decoded on several cores in pieces cut at line feeds; the
// joined text must be exactly that of one decoder over the whole input, for
// every code that is cut, wherever the cuts fall.
#include "Decoder.h"
#include "ParallelDecoder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <atomic>
#include <random>
#include <string_view>

using namespace quillon;
using namespace std::literals;

namespace {

struct Decoded {
    bool ok = false;
    QString error;
    QString text;
    std::vector<int> lineStarts;
};

Decoded collect(bool ok, const DecodeError &error, TextSink &sink)
{
    Decoded d;
    d.ok = ok;
    d.error = error.english;
    if (!ok)
        return d;
    const TextBuffer buffer = sink.finish();
    d.text = buffer.text();
    for (int line = 0; line < buffer.lineCount(); ++line)
        d.lineStarts.push_back(buffer.lineStart(line));
    return d;
}

Decoded oneDecoder(DecoderKind kind, QByteArrayView bytes)
{
    TextSink sink;
    DecodeError error;
    const bool ok = createDecoder(kind)->decode(bytes, sink, &error);
    return collect(ok, error, sink);
}

Decoded inPieces(DecoderKind kind, QByteArrayView bytes, const std::vector<qsizetype> &cuts)
{
    TextSink sink(decodedCapacityHint(kind, bytes));
    DecodeError error;
    std::atomic<qsizetype> reported{0};
    const bool ok = ParallelDecoder::decode(kind, bytes, cuts, sink, &error,
                                            [&](QByteArrayView done) { reported += done.size(); });
    if (ok) {
        EXPECT_EQ(reported.load(), bytes.size()) << "every byte is reported done once";
    }
    return collect(ok, error, sink);
}

struct Kind {
    DecoderKind kind;
    const char *name;
};
const Kind kCutKinds[] = {
    {DecoderKind::Cp932, "Cp932"},           {DecoderKind::EucJp, "EucJp"},
    {DecoderKind::Utf8Strict, "Utf8Strict"}, {DecoderKind::Utf8Lenient, "Utf8Lenient"},
    {DecoderKind::Utf16Le, "Utf16Le"},       {DecoderKind::Utf16Be, "Utf16Be"},
};

// Every way of cutting bytes into 2 to 4 pieces the decoder would choose
// with small pieces, compared with one decoder; returns the cuts seen.
size_t expectSameAsOneDecoder(const Kind &k, const QByteArray &bytes, const std::string &what)
{
    SCOPED_TRACE(what + " as " + k.name);
    const Decoded whole = oneDecoder(k.kind, bytes);
    size_t cutsSeen = 0;
    for (int parts = 2; parts <= 4; ++parts) {
        for (qsizetype minPiece : {qsizetype(1), qsizetype(7), bytes.size() / 5}) {
            const std::vector<qsizetype> cuts = ParallelDecoder::cutPoints(k.kind, bytes, parts, minPiece);
            cutsSeen += cuts.size();
            const Decoded cut = inPieces(k.kind, bytes, cuts);
            EXPECT_EQ(cut.ok, whole.ok) << parts << " parts";
            EXPECT_EQ(cut.error, whole.error) << parts << " parts";
            EXPECT_TRUE(cut.text == whole.text) << parts << " parts, pieces at " << ::testing::PrintToString(cuts);
            EXPECT_EQ(cut.lineStarts, whole.lineStarts) << parts << " parts";
        }
    }
    return cutsSeen;
}

QByteArray randomBytes(std::mt19937 &rng, qsizetype size)
{
    // Line feeds and zeros at both parities (an LF byte that is not an LF
    // unit in UTF-16), lead bytes, CR, broken UTF-8 and escapes.
    const std::string_view special = "\n\n\n\r\0\0\x82\xa0\x81\x8e\x8f\xa1\xa4\xc3\xa9\xe3\x81\x82\xed\xf0\x80\xfc\xff\x1b"sv;
    QByteArray bytes;
    while (bytes.size() < size) {
        const auto r = rng();
        bytes.append(r % 3 ? char(0x20 + r % 0x5f) : special[(r >> 8) % special.size()]);
    }
    return bytes;
}

} // namespace

TEST(ParallelDecoder, PiecesGiveTheTextOfOneDecoder)
{
    const QString samples = QDir::cleanPath(QStringLiteral(QUILLON_TEST_DATA "/../../samples"));
    const QStringList files = QDir(samples).entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    std::mt19937 rng(20932);
    for (const Kind &k : kCutKinds) {
        size_t cuts = 0;
        for (const QString &name : files) {
            QFile f(samples + u'/' + name);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            cuts += expectSameAsOneDecoder(k, f.readAll(), name.toStdString());
        }
        for (int round = 0; round < 20; ++round)
            cuts += expectSameAsOneDecoder(k, randomBytes(rng, 200 + round * 37), "random " + std::to_string(round));
        EXPECT_GT(cuts, 20u) << k.name << ": the inputs must really be cut";
    }
}

TEST(ParallelDecoder, WhatEndsAPieceIsNotTakenApartFromItsNeighbour)
{
    // A Shift_JIS lead byte, a CR, and a whole character right before the
    // line feed a cut follows; a CR LF whose LF ends a piece.
    for (const char *before : {"a\x82", "\x82\r", "\x82\x8e", "\x8f\xa1", "\xe3\x81"}) {
        QByteArray bytes;
        for (int i = 0; i < 6; ++i)
            bytes += QByteArray("\x82\xa0\x82\xa2 text ") + before + "\n";
        for (const Kind &k : kCutKinds) {
            if (k.kind == DecoderKind::Utf16Le || k.kind == DecoderKind::Utf16Be)
                continue;
            const auto cuts = ParallelDecoder::cutPoints(k.kind, bytes, 4, 1);
            ASSERT_EQ(cuts.size(), 3u);
            for (qsizetype at : cuts)
                EXPECT_EQ(bytes[at - 1], '\n');
            expectSameAsOneDecoder(k, bytes, before);
        }
    }
    // UTF-16: "0A 00" straddling two units is no line feed in LE, "00 0A"
    // at an even offset none in BE.
    const QByteArray le("\x41\x0a\x00\x42\x0a\x00\x43\x00\x0a\x00\x44\x00", 12);
    EXPECT_EQ(ParallelDecoder::cutPoints(DecoderKind::Utf16Le, le, 2, 2), std::vector<qsizetype>{10});
    const QByteArray be("\x0a\x41\x00\x0a\x00\x0a\x00\x44", 8);
    EXPECT_EQ(ParallelDecoder::cutPoints(DecoderKind::Utf16Be, be, 2, 2), std::vector<qsizetype>{6});
}

TEST(ParallelDecoder, AnErrorInALaterPieceNamesItsPlaceInTheWholeInput)
{
    QByteArray utf8;
    while (utf8.size() < 4000)
        utf8.append("日本語のテキスト line\r\n");
    utf8[3000] = '\xff';
    const auto cuts = ParallelDecoder::cutPoints(DecoderKind::Utf8Strict, utf8, 4, 1);
    ASSERT_EQ(cuts.size(), 3u);
    ASSERT_LT(cuts.front(), 3000);
    const Decoded cut = inPieces(DecoderKind::Utf8Strict, utf8, cuts);
    EXPECT_FALSE(cut.ok);
    EXPECT_TRUE(cut.error.contains(QStringLiteral("offset 3000"))) << cut.error.toStdString();
}

TEST(ParallelDecoder, StatefulCodesAndSmallInputsAreNotCut)
{
    const QByteArray bytes = QByteArray("line\n").repeated(100);
    for (DecoderKind kind : {DecoderKind::Iso2022Jp, DecoderKind::Utf7})
        EXPECT_TRUE(ParallelDecoder::cutPoints(kind, bytes, 4, 1).empty());
    EXPECT_TRUE(ParallelDecoder::cutPoints(DecoderKind::Cp932, bytes, 2, 400).empty());
    EXPECT_TRUE(ParallelDecoder::cutPoints(DecoderKind::Cp932, QByteArray(1000, 'x'), 2, 1).empty());
}
