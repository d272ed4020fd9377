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

TEST(HexRowSource, RowsPastThePositionRangeAreCut)
{
    // A 2 GiB range needs no file to count its rows.
    auto reader = std::make_shared<HexFileReader>(QStringLiteral("/nonexistent"));
    const HexRowSource src(reader, HexRange{0, 0x7FFFFFFE});
    EXPECT_TRUE(src.rowsCut());
    EXPECT_LE(qint64(src.length()), qint64(TextBuffer::MaxLength));
    EXPECT_EQ(src.lineText(src.lineCount() - 1).size(), HexRows::RowLength);
}

} // namespace
