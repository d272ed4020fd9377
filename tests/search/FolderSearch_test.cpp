// The multi-file search: which files, in which order, the result lines
// (checked against a plain model of the same files), the decoders, the cap,
// the double click's hit, and the threaded run against a sequential one.
#include "FolderSearch.h"
#include "FolderSearchRunner.h"
#include "SearchFolderCommand.h"
#include "support/QtPrinters.h"
#include "support/TestText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace quillon;
using test::J;

namespace {

using O = TSearchOption;
const TSearchOptions kDown{O::sfrDown};

struct Folder {
    QTemporaryDir dir;
    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return dir.filePath(name);
    }
    [[nodiscard]] QString path(const QString &name) const { return dir.filePath(name); }
};

QStringList names(const QStringList &paths)
{
    QStringList out;
    for (const QString &p : paths)
        out << p.section(u'/', -1);
    return out;
}

// Every file one after another on this thread, as the model of a run.
FolderSearchCollector sequential(const QStringList &files, const QString &word, TSearchOptions options)
{
    FolderSearchCollector c;
    for (const QString &f : files) {
        if (!c.add(FolderSearch::searchFile(f, word, options)))
            break;
    }
    return c;
}

TEST(FolderSearch, SameExtensionWithoutCaseHiddenIncludedFoldersSkipped)
{
    Folder f;
    const QString a = f.write(QStringLiteral("a.txt"), "x");
    f.write(QStringLiteral("b.TXT"), "x");
    f.write(QStringLiteral("c.log"), "x");
    f.write(QStringLiteral(".hidden.txt"), "x");
    f.write(QStringLiteral("txt"), "x"); // no dot: no extension
    ASSERT_TRUE(QDir(f.dir.path()).mkdir(QStringLiteral("d.txt")));
    ASSERT_EQ(mkfifo(QFile::encodeName(f.path(QStringLiteral("pipe.txt"))).constData(), 0600), 0);
    EXPECT_EQ(names(FolderSearch::listFiles(a)),
              (QStringList{QStringLiteral(".hidden.txt"), QStringLiteral("a.txt"), QStringLiteral("b.TXT")}));
    // The folder as the path writes it.
    EXPECT_EQ(FolderSearch::listFiles(a)[1], a);
}

TEST(FolderSearch, NaturalOrder)
{
    // Digit runs by value, ASCII letters without case, in any folder.
    const QStringList sorted = {QStringLiteral("File1.txt"), QStringLiteral("file2.txt"),
                                QStringLiteral("file10.txt"), QStringLiteral("file010b.txt"),
                                QStringLiteral("file10c.txt"), QStringLiteral("g.txt")};
    for (int i = 0; i + 1 < sorted.size(); ++i)
        EXPECT_LT(FolderSearch::naturalCompare(sorted[i], sorted[i + 1]), 0) << sorted[i].toStdString();
    EXPECT_EQ(FolderSearch::naturalCompare(u"abc", u"abc"), 0);
    Folder f;
    for (const char *n : {"file10.txt", "file2.txt", "File1.txt"})
        f.write(QString::fromLatin1(n), "x");
    EXPECT_EQ(names(FolderSearch::listFiles(f.path(QStringLiteral("file2.txt")))),
              (QStringList{QStringLiteral("File1.txt"), QStringLiteral("file2.txt"), QStringLiteral("file10.txt")}));
}

TEST(FolderSearch, ResultLinesAgreeWithAPlainModel)
{
    Folder f;
    // Hits at the very start, at a line's start, two on one line, on the last
    // line without a line end, in LF and CR files.
    const QList<QByteArray> files = {"cat\r\nno\r\ncat and cat\r\n", "x\nx\ncat\n", "xcat\rcatcat"};
    QStringList paths;
    for (int i = 0; i < files.size(); ++i)
        paths << f.write(QStringLiteral("f%1.txt").arg(i), files[i]);
    QStringList expected;
    for (int i = 0; i < files.size(); ++i) {
        const QStringList lines = QString::fromLatin1(files[i]).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
        for (int l = 0; l < lines.size(); ++l) {
            for (qsizetype c = lines[l].indexOf(QStringLiteral("cat")); c >= 0; c = lines[l].indexOf(QStringLiteral("cat"), c + 3))
                expected << QStringLiteral("%1*(%2)[%3]%4").arg(paths[i]).arg(l + 1).arg(c + 1).arg(lines[l]);
        }
    }
    ASSERT_EQ(expected.size(), 7);
    EXPECT_EQ(sequential(FolderSearch::listFiles(paths[0]), QStringLiteral("cat"), kDown).lines, expected);
    EXPECT_EQ(expected[0], paths[0] + QStringLiteral("*(1)[1]cat"));
    EXPECT_EQ(expected[2], paths[0] + QStringLiteral("*(3)[9]cat and cat"));
}

