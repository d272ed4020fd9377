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
