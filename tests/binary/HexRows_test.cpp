#include "HexDumpCommand.h"
#include "HexPaging.h"
#include "HexRows.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>


using namespace quillon;

namespace {

// The dump as the build walks it: byte by byte, a row emitted at every 16th
// byte, "- " at every other 8th, the last row padded. Independent of the
// row formatter, which works a row at a time.
QStringList walkModel(QByteArrayView bytes, qint64 start)
{
    QStringList rows;
    if (bytes.isEmpty())
        return rows;
    QString hex, chars;
    auto flush = [&](qint64 offset) {
        QString line = QStringLiteral("%1").arg(offset, 8, 16, QLatin1Char('0')).toUpper() + QStringLiteral("  ");
        line += hex.leftJustified(51, u' ') + QStringLiteral("|  ") + chars.leftJustified(17, u' ') + QStringLiteral(" |");
        rows.append(line);
        hex.clear();
        chars.clear();
    };
    qint64 r = 0;
    for (; r < bytes.size(); ++r) {
        if (r % 16 == 0 && r > 0)
            flush(start + r - 16);
        else if (r % 8 == 0 && r > 0)
            hex += QStringLiteral("- ");
        const uchar b = uchar(bytes[r]);
        hex += QStringLiteral("%1 ").arg(b, 2, 16, QLatin1Char('0')).toUpper();
        chars += (b >= 0x20 && b <= 0x7E) ? QChar(char16_t(b)) : QChar(u'.');
    }
    --r;
    flush(start + r - r % 16);
    return rows;
}

QStringList formatterRows(QByteArrayView bytes, qint64 start)
{
    QStringList rows;
    for (qint64 i = 0; i < bytes.size(); i += 16)
        rows.append(HexRows::row(quint64(start + i), bytes.sliced(i, qMin<qsizetype>(16, bytes.size() - i))));
    return rows;
}

TEST(HexRows, HeaderIsTheRowWidth)
{
    EXPECT_EQ(HexRows::header(),
              QStringLiteral("          +0 +1 +2 +3 +4 +5 +6 +7 - +8 +9 +A +B +C +D +E +F  |  0123456789ABCDEF  |"));
    EXPECT_EQ(HexRows::header().size(), HexRows::RowLength);
}

struct RowCase {
    const char *name;
    QByteArray bytes;
    qint64 offset;
    QStringList rows;
};

void PrintTo(const RowCase &c, std::ostream *os) { *os << c.name; }

class HexRowTable : public ::testing::TestWithParam<RowCase> {};

TEST_P(HexRowTable, FormatsAsShown)
{
    const RowCase &c = GetParam();
    EXPECT_EQ(formatterRows(c.bytes, c.offset), c.rows);
    EXPECT_EQ(walkModel(c.bytes, c.offset), c.rows);
}

QByteArray counting(int n, int from = 0)
{
    QByteArray b;
    for (int i = 0; i < n; ++i)
        b.append(char(from + i));
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HexRowTable,
    ::testing::Values(
        RowCase{"sixteen_bytes_one_full_row", QByteArray("0123456789ABCDEF"), 0,
                {QStringLiteral("00000000  30 31 32 33 34 35 36 37 - 38 39 41 42 43 44 45 46  |  0123456789ABCDEF  |")}},
        RowCase{"twenty_bytes_short_last_row_aligned", QByteArray("ABCDEFGHIJKLMNOP\x0A/\x7F\x80"), 0,
                {QStringLiteral("00000000  41 42 43 44 45 46 47 48 - 49 4A 4B 4C 4D 4E 4F 50  |  ABCDEFGHIJKLMNOP  |"),
                 QStringLiteral("00000010  0A 2F 7F 80                                        |  ./..              |")}},
        RowCase{"nine_bytes_dash_before_ninth", counting(9, 0x61), 0x10000,
                {QStringLiteral("00010000  61 62 63 64 65 66 67 68 - 69                       |  abcdefghi         |")}},
        RowCase{"eight_bytes_no_dash", counting(8, 0x20), 0xFFFF,
                {QStringLiteral("0000FFFF  20 21 22 23 24 25 26 27                            |   !\"#$%&'          |")}},
        RowCase{"space_tilde_and_controls", QByteArray("\x1F\x20\x7E\x7F\xFF", 5), 0xABCDEF0,
                {QStringLiteral("0ABCDEF0  1F 20 7E 7F FF                                     |  . ~..             |")}}),
    [](const ::testing::TestParamInfo<RowCase> &info) { return std::string(info.param.name); });

TEST(HexRows, EveryRowLinesUpWithTheModel)
{
    // Every length 1..64 from a random start, all 256 byte values among them.
    QByteArray all(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    for (int n = 1; n <= 64; ++n) {
        const QByteArray part = all.mid((n * 37) % 200, n);
        const QStringList rows = formatterRows(part, qint64(n) * 4096);
        EXPECT_EQ(rows, walkModel(part, qint64(n) * 4096)) << n;
        for (const QString &r : rows)
            EXPECT_EQ(r.size(), HexRows::RowLength) << n;
    }
    EXPECT_EQ(formatterRows(all, 0), walkModel(all, 0));
}

TEST(HexRows, OffsetsPastThirtyTwoBitsGrowInsteadOfWrapping)
{
    EXPECT_EQ(HexRows::row(0xFFFFFFF0ULL, "a").left(10), QStringLiteral("FFFFFFF0  "));
    EXPECT_EQ(HexRows::row(0x100000000ULL, "a").left(11), QStringLiteral("100000000  "));
    EXPECT_EQ(HexRows::row(0x123456789AULL, "a").size(), HexRows::RowLength + 2);
}

struct PageCase {
    qint64 size;
    qint64 index;
    qint64 start, end;
};

TEST(HexPaging, PagesOfTheFile)
{
    const PageCase cases[] = {
        {70000, 0, 0, 65535},
        {70000, 1, 0x10000, 69999}, // 4464 bytes
        {65536, 0, 0, 65535},
        {65536, 1, 65535, 65535},   // the extra last page: the last byte alone
        {131072, 2, 131071, 131071},
        {20, 0, 0, 19},
        {1, 0, 0, 0},
    };
    for (const PageCase &c : cases) {
        const HexRange r = HexPaging::page(c.index, c.size);
        EXPECT_EQ(r.start, c.start) << c.size << " page " << c.index;
        EXPECT_EQ(r.end, c.end) << c.size << " page " << c.index;
    }
    EXPECT_EQ(HexPaging::page(1, 70000).length(), 4464);
    EXPECT_EQ(HexPaging::lastPage(70000), 1);
    EXPECT_EQ(HexPaging::lastPage(65536), 1);
    EXPECT_EQ(HexPaging::lastPage(65535), 0);
    EXPECT_EQ(HexPaging::page(0, 0).length(), 0);
    EXPECT_EQ(HexPaging::rowCount(HexPaging::page(1, 70000)), 279);
}

class HexDumpCommandTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString put(const char *name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    int run(const QStringList &args)
    {
        out.clear();
        errText.clear();
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        QTextStream err(&errText);
        const int rc = runHexDump(args, buffer, err);
        err.flush();
        return rc;
    }
    QByteArray out;
    QString errText;
};

TEST_F(HexDumpCommandTest, PrintsHeaderAndRowsOfTheWholeFileOrOnePage)
{
    QByteArray bytes(70000, Qt::Uninitialized);
    QRandomGenerator gen(7);
    for (char &b : bytes)
        b = char(gen.bounded(256));
    const QString path = put("data.bin", bytes);

    auto expected = [&](qint64 start, qint64 length) {
        QByteArray e = HexRows::header().toLatin1() + '\n';
        for (const QString &row : walkModel(QByteArrayView(bytes).sliced(start, length), start))
            e += row.toLatin1() + '\n';
        return e;
    };
    ASSERT_EQ(run({path}), 0);
    EXPECT_EQ(out, expected(0, 70000));
    ASSERT_EQ(run({QStringLiteral("--page"), QStringLiteral("1"), path}), 0);
    EXPECT_EQ(out, expected(65536, 4464));
    EXPECT_TRUE(out.startsWith(QByteArray(HexRows::header().toLatin1() + "\n00010000  ")));

    const QString exact = put("exact.bin", bytes.left(65536));
    ASSERT_EQ(run({QStringLiteral("--page"), QStringLiteral("1"), exact}), 0);
    EXPECT_EQ(out, expected(65535, 1));
    EXPECT_NE(run({QStringLiteral("--page"), QStringLiteral("2"), exact}), 0);
    EXPECT_TRUE(errText.contains(QLatin1String("past the last page"))) << errText.toStdString();
}

TEST_F(HexDumpCommandTest, EmptyFileIsHeaderOnlyAndBadInputExitsTwo)
{
    ASSERT_EQ(run({put("empty.bin", {})}), 0);
    EXPECT_EQ(out, HexRows::header().toLatin1() + '\n');
    ASSERT_EQ(run({put("empty2.bin", {}), QStringLiteral("--page"), QStringLiteral("0")}), 0);
    EXPECT_EQ(out, HexRows::header().toLatin1() + '\n');

    EXPECT_EQ(run({dir.filePath(QStringLiteral("missing.bin"))}), 2);
    EXPECT_TRUE(errText.contains(QLatin1String("not found")));
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(run({dir.path()}), 2);
    EXPECT_EQ(run({}), 2);
    EXPECT_EQ(run({QStringLiteral("--page"), QStringLiteral("x"), put("a.bin", "a")}), 2);
    EXPECT_EQ(run({QStringLiteral("--page"), QStringLiteral("-1"), put("b.bin", "a")}), 2);
    EXPECT_EQ(run({QStringLiteral("--bogus"), put("c.bin", "a")}), 2);
    EXPECT_TRUE(errText.startsWith(QLatin1String("Quillon --hexdump: unknown option --bogus\n"))) << errText.toStdString();

    // "--" ends the options: a file whose name starts with "--" is dumped.
    put("--odd.bin", "a");
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(dir.path());
    EXPECT_EQ(run({QStringLiteral("--"), QStringLiteral("--odd.bin")}), 0) << errText.toStdString();
    QDir::setCurrent(cwd);
    EXPECT_EQ(out, HexRows::header().toLatin1() + '\n' + walkModel("a", 0).at(0).toLatin1() + '\n');
}

} // namespace