TEST(FolderSearch, JapaneseWordFoundInEveryCode)
{
    Folder f;
    // "x日本語のテキスト" written by hand in each code, after a line of ASCII.
    const QList<QByteArray> bytes = {
        QByteArray("abc\r\n\x78\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x65\x83\x4C\x83\x58\x83\x67\r\n"), // Shift_JIS
        QByteArray("abc\n\x78\xC6\xFC\xCB\xDC\xB8\xEC\xA4\xCE\xA5\xC6\xA5\xAD\xA5\xB9\xA5\xC8\n"), // EUC-JP
        QByteArray("abc\r\n\x78\x1B\x24\x42\x46\x7C\x4B\x5C\x38\x6C\x24\x4E\x25\x46\x25\x2D\x25\x39\x25\x48"
                   "\x1B\x28\x42\r\n"), // JIS
        QByteArray("\xFF\xFE" "a\0b\0c\0\r\0\n\0"
                   "\x78\x00\xE5\x65\x2C\x67\x9E\x8A\x6E\x30\xC6\x30\xAD\x30\xB9\x30\xC8\x30", 30), // UTF-16 LE
        QByteArray("abc\n\x78\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE3\x83\x86\xE3\x82\xAD\xE3\x82\xB9"
                   "\xE3\x83\x88\n"), // UTF-8 without a mark
    };
    QStringList paths;
    for (int i = 0; i < bytes.size(); ++i)
        paths << f.write(QStringLiteral("j%1.txt").arg(i), bytes[i]);
    const FolderSearchCollector c = sequential(FolderSearch::listFiles(paths[0]), J(u"日本"), kDown);
    QStringList expected;
    for (const QString &p : paths)
        expected << p + J(u"*(2)[2]x日本語のテキスト");
    EXPECT_EQ(c.lines, expected);
}

TEST(FolderSearch, CutOneLinePastTheLimit)
{
    Folder f;
    QByteArray many;
    for (int i = 0; i < 60000; ++i)
        many += "aa\n";
    const QString first = f.write(QStringLiteral("1.txt"), many);
    f.write(QStringLiteral("2.txt"), many);
    f.write(QStringLiteral("3.txt"), many);
    FolderSearchCollector c = sequential(FolderSearch::listFiles(first), QStringLiteral("aa"), kDown);
    EXPECT_TRUE(c.limitReached);
    EXPECT_EQ(c.lines.size(), FolderSearch::LineLimit + 1);
    EXPECT_EQ(c.filesDone, 2); // the third file is never taken
}

TEST(FolderSearch, HitInsideAResultLine)
{
    struct Row {
        QString line;
        QString word;
        TSearchOptions options;
        int start, length;
    };
    const QString path = QStringLiteral("/d/a[1]*b.txt"); // a name with "*" and brackets of its own
    const QList<Row> rows = {
        {path + QStringLiteral("*(12)[5]abcdcat"), QStringLiteral("cat"), kDown, int(path.size()) + 8 + 4, 3},
        {QStringLiteral("p*(1)[1]cat"), QStringLiteral("CAT"), kDown, 8, 3},
        // A regular expression's match decides the length.
        {QStringLiteral("p*(1)[3]ab12345"), QStringLiteral("\\d+"), {O::sfrDown, O::sfrRegExp}, 10, 5},
    };
    for (const Row &r : rows) {
        int start = -1, length = -1;
        ASSERT_TRUE(FolderSearch::hitInResultLine(r.line, r.word, r.options, &start, &length)) << r.line.toStdString();
        EXPECT_EQ(start, r.start) << r.line.toStdString();
        EXPECT_EQ(length, r.length) << r.line.toStdString();
    }
    int s = 0, l = 0;
    EXPECT_FALSE(FolderSearch::hitInResultLine(u"no result here", u"x", kDown, &s, &l));
}

TEST(FolderSearch, UnreadableFileIsReportedNotFatal)
{
    Folder f;
    const QString a = f.write(QStringLiteral("a.txt"), "cat\n");
    // A UTF-8 mark before bytes that are not UTF-8: the decoder refuses it.
    const QString b = f.write(QStringLiteral("b.txt"), "\xEF\xBB\xBF" "cat\xC3\x28\n");
    const QString c = f.write(QStringLiteral("c.txt"), "a cat\n");
    const FolderFileOutcome o = FolderSearch::searchFile(b, u"cat", kDown);
    EXPECT_EQ(o.status, FolderFileOutcome::Status::CannotRead);
    EXPECT_TRUE(FolderSearch::skipMessage(o).english.contains(b));
    EXPECT_FALSE(o.reason.english.isEmpty());
    // The command line names it and goes on.
    QString out, err;
    QTextStream os(&out), es(&err);
    EXPECT_EQ(runSearchFolder({QStringLiteral("cat"), a}, os, es), 0);
    EXPECT_EQ(out, a + QStringLiteral("*(1)[1]cat\n") + c + QStringLiteral("*(1)[3]a cat\n"));
    EXPECT_TRUE(err.contains(b)) << err.toStdString();
}

