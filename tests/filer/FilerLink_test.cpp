// The filer link's rules on the in-memory desktop: searches, the window that
// shows the file, show in filer, the close rule, the start rule, the
// show-in-filer data, viewer cycling and the title patterns.
#include "FilerLink.h"
#include "InMemoryWindowSystem.h"
#include "support/TempHome.h"
#include "TitlePatterns.h"
#include "Utf16TextFile.h"

#include <QFileInfo>
#include "ViewerCycle.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

QStringList titles(const QList<FoundWindow> &found)
{
    QStringList t;
    for (const FoundWindow &w : found)
        t.append(w.title);
    return t;
}

TEST(FilerLink, SearchModesListWindowsByTitle)
{
    InMemoryWindowSystem desk;
    desk.addWindow(QStringLiteral("C:\\a\\b.txt - harbek - quillon")); // lower case counts
    desk.addWindow(QStringLiteral("old - Dollmer"));
    desk.addWindow(QStringLiteral("Editor"));
    desk.addWindow(QString::fromUtf16(u"ü.txt - QUILLON"));
    FilerLink link(desk);
    // Topmost first; a title holding two suffixes is listed once per suffix.
    EXPECT_EQ(titles(link.search(WindowSearch::Viewers)),
              (QStringList{QString::fromUtf16(u"ü.txt - QUILLON"), QStringLiteral("C:\\a\\b.txt - harbek - quillon")}));
    EXPECT_EQ(titles(link.search(WindowSearch::ViewersAndFilers)),
              (QStringList{QString::fromUtf16(u"ü.txt - QUILLON"), QStringLiteral("old - Dollmer"),
                           QStringLiteral("C:\\a\\b.txt - harbek - quillon"),
                           QStringLiteral("C:\\a\\b.txt - harbek - quillon")}));
    EXPECT_EQ(link.search(WindowSearch::All).size(), 4);
    // Only a-z are folded: ü is not Ü.
    EXPECT_FALSE(FilerLink::containsAscii(QString::fromUtf16(u"Ü.TXT"), QString::fromUtf16(u"ü.txt")));
    EXPECT_TRUE(FilerLink::containsAscii(QStringLiteral("/HOME/A.TXT - x"), QStringLiteral("/home/a.txt")));
}

TEST(FilerLink, TitlesAreReadUpTo511Characters)
{
    InMemoryWindowSystem desk;
    desk.addWindow(QString(511, u'a') + QStringLiteral(" - Quillon"));
    FilerLink link(desk);
    EXPECT_TRUE(link.search(WindowSearch::Viewers).isEmpty());
    EXPECT_EQ(link.search(WindowSearch::All).first().title.size(), 511);
}

TEST(FilerLink, TheWindowShowingTheFileIsNeverAViewer)
{
    const QList<FoundWindow> all = {
        {QStringLiteral("C:\\a\\b.txt - Quillon"), 1},
        {QStringLiteral("c:\\A\\B.TXT - Harbekan"), 2},
        {QStringLiteral("C:\\a\\b.txt - Editor"), 3},
    };
    EXPECT_EQ(FilerLink::windowShowingFile(all, QStringLiteral("C:\\a\\b.txt"))->handle, 2u);
    EXPECT_FALSE(FilerLink::windowShowingFile(all, QStringLiteral("C:\\a\\c.txt")));
    EXPECT_FALSE(FilerLink::windowShowingFile(all, QString())); // no file: none, though "" is in every title
}

TEST(FilerLink, ShowInFilerAsksThenBringsTheFilersViewerForward)
{
    InMemoryWindowSystem desk;
    const WindowHandle filer = desk.addWindow(QStringLiteral("x - Harbek"));
    const WindowHandle viewer = desk.addWindow(QStringLiteral("/d/a.txt - Quillon"));
    WindowHandle opened = 0;
    // The filer opens its viewer for the file it is asked to show.
    desk.onData = [&](const InMemoryWindowSystem::Received &) {
        opened = desk.addWindow(QStringLiteral("/d/a.txt - Harbekan"));
        desk.setForeground(filer);
    };
    FilerLink link(desk);
    EXPECT_EQ(link.showInFiler(QStringLiteral("/d/a.txt"), filer, viewer), FilerLink::ShowOutcome::Asked);
    ASSERT_EQ(desk.received.size(), 1); // the second run found the viewer and sent nothing
    EXPECT_EQ(desk.received[0].window, filer);
    EXPECT_EQ(desk.received[0].sender, viewer);
    EXPECT_EQ(desk.received[0].tag, 32800u);
    EXPECT_EQ(desk.foreground(), opened);

    // Shown already: forward, restored when minimised, nothing sent.
    desk.minimise(opened);
    desk.setForeground(viewer);
    EXPECT_EQ(link.showInFiler(QStringLiteral("/D/A.TXT"), filer, viewer), FilerLink::ShowOutcome::ShownAlready);
    EXPECT_EQ(desk.received.size(), 1);
    EXPECT_EQ(desk.foreground(), opened);
    EXPECT_FALSE(desk.isIconic(opened));

    // Without a file or a filer nothing happens.
    EXPECT_EQ(link.showInFiler(QString(), filer, viewer), FilerLink::ShowOutcome::Nothing);
    EXPECT_EQ(link.showInFiler(QStringLiteral("/d/b.txt"), 0, viewer), FilerLink::ShowOutcome::Nothing);
    EXPECT_EQ(desk.received.size(), 1);
}

