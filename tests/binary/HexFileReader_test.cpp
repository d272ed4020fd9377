#include "HexFileReader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace quillon;

namespace {

QByteArray randomBytes(qsizetype n, quint32 seed)
{
    QByteArray b(n, Qt::Uninitialized);
    QRandomGenerator gen(seed);
    for (char &c : b)
        c = char(gen.bounded(256));
    return b;
}

TEST(HexFileReader, ReadsAnyRangeAsTheFileHoldsIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.bin"));
    const QByteArray bytes = randomBytes(40 * HexFileReader::BlockSize + 123, 1);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    HexFileReader reader(path);
    ASSERT_EQ(reader.size(), bytes.size());
    // More blocks than the reader keeps, visited in a scattered order.
    QRandomGenerator gen(2);
    for (int i = 0; i < 500; ++i) {
        const qint64 offset = gen.bounded(int(bytes.size()) + 100);
        const int count = gen.bounded(1, 70000);
        QByteArray got(count, 'x');
        reader.read(offset, reinterpret_cast<uchar *>(got.data()), count);
        QByteArray want = offset < bytes.size() ? bytes.mid(offset, count) : QByteArray();
        want.append(QByteArray(count - want.size(), '\0'));
        ASSERT_EQ(got, want) << offset << " " << count;
    }
}

TEST(HexFileReader, BytesThatAreGoneReadAsZero)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.bin"));
    const QByteArray bytes = randomBytes(3 * HexFileReader::BlockSize, 3);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.flush();
    HexFileReader reader(path);
    ASSERT_TRUE(f.resize(HexFileReader::BlockSize + 10)); // shrinks after the dump was built
    QByteArray got(20, 'x');
    reader.read(HexFileReader::BlockSize, reinterpret_cast<uchar *>(got.data()), 20);
    EXPECT_EQ(got, bytes.mid(HexFileReader::BlockSize, 10) + QByteArray(10, '\0'));

    HexFileReader missing(dir.filePath(QStringLiteral("none.bin")));
    EXPECT_FALSE(missing.opened());
    EXPECT_EQ(missing.size(), 0);
}

} // namespace
