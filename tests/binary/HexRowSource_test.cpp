#include "HexFileReader.h"
#include "HexRowSource.h"
#include "HexRows.h"
#include "TextBuffer.h"
#include "support/LineSourceCheck.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace quillon;

namespace {

// The rows of a range as one string, from the row formatter, CR LF between rows.
QString joinedRows(const QByteArray &bytes, const HexRange &range)
{
    QStringList rows;
    for (qint64 at = range.start; at <= range.end; at += 16)
        rows.append(HexRows::row(quint64(at), QByteArrayView(bytes).sliced(at, std::min<qint64>(16, range.end - at + 1))));
    return rows.join(QStringLiteral("\r\n"));
}

TEST(HexRowSource, RowsOfAPageOrTheWholeFileMatchTheirText)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.bin"));
    QByteArray bytes(70000, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 7 + i / 300) & 0xFF);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    auto reader = std::make_shared<HexFileReader>(path);
    // Small ranges position by position; a whole page row by row.
    for (const HexRange range : {HexRange{0, 19}, HexRange{65535, 65535}, HexRange{0, 47}, HexRange{}}) {
        const HexRowSource src(reader, range);
        test::expectMatches(src, joinedRows(bytes, range));
    }
    const HexRowSource page(reader, HexPaging::page(1, bytes.size()));
    ASSERT_EQ(page.lineCount(), 279);
    const QString joined = joinedRows(bytes, page.range());
    EXPECT_EQ(page.text(0, page.length()), joined);
    EXPECT_EQ(page.lineText(278).left(10), QStringLiteral("00011160  "));
    EXPECT_EQ(page.lineOf(page.lineStart(100) + 50), 100);
}

TEST(HexRowSource, PositionsPastThirtyTwoBitsAddressEveryRow)
{
    // A 5 GB range needs no file to count its rows; the bytes read as zeros.
    // Rows from offset 1 0000 0000 on take a ninth digit.
    auto reader = std::make_shared<HexFileReader>(QStringLiteral("/nonexistent"));
    const HexRowSource src(reader, HexRange{0, 4999999999});
    ASSERT_EQ(src.lineCount(), 312500000);
    const int firstWide = 0x10000000;
    EXPECT_EQ(src.lineLength(firstWide - 1), 83);
    EXPECT_EQ(src.lineLength(firstWide), 84);
    EXPECT_EQ(src.lineText(firstWide - 1).left(10), QStringLiteral("FFFFFFF0  "));
    EXPECT_EQ(src.lineText(firstWide).left(11), QStringLiteral("100000000  "));
    const int last = src.lineCount() - 1;
    EXPECT_EQ(src.length(), TextPos(firstWide) * 85 + TextPos(last + 1 - firstWide) * 86 - 2);
    // Positions and lines agree across both bands, past 2^32 units too.
    for (const int l : {1, firstWide - 1, firstWide, firstWide + 1, last}) {
        SCOPED_TRACE(l);
        EXPECT_EQ(src.lineStart(l), src.lineStart(l - 1) + src.lineLength(l - 1) + 2);
        EXPECT_EQ(src.lineOf(src.lineStart(l)), l);
        EXPECT_EQ(src.lineOf(src.lineStart(l) - 1), l - 1);
        EXPECT_EQ(src.lineOf(src.lineStart(l) + src.lineLength(l)), l);
    }
    EXPECT_EQ(src.lineOf(src.length()), last);
    EXPECT_EQ(src.lineStart(last) + src.lineLength(last), src.length());
    EXPECT_EQ(src.lineText(last).left(12), QStringLiteral("12A05F1F0  0"));
    EXPECT_EQ(src.text(src.lineStart(last) - 3, 5), QStringLiteral("|\r\n12"));
}

} // namespace