TEST(FilerLink, AFilerThatDoesNotOpenAViewerIsAskedTwice)
{
    InMemoryWindowSystem desk;
    const WindowHandle filer = desk.addWindow(QStringLiteral("x - Harbek"));
    FilerLink link(desk);
    link.showInFiler(QStringLiteral("/d/a.txt"), filer, 7);
    EXPECT_EQ(desk.received.size(), 2);
}

TEST(FilerLink, ShowInFilerDataIsTheUtf16PathAndOneZero)
{
    // Outside any ANSI code page, and a character outside the BMP (two units).
    const QString path = QString::fromUtf16(u"/home/ユーザー/Ελλάδα/😀.txt");
    const QByteArray data = FilerLink::showInFilerData(path);
    EXPECT_EQ(data.size(), path.size() * 2 + 2);
    QByteArray expected(reinterpret_cast<const char *>(path.utf16()), path.size() * 2); // little-endian host
    expected.append(2, '\0');
    EXPECT_EQ(data, expected);

    InMemoryWindowSystem desk;
    const WindowHandle filer = desk.addWindow(QStringLiteral("x - Harbek"));
    FilerLink(desk).sendOrFront(path, filer, 1);
    ASSERT_EQ(desk.received.size(), 1);
    EXPECT_EQ(desk.received[0].data.size(), 2 * path.size() + 2);
}

TEST(FilerLink, ClosingBringsTheFilesWindowElseTheFilerForward)
{
    InMemoryWindowSystem desk;
    const WindowHandle filer = desk.addWindow(QStringLiteral("x - Harbek"));
    desk.minimise(filer);
    const WindowHandle editor = desk.addWindow(QStringLiteral("C:\\a\\b.txt - Editor"));
    desk.addWindow(QStringLiteral("C:\\a\\b.txt - Quillon"));
    FilerLink link(desk);
    link.frontOnClose(QStringLiteral("C:\\a\\b.txt"), filer);
    EXPECT_EQ(desk.foreground(), editor);
    desk.removeWindow(editor);
    link.frontOnClose(QStringLiteral("C:\\a\\b.txt"), filer);
    EXPECT_EQ(desk.foreground(), filer);
    EXPECT_FALSE(desk.isIconic(filer)); // restored
}

TEST(FilerLink, AtAFilerStartTheFilersViewerOfTheFileCloses)
{
    InMemoryWindowSystem desk;
    const WindowHandle other = desk.addWindow(QStringLiteral("/d/other.txt - Harbekan"));
    const WindowHandle same = desk.addWindow(QStringLiteral("/d/a.txt - Harbekan"));
    desk.addWindow(QStringLiteral("/d/a.txt - Quillon"));
    FilerLink link(desk);
    EXPECT_TRUE(link.closeWindowShowingFile(QStringLiteral("/d/a.txt")));
    EXPECT_EQ(desk.closeRequests, QList<WindowHandle>{same});
    EXPECT_TRUE(desk.exists(other));
    EXPECT_FALSE(link.closeWindowShowingFile(QStringLiteral("/d/none.txt")));
}

// Three viewers share the order file and the index; each runs the command
// while it is in front.
TEST(ViewerCycle, GoesRoundV1V2V3AndBackToV1)
{
    test::TempHome home;
    IniFile ini(home.file(QStringLiteral("Quillon.ini")));
    const QString order = home.file(QStringLiteral("Quillon-Sel.txt"));
    InMemoryWindowSystem desk;
    const WindowHandle v3 = desk.addWindow(QStringLiteral("/c.txt - Quillon"));
    const WindowHandle v2 = desk.addWindow(QStringLiteral("/b.txt - Quillon"));
    const WindowHandle v1 = desk.addWindow(QStringLiteral("/a.txt - Quillon"));
    desk.addWindow(QStringLiteral("x - Harbek")); // not a viewer
    desk.setForeground(v1);
    FilerLink link(desk);
    for (WindowHandle expected : {v2, v3, v1, v2}) {
        ASSERT_TRUE(ViewerCycle::run(link, ini, order));
        EXPECT_EQ(desk.foreground(), expected);
    }
    EXPECT_EQ(Utf16TextFile::readLines(order),
              (QStringList{QString::number(v1), QString::number(v2), QString::number(v3)}));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Quillon"), QStringLiteral("Index"), -1), 1);
}

