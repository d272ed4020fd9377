// The shared search history, the word at the caret and the --search command.
#include "AppPaths.h"
#include "Utf16TextFile.h"
#include "SearchCommand.h"
#include "SearchHistory.h"
#include "support/TestText.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quillon;

namespace {

using test::J;

class Home {
public:
    Home() { AppPaths::setProgramDirForTesting(dir.path()); }
    ~Home() { AppPaths::setProgramDirForTesting(QString()); }
    QTemporaryDir dir;
};

} // namespace

TEST(SearchHistory, UpdateRule)
{
    QStringList list;
    for (int i = 1; i <= 33; ++i)
        SearchHistory::update(list, QStringLiteral("w%1").arg(i));
    ASSERT_EQ(list.size(), 32);
    EXPECT_EQ(list.first(), QStringLiteral("w33"));
    EXPECT_EQ(list.last(), QStringLiteral("w2")) << "the 33rd word pushes the oldest out";
    SearchHistory::update(list, QStringLiteral("w10"));
    EXPECT_EQ(list.size(), 32);
    EXPECT_EQ(list.first(), QStringLiteral("w10"));
    EXPECT_EQ(list.count(QStringLiteral("w10")), 1);
    SearchHistory::update(list, QStringLiteral("W10")); // case matters
    EXPECT_EQ(list.mid(0, 2), (QStringList{QStringLiteral("W10"), QStringLiteral("w10")}));
}

TEST(SearchHistory, FileIsUtf16WithCrLfAndKeeps32)
{
    Home home;
    EXPECT_TRUE(SearchHistory::read().isEmpty());
    QStringList list;
    for (int i = 0; i < 40; ++i)
        list << J(u"語") + QString::number(i);
    ASSERT_TRUE(SearchHistory::write(list));
    QFile f(home.dir.filePath(QStringLiteral("Quillon-Find.txt")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("\xFF\xFE"));
    EXPECT_TRUE(bytes.endsWith(QByteArray("\r\0\n\0", 4)));
    EXPECT_EQ(SearchHistory::read(), list.mid(0, 32));
}

TEST(SearchCommand, PrintsOffsetsAndExitStatus)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("s.txt"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        // Shift_JIS "テスト" LF "abc テスト": line ends become CR LF.
        f.write("\x83\x65\x83\x58\x83\x67\nabc \x83\x65\x83\x58\x83\x67");
    }
    struct Row {
        QStringList args;
        int status;
        QString out;
    } rows[] = {
        {{J(u"テスト"), file}, 0, QStringLiteral("0\n9\n")},
        {{QStringLiteral("--include-crlf"), J(u"トa"), file}, 0, QStringLiteral("2\n")},
        {{QStringLiteral("ABC"), file}, 0, QStringLiteral("5\n")},
        {{QStringLiteral("--match-case"), QStringLiteral("ABC"), file}, 1, QString()},
        {{QStringLiteral("--regexp"), QStringLiteral("a.c"), file}, 0, QStringLiteral("5\n")},
        {{QStringLiteral("--whole-word"), QStringLiteral("ab"), file}, 1, QString()},
        {{QStringLiteral("--regexp"), QStringLiteral("(("), file}, 2, QString()},
        {{QStringLiteral("abc"), dir.filePath(QStringLiteral("missing.txt"))}, 2, QString()},
        {{QStringLiteral("abc")}, 2, QString()},
        {{QStringLiteral("--bogus"), QStringLiteral("abc"), file}, 2, QString()},
    };
    for (const Row &r : rows) {
        QString out, err;
        QTextStream o(&out), e(&err);
        EXPECT_EQ(runSearch(r.args, o, e), r.status) << r.args.join(u' ').toStdString();
        EXPECT_EQ(out, r.out) << r.args.join(u' ').toStdString();
        EXPECT_EQ(err.isEmpty(), r.status != 2) << err.toStdString();
    }
}
