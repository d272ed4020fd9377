// The mapped file: the same bytes whether mapped or read, an empty file, and
// a file that cannot be opened.
#include "MappedFile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace quillon;

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return {};
    return path;
}

} // namespace

TEST(MappedFile, MappedAndReadGiveTheFilesBytes)
{
    QTemporaryDir dir;
    QByteArray bytes;
    for (int i = 0; i < 70000; ++i)
        bytes.append(char(i * 7));
    const QString path = writeFile(dir, QStringLiteral("a.bin"), bytes);
    ASSERT_FALSE(path.isEmpty());

    MappedFile mapped;
    ASSERT_TRUE(mapped.open(path));
    EXPECT_EQ(mapped.size(), bytes.size());
    ASSERT_TRUE(mapped.load());
    EXPECT_TRUE(mapped.isMapped());
    EXPECT_EQ(mapped.bytes(), QByteArrayView(bytes));

    // The fallback for a file the system will not map.
    MappedFile read;
    ASSERT_TRUE(read.open(path));
    ASSERT_TRUE(read.load(MappedFile::Mapping::Never));
    EXPECT_FALSE(read.isMapped());
    EXPECT_EQ(read.bytes(), QByteArrayView(bytes));
}

TEST(MappedFile, EmptyFileHasNoBytes)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("empty.txt"), {});
    ASSERT_FALSE(path.isEmpty());
    for (auto mapping : {MappedFile::Mapping::Allowed, MappedFile::Mapping::Never}) {
        MappedFile file;
        ASSERT_TRUE(file.open(path));
        ASSERT_TRUE(file.load(mapping));
        EXPECT_EQ(file.size(), 0);
        EXPECT_TRUE(file.bytes().isEmpty());
    }
}

TEST(MappedFile, MissingFileSaysWhy)
{
    QTemporaryDir dir;
    MappedFile file;
    EXPECT_FALSE(file.open(dir.filePath(QStringLiteral("none.txt"))));
    EXPECT_FALSE(file.errorString().isEmpty());
}

// A file cut short between measuring and reading (a log being rotated) gives
// what is left, where a mapping of the file would have died of SIGBUS; and
// giving back the bytes already read leaves the rest as they were.
TEST(MappedFile, FileThatShrinksGivesWhatIsLeftAndReleaseKeepsTheRest)
{
    QTemporaryDir dir;
    QByteArray bytes;
    for (int i = 0; i < 300000; ++i)
        bytes.append(char('a' + i % 26));
    const QString path = writeFile(dir, QStringLiteral("log.txt"), bytes);
    MappedFile file;
    ASSERT_TRUE(file.open(path));
    ASSERT_TRUE(QFile::resize(path, 200000));
    ASSERT_TRUE(file.load());
    EXPECT_EQ(file.size(), 300000); // as measured
    ASSERT_EQ(file.bytes(), QByteArrayView(bytes).first(200000));

    file.release(file.bytes().first(100000));
    EXPECT_EQ(file.bytes().sliced(100000), QByteArrayView(bytes).sliced(100000, 100000));
}

// A large file is read in two halves at once: the same bytes, and a file cut
// short anywhere (in either half, or to nothing) gives exactly what is left.
TEST(MappedFile, LargeFileReadInHalvesGivesItsBytes)
{
    QTemporaryDir dir;
    const qsizetype size = qsizetype(40) << 20, mid = size / 2;
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 7) ^ (i >> 13));
    for (const qsizetype left : {size, mid + 4097, mid, mid - 1, qsizetype(12345), qsizetype(0)}) {
        SCOPED_TRACE(left);
        const QString path = writeFile(dir, QStringLiteral("big.bin"), bytes);
        ASSERT_FALSE(path.isEmpty());
        MappedFile file;
        ASSERT_TRUE(file.open(path));
        ASSERT_TRUE(QFile::resize(path, left));
        ASSERT_TRUE(file.load());
        EXPECT_EQ(file.size(), size);
        ASSERT_EQ(file.bytes().size(), left);
        EXPECT_TRUE(file.bytes() == QByteArrayView(bytes).first(left));
    }
}