TEST(ViewerCycle, OrderListIsCleanedAndFewerThanTwoViewersDoNothing)
{
    const QList<FoundWindow> viewers = {{QStringLiteral("b - Quillon"), 20}, {QStringLiteral("a - Quillon"), 10}};
    // Repeats and windows that are gone drop out; the stored order comes first.
    const auto step = ViewerCycle::next(viewers, {QStringLiteral("99"), QStringLiteral("10"), QStringLiteral("10"),
                                                  QStringLiteral("junk")},
                                        0);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->order, (QStringList{QStringLiteral("10"), QStringLiteral("20")}));
    // Start at 1 is the viewer in front (20): wrap round to 10.
    EXPECT_EQ(step->target, 10u);
    EXPECT_EQ(step->index, 0);
    // An index far past the end (or negative) starts from 0.
    EXPECT_EQ(ViewerCycle::next(viewers, {}, 1000)->target, 10u);
    EXPECT_EQ(ViewerCycle::next(viewers, {}, -5)->target, 10u);
    EXPECT_FALSE(ViewerCycle::next(viewers.mid(0, 1), {}, 0));

    test::TempHome home;
    IniFile ini(home.file(QStringLiteral("Quillon.ini")));
    InMemoryWindowSystem desk;
    desk.addWindow(QStringLiteral("a - Quillon"));
    FilerLink link(desk);
    EXPECT_FALSE(ViewerCycle::run(link, ini, home.file(QStringLiteral("Quillon-Sel.txt"))));
    EXPECT_FALSE(QFileInfo::exists(home.file(QStringLiteral("Quillon-Sel.txt"))));
}

TEST(TitlePatterns, ShortLinesTakePartInNoSearch)
{
    const QList<TopWindow> windows = {
        {1, QStringLiteral("x - Harbek")},
        {2, QStringLiteral("y - Dollmer")},
        {3, QStringLiteral("z - Harbek - Quillon")}, // a viewer: never listed
        {4, QStringLiteral("q")},
    };
    struct Case {
        QStringList lines;
        QList<WindowHandle> expected;
    } cases[] = {
        {TitlePatterns::defaultLines(), {1, 2}},
        {{QStringLiteral("1 q"), QStringLiteral("1 "), QStringLiteral("1"), QString()}, {}}, // under four characters
        {{QStringLiteral("1 - H"), QStringLiteral("1x- Harbek"), QStringLiteral("0 - Dollmer"), QStringLiteral("1 q ")},
         {1, 1}}, // the second character is skipped whatever it is; two matches, two entries
        {{QStringLiteral("1 x - HARBEK"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")}, {1}},
    };
    for (const Case &c : cases) {
        QList<WindowHandle> got;
        for (const FoundWindow &w : TitlePatterns::filerSearch(windows, c.lines))
            got.append(w.handle);
        EXPECT_EQ(got, c.expected) << c.lines.join(u'|').toStdString();
    }
    EXPECT_EQ(TitlePatterns::pattern(QStringLiteral("1 q")), QString());
    EXPECT_EQ(TitlePatterns::pattern(QStringLiteral("1 qq")), QStringLiteral("qq"));
}

TEST(TitlePatterns, FileMissingShortOrLongAndWrittenAsTheWindowBuildsIt)
{
    test::TempHome home;
    const QString path = home.file(TitlePatterns::fileName());
    EXPECT_EQ(TitlePatterns::read(path), TitlePatterns::defaultLines());
    ASSERT_TRUE(Utf16TextFile::writeLines(path, {QStringLiteral("1 - Filer")}).ok);
    EXPECT_EQ(TitlePatterns::read(path),
              (QStringList{QStringLiteral("1 - Filer"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")}));
    const QStringList lines = {TitlePatterns::line(true, QString::fromUtf16(u"- ファイラー")),
                               TitlePatterns::line(false, QStringLiteral("- Dollmer")),
                               TitlePatterns::line(true, QString()), TitlePatterns::line(false, QString())};
    ASSERT_TRUE(TitlePatterns::write(path, lines + QStringList{QStringLiteral("1 extra")}).ok);
    EXPECT_EQ(TitlePatterns::read(path), lines);
    // UTF-16 LE with its mark and CR LF, as every file beside the program.
    const QByteArray bytes = home.read(TitlePatterns::fileName());
    EXPECT_TRUE(bytes.startsWith("\xFF\xFE"));
    EXPECT_TRUE(bytes.endsWith(QByteArray("\r\0\n\0", 4)));
}

} // namespace
} // namespace quillon
