// Reading a file for the grid: cutting at the detected line end only, per
// code unit, decoding by every code, the grid's own unknown-character copy.
#include "support/CaseNames.h"
#include "CharCode.h"
#include "CsvFileReader.h"
#include "GridCodes.h"
#include "support/QtPrinters.h"
#include "support/TempHome.h"
#include "support/TestText.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace quillon {
namespace {

using test::J;

// The lines a file of `text` gives, found independently of the reader: the
// text split at every line-end pattern from the left, without the empty piece
// after a final line end.
QStringList referenceLines(const QString &text, int lineEnd)
{
    if (text.isEmpty())
        return {};
    static const QString patterns[] = {QStringLiteral("\r\n"), QStringLiteral("\r"), QStringLiteral("\n")};
    QStringList pieces = lineEnd == LineEndNone ? QStringList{text} : text.split(patterns[lineEnd]);
    if (pieces.size() > 1 && pieces.back().isEmpty())
        pieces.removeLast();
    return pieces;
}

QStringList decoded(QByteArrayView bytes, int code, int lineEnd)
{
    return CsvFileReader::cutAndDecode(bytes, code, lineEnd).toList();
}

QByteArray utf16be(const QString &text)
{
    QByteArray le = test::utf16le(text);
    for (qsizetype i = 0; i + 1 < le.size(); i += 2)
        std::swap(le[i], le[i + 1]);
    return le;
}

// Random texts of letters, commas, CR, LF and (for UTF-16) a character whose
// units hold the bytes 0D and 0A off the unit boundary.
TEST(CsvFileReader, CutsAsTheModelDoesForEveryCodeUnitAndLineEnd)
{
    QRandomGenerator random(12);
    const QString alphabet = QStringLiteral("a,\r\n") + QChar(0x0D0A) + QChar(0x0A0D);
    for (int round = 0; round < 400; ++round) {
        QString text;
        const int length = int(random.bounded(12));
        for (int i = 0; i < length; ++i)
            text += alphabet[int(random.bounded(alphabet.size()))];
        const QString ascii = QString(text).remove(QChar(0x0D0A)).remove(QChar(0x0A0D));
        for (int lineEnd = LineEndCrLf; lineEnd <= LineEndNone; ++lineEnd) {
            SCOPED_TRACE(testing::Message() << "line end " << lineEnd << " text "
                                            << QString(text).replace(u'\r', u'R').replace(u'\n', u'L').toStdString());
            EXPECT_EQ(decoded(ascii.toLatin1(), CodeShiftJis, lineEnd),
                      referenceLines(ascii, lineEnd));
            EXPECT_EQ(decoded(test::utf16le(text), CodeUtf16Le, lineEnd),
                      referenceLines(text, lineEnd));
            EXPECT_EQ(decoded(utf16be(text), CodeUtf16Be, lineEnd), referenceLines(text, lineEnd));
            EXPECT_EQ(decoded(QByteArray(test::utf16LeBom + test::utf16le(text)), CodeUtf16LeBom, lineEnd),
                      referenceLines(text, lineEnd));
        }
    }
}

TEST(CsvFileReader, LinesOfTheSpecialCases)
{
    // A final CR LF gives no empty row, in Shift_JIS and UTF-16 of both orders.
    const QStringList two{QStringLiteral("a,b"), QStringLiteral("c,d")};
    EXPECT_EQ(decoded("a,b\r\nc,d", CodeShiftJis, LineEndCrLf), two);
    EXPECT_EQ(decoded("a,b\r\nc,d\r\n", CodeShiftJis, LineEndCrLf), two);
    EXPECT_EQ(decoded(test::utf16le(QStringLiteral("a,b\r\nc,d\r\n")), CodeUtf16Le, LineEndCrLf), two);
    EXPECT_EQ(decoded(utf16be(QStringLiteral("a,b\r\nc,d\r\n")), CodeUtf16Be, LineEndCrLf), two);
    // A lone CR inside a CR LF file stays in its line.
    EXPECT_EQ(decoded("a\rb\r\nc", CodeShiftJis, LineEndCrLf),
              (QStringList{QStringLiteral("a\rb"), QStringLiteral("c")}));
    // No line end: one line holding the whole file.
    EXPECT_EQ(decoded("a\r\nb\n", CodeShiftJis, LineEndNone), (QStringList{QStringLiteral("a\r\nb\n")}));
    // The mark is skipped by code, unchecked: UTF-8 with mark loses three bytes.
    EXPECT_EQ(decoded("\xEF\xBB\xBFx", CodeUtf8Bom, LineEndCrLf), QStringList{QStringLiteral("x")});
    EXPECT_EQ(decoded("\xEF\xBB\xBFx", CodeUtf8, LineEndCrLf), QStringList{QChar(0xFEFF) + QStringLiteral("x")});
    EXPECT_EQ(decoded("abcd", CodeUtf8Bom, LineEndCrLf), QStringList{QStringLiteral("d")});
    // Shift_JIS second bytes are never taken for a line end.
    EXPECT_EQ(decoded("\x82\xA0,\x82\xA2\r\n", CodeShiftJis, LineEndCrLf), QStringList{J(u"あ,い")});
    EXPECT_TRUE(decoded("", CodeShiftJis, LineEndCrLf).isEmpty());
}

QString samplesDir()
{
    return QDir::cleanPath(QStringLiteral(QUILLON_TEST_DATA "/../../samples"));
}

struct SampleCase {
    const char *name;
    const char *file;
    int code;
    const char16_t *status;
};

class Samples : public ::testing::TestWithParam<SampleCase> {};

// Every sample holds the same text; the UTF-8 one, split by Qt, is the reference.
TEST_P(Samples, DecodeByTheirOwnCode)
{
    test::TempHome home;
    QFile ref(samplesDir() + QStringLiteral("/utf8-nobom-lf.txt"));
    ASSERT_TRUE(ref.open(QIODevice::ReadOnly));
    const QStringList expected = referenceLines(QString::fromUtf8(ref.readAll()), LineEndLf);
    const CsvFile f = CsvFileReader::read(samplesDir() + u'/' + QString::fromLatin1(GetParam().file), 0,
                                          home.file(CsvFileReader::unknownCopyName()));
    ASSERT_TRUE(f.ok());
    EXPECT_EQ(f.IntReadEncode1, GetParam().code);
    EXPECT_EQ(f.lines.toList(), expected);
    EXPECT_EQ(GridCodes::charText(f.IntReadEncode1, f.BoolUnKnownCharCode, true), J(GetParam().status));
}

INSTANTIATE_TEST_SUITE_P(
    Grid, Samples,
    ::testing::Values(SampleCase{"sjis", "sjis-crlf.txt", CodeShiftJis, u"Shift_JIS"},
                      SampleCase{"jis", "jis-crlf.txt", CodeJis, u"JIS"},
                      SampleCase{"eucjp", "eucjp-lf.txt", CodeEucJp, u"EUC-JP"},
                      SampleCase{"utf8_bom", "utf8-bom-crlf.txt", CodeUtf8Bom, u"UTF8  [BOM有]"},
                      SampleCase{"utf8_cr", "utf8-nobom-cr.txt", CodeUtf8, u"UTF8  [BOM無]"},
                      SampleCase{"utf16be_bom", "utf16be-bom-lf.txt", CodeUtf16BeBom, u"UTF16 [BOM有 BigEndian]"},
                      SampleCase{"utf16le_nobom", "utf16le-nobom-crlf.txt", CodeUtf16Le, u"UTF16 [BOM無 LittleEndian]"}),
    test::CaseName());

TEST(CsvFileReader, HandChosenCodeKeepsTheDetectedLineEnd)
{
    test::TempHome home;
    const QString path = home.write(QStringLiteral("u.csv"), "\xEF\xBB\xBF" "a,b\r\nc\r\n");
    const CsvFile chosen = CsvFileReader::read(path, CodeUtf8, QString());
    EXPECT_EQ(chosen.IntReadEncode1, CodeUtf8);
    EXPECT_EQ(chosen.IntReadReturn1, LineEndCrLf);
    EXPECT_EQ(chosen.lines.toList(), (QStringList{QChar(0xFEFF) + QStringLiteral("a,b"), QStringLiteral("c")}));
    // A code the grid once could not decode is decoded by its own decoder now.
    const CsvFile euc = CsvFileReader::read(home.write(QStringLiteral("e.csv"), "\xA4\xA2,\xA4\xA4"), CodeEucJp, QString());
    EXPECT_EQ(euc.lines.toList(), QStringList{J(u"あ,い")});
    EXPECT_EQ(GridCodes::charText(CodeEucJp, false, false), QStringLiteral("EUC-JP"));
    EXPECT_EQ(GridCodes::charText(CodeUtf7, false, true), QStringLiteral("UTF-7"));
}

TEST(CsvFileReader, UnknownCharactersWriteTheGridsOwnCopyAndStillShow)
{
    test::TempHome home;
    const QString path = home.write(QStringLiteral("bin.csv"), QByteArray("a,b\x01\x02\r\nc", 8));
    const CsvFile f = CsvFileReader::read(path, 0, home.file(CsvFileReader::unknownCopyName()));
    ASSERT_TRUE(f.ok());
    EXPECT_TRUE(f.BoolUnKnownCharCode);
    EXPECT_TRUE(f.readOnly());
    EXPECT_EQ(f.lines.size(), 2);
    EXPECT_EQ(home.read(QStringLiteral("Dollmerlet-UnKnown.txt")), QByteArray("a,b\r\nc"));
    EXPECT_FALSE(QFile::exists(home.file(QStringLiteral("Quillon-UnKnown.txt"))));
    EXPECT_EQ(GridCodes::charText(f.IntReadEncode1, true, true), J(u"バイナリファイル"));
}

TEST(CsvFileReader, MissingFileAndStatusTexts)
{
    test::TempHome home;
    const CsvFile f = CsvFileReader::read(home.file(QStringLiteral("gone.csv")), 0, QString());
    EXPECT_EQ(f.status, CsvFile::Status::NotFound);
    EXPECT_FALSE(f.ok());
    const CsvFile empty = CsvFileReader::read(home.write(QStringLiteral("empty.csv"), QByteArray()), 0, QString());
    EXPECT_TRUE(empty.ok());
    EXPECT_TRUE(empty.lines.isEmpty());
    EXPECT_EQ(GridCodes::returnText(LineEndCrLf, true), QStringLiteral("Cr+Lf(Windows) "));
    EXPECT_EQ(GridCodes::returnText(LineEndNone, true), J(u"無し"));
    EXPECT_EQ(GridCodes::returnText(LineEndNone, false), QStringLiteral("None"));
    EXPECT_EQ(GridCodes::returnText(9, false), QStringLiteral("UnKnown"));
}

TEST(CsvFileReader, ProgressCanStopTheRead)
{
    QByteArray big = QByteArray("abc,def\r\n").repeated(200000);
    int calls = 0;
    bool cancelled = false;
    big = big.repeated(10); // several pieces of the read
    const CsvLines lines = CsvFileReader::cutAndDecode(big, CodeShiftJis, LineEndCrLf,
                                                       [&](qint64, qint64) { return ++calls < 2; }, &cancelled);
    EXPECT_TRUE(cancelled);
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_EQ(calls, 2);
}

} // namespace
} // namespace quillon
