// `--grid-copy`: the whole data area in each style, the options, the errors.
#include "GridCopyCommand.h"
#include "support/TempHome.h"

#include <QBuffer>
#include <QTextStream>
#include <gtest/gtest.h>

namespace quillon {
namespace {

struct CommandRun {
    int status;
    QString out;
    QString err;
};

CommandRun run(const QStringList &args)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QString err;
    QTextStream errStream(&err);
    const int status = runGridCopy(args, out, errStream);
    errStream.flush();
    return {status, QString::fromUtf8(out.data()), err};
}

TEST(GridCopyCommand, PrintsTheWholeDataAreaInEachStyle)
{
    test::TempHome home;
    // Shift_JIS: あ = 82 A0; a quoted cell with a comma and a doubled quote.
    const QString path = home.write(QStringLiteral("t.csv"), "\x82\xA0,\"b,c\",\"4\"\"4\"\r\nx\r\n");
    EXPECT_EQ(run({QStringLiteral("tab"), path}).out,
              QString::fromUtf16(u"あ\t\"b\tc\"\t\"4\"\"4\"\r\nx\t\t\t\r\n"));
    EXPECT_EQ(run({QStringLiteral("csv"), QStringLiteral("--split"), QStringLiteral("comma2"), path}).out,
              QString::fromUtf16(u"あ,\"b,c\",\"4\"\"4\"\r\nx,,\r\n"));
    EXPECT_EQ(run({QStringLiteral("quoted"), QStringLiteral("--split"), QStringLiteral("comma1"), path}).out,
              QString::fromUtf16(u"\"あ\",\"b,c\",\"4\"4\"\r\n\"x\",\"\",\"\"\r\n"));
    EXPECT_EQ(run({QStringLiteral("comma"), QStringLiteral("--split"), QStringLiteral("comma1"), path}).out,
              QString::fromUtf16(u"あ,b,c,4\"4\r\nx,,\r\n"));
}

TEST(GridCopyCommand, LfToTab)
{
    test::TempHome home;
    // A CR LF file with a stray LF: the LF becomes a TAB, and the line is cut there only.
    const QString path = home.write(QStringLiteral("lf.csv"), "a,b\nc,d\r\ne\r\n");
    EXPECT_EQ(run({QStringLiteral("tab"), path}).out, QStringLiteral("a\tb\nc\td\r\ne\t\t\r\n"));
    EXPECT_EQ(run({QStringLiteral("tab"), QStringLiteral("--lf-to-tab"), path}).out,
              QStringLiteral("a,b\tc,d\r\ne\t\r\n"));
}

TEST(GridCopyCommand, Errors)
{
    test::TempHome home;
    const CommandRun missing = run({QStringLiteral("tab"), home.file(QStringLiteral("gone.csv"))});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("File is not exist.")));
    EXPECT_EQ(run({QStringLiteral("pipe"), QStringLiteral("x")}).status, 2);
    EXPECT_EQ(run({QStringLiteral("tab")}).status, 2);
    EXPECT_EQ(run({QStringLiteral("tab"), QStringLiteral("--split"), QStringLiteral("semicolon"), QStringLiteral("x")}).status, 2);
    const CommandRun empty = run({QStringLiteral("csv"), home.write(QStringLiteral("e.csv"), QByteArray())});
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, QString());
}

} // namespace
} // namespace quillon