TEST(FolderSearchRunner, ThreadsGiveTheSequentialResult)
{
    Folder f;
    QStringList paths;
    for (int i = 0; i < 40; ++i) {
        QByteArray text;
        for (int l = 0; l < 200; ++l)
            text += (l * 7 + i) % 5 == 0 ? "a cat here\r\n" : "nothing\r\n";
        paths << f.write(QStringLiteral("n%1.txt").arg(i), text);
    }
    const QStringList files = FolderSearch::listFiles(paths[0]);
    const FolderSearchCollector expected = sequential(files, QStringLiteral("cat"), kDown);
    ASSERT_FALSE(expected.lines.isEmpty());
    for (int workers : {1, 2, 4}) {
        FolderSearchCollector c;
        FolderSearchRunner runner(files, QStringLiteral("cat"), kDown, workers);
        runner.run([&](int, FolderFileOutcome &&o) { return c.add(o); });
        EXPECT_EQ(c.lines, expected.lines) << workers;
    }
    // Stopping after ten files keeps exactly the hits of those ten.
    FolderSearchCollector ten;
    FolderSearchRunner runner(files, QStringLiteral("cat"), kDown, 4);
    runner.run([&](int index, FolderFileOutcome &&o) {
        ten.add(o);
        return index < 9;
    });
    EXPECT_EQ(ten.lines, sequential(files.mid(0, 10), QStringLiteral("cat"), kDown).lines);
}

TEST(SearchFolderCommand, PrintsTheResultLinesAndExitStatus)
{
    Folder f;
    const QString a = f.write(QStringLiteral("a.txt"), "one cat\n");
    f.write(QStringLiteral("b.txt"), "none\n");
    struct Row {
        QStringList args;
        int status;
        QString out;
    };
    const QList<Row> rows = {
        {{QStringLiteral("CAT"), a}, 0, a + QStringLiteral("*(1)[5]one cat\n")},
        {{QStringLiteral("--match-case"), QStringLiteral("CAT"), a}, 1, QString()},
        {{QStringLiteral("--regexp"), QStringLiteral("c.t"), a}, 0, a + QStringLiteral("*(1)[5]one cat\n")},
        {{QStringLiteral("--regexp"), QStringLiteral("("), a}, 2, QString()},
        {{QStringLiteral("cat"), f.path(QStringLiteral("missing.txt"))}, 2, QString()},
        {{QStringLiteral("--bogus"), QStringLiteral("cat"), a}, 2, QString()},
        {{QStringLiteral("cat")}, 2, QString()},
    };
    for (const Row &r : rows) {
        QString out, err;
        QTextStream os(&out), es(&err);
        EXPECT_EQ(runSearchFolder(r.args, os, es), r.status) << r.args.join(u' ').toStdString();
        EXPECT_EQ(out, r.out) << r.args.join(u' ').toStdString();
        EXPECT_EQ(err.isEmpty(), r.status != 2) << err.toStdString();
    }
}

} // namespace

// A folder of ten thousand files: all listed in natural order, every hit in
// its file's place, the sequence numbers running through.
TEST(FolderSearch, TenThousandFiles)
{
    Folder f;
    QString first;
    for (int i = 0; i < 10000; ++i) {
        const QString p = f.write(QStringLiteral("f%1.log").arg(i), i % 1000 == 7 ? "x\r\nfound it\r\n" : "x\r\n");
        if (i == 0)
            first = p;
    }
    const QStringList files = FolderSearch::listFiles(first);
    ASSERT_EQ(files.size(), 10000);
    EXPECT_EQ(names(files.mid(0, 3)), (QStringList{QStringLiteral("f0.log"), QStringLiteral("f1.log"), QStringLiteral("f2.log")}));
    EXPECT_EQ(names(files).last(), QStringLiteral("f9999.log"));
    FolderSearchCollector c;
    FolderSearchRunner runner(files, QStringLiteral("found"), kDown, 2);
    runner.run([&](int, FolderFileOutcome &&o) { return c.add(o); });
    ASSERT_EQ(c.lines.size(), 10);
    for (int k = 0; k < 10; ++k)
        EXPECT_TRUE(c.lines[k].contains(QStringLiteral("f%1.log*(2)[1]found it").arg(k * 1000 + 7))) << c.lines[k].toStdString();
}
