#include "GuessCommand.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace quillon;

namespace {

class Guess : public ::testing::Test {
protected:
    void SetUp() override
    {
        oldCurrent = QDir::currentPath();
        ASSERT_TRUE(dir.isValid());
        put("sjis.txt", QByteArray("\x82\xA0\x01\r\nA\nB\r\n"));
        put("utf16.txt", QByteArray::fromHex("FFFE41000A00"));
        put("empty.txt", QByteArray());
    }

    void TearDown() override { QDir::setCurrent(oldCurrent); }

    void put(const char *name, const QByteArray &bytes)
    {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    int run(const QStringList &args)
    {
        outText.clear();
        errText.clear();
        QTextStream out(&outText);
        QTextStream err(&errText);
        return runGuess(args, out, err);
    }

    QString oldCurrent;
    QTemporaryDir dir;
    QString outText;
    QString errText;
};

TEST_F(Guess, HumanReadable)
{
    EXPECT_EQ(run({path("sjis.txt"), path("utf16.txt"), path("empty.txt")}), 0);
    EXPECT_EQ(outText,
              path("sjis.txt") + QStringLiteral(": Shift_JIS, Cr+Lf(Windows), unknown-characters, lf-in-crlf\n")
                  + path("utf16.txt") + QStringLiteral(": UTF16 [WithBOM LittleEndian], Lf(OSX,Android)\n")
                  + path("empty.txt") + QStringLiteral(": Shift_JIS, None\n"));
    EXPECT_TRUE(errText.isEmpty());
}

TEST_F(Guess, PorcelainKeepsThePathAsGiven)
{
    // A relative path with a dot segment is printed untouched.
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    EXPECT_EQ(run({QStringLiteral("--porcelain"), QStringLiteral("./sjis.txt"), QStringLiteral("utf16.txt")}), 0);
    EXPECT_EQ(outText, QStringLiteral("1\t0\t1\t1\t./sjis.txt\n9\t2\t0\t0\tutf16.txt\n"));
}

TEST_F(Guess, BadFilesAreReportedAndTheRestPrinted)
{
    EXPECT_EQ(run({QStringLiteral("--porcelain"), path("missing.txt"), dir.path(), path("empty.txt")}), 1);
    EXPECT_EQ(outText, QStringLiteral("1\t3\t0\t0\t") + path("empty.txt") + QStringLiteral("\n"));
    const QStringList lines = errText.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(path("missing.txt") + QStringLiteral(": "))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(dir.path() + QStringLiteral(": cannot read"))) << lines[1].toStdString();
}

TEST_F(Guess, CommandLineErrors)
{
    const QStringList bad[] = {
        {},
        {QStringLiteral("--porcelain")},
        {QStringLiteral("--verbose"), path("sjis.txt")},
    };
    for (const QStringList &args : bad) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        EXPECT_EQ(run(args), 2);
        EXPECT_TRUE(outText.isEmpty());
        EXPECT_TRUE(errText.contains(QStringLiteral("Usage: Quillon --guess [--porcelain] FILE...")));
    }
}

TEST_F(Guess, DoubleDashEndsTheOptions)
{
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    put("--porcelain", QByteArray("A\n"));
    EXPECT_EQ(run({QStringLiteral("--porcelain"), QStringLiteral("--"), QStringLiteral("--porcelain")}), 0);
    EXPECT_EQ(outText, QStringLiteral("1\t2\t0\t0\t--porcelain\n"));
}

} // namespace
