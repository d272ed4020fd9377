// The rules of the dump commands: the size question, the page commands'
// guards and targets, and what a load and a mode change reset.
#include "BinaryMessages.h"
#include "HexDumpSession.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace quillon;
using Cmd = HexDumpSession::PageCommand;
using Mode = HexDumpSession::Mode;

namespace {

HexDumpSession builtPages(qint64 size, qint64 page)
{
    HexDumpSession s;
    s.setPageIndex(page);
    s.build(size);
    return s;
}

} // namespace

TEST(HexDumpSession, SizeQuestionOnlyForALargeFileNotYetBuiltAsAWhole)
{
    HexDumpSession s;
    s.setMode(Mode::WholeFile);
    EXPECT_FALSE(s.asksBeforeShowing(524288));
    EXPECT_TRUE(s.asksBeforeShowing(524289));
    s.build(524289);
    EXPECT_FALSE(s.asksBeforeShowing(524289)); // shown again without a rebuild
    s.reset();
    EXPECT_TRUE(s.asksBeforeShowing(524289));
    s.setMode(Mode::Pages);
    EXPECT_FALSE(s.asksBeforeShowing(1 << 30));
    EXPECT_FALSE(HexDumpSession::asksForWholeFile(524288));
    EXPECT_TRUE(HexDumpSession::asksForWholeFile(524289));
}

TEST(HexDumpSession, PageCommands)
{
    struct Row {
        qint64 size, page;
        Cmd cmd;
        std::optional<qint64> to;
    };
    const Row rows[] = {
        {70000, 0, Cmd::Next, 1},       {70000, 1, Cmd::Next, std::nullopt}, {70000, 1, Cmd::Last, std::nullopt},
        {70000, 1, Cmd::Previous, 0},   {70000, 1, Cmd::First, 0},          {70000, 0, Cmd::First, std::nullopt},
        {70000, 0, Cmd::Previous, std::nullopt}, {70000, 0, Cmd::Last, 1},
        {65536, 0, Cmd::Last, 1},       // the extra one-byte page
        {65535, 0, Cmd::Next, std::nullopt}, {0, 0, Cmd::Next, std::nullopt},
        {10 * 65536 + 5, 3, Cmd::Next, 4}, {10 * 65536 + 5, 3, Cmd::Last, 10}, {10 * 65536 + 5, 3, Cmd::Previous, 2},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message() << r.size << " page " << r.page << " cmd " << int(r.cmd));
        EXPECT_EQ(builtPages(r.size, r.page).pageFor(r.cmd), r.to);
    }
    // Nothing moves in whole-file mode, while busy, or before a build.
    HexDumpSession whole = builtPages(70000, 0);
    whole.setMode(Mode::WholeFile);
    EXPECT_EQ(whole.pageFor(Cmd::Next), std::nullopt);
    HexDumpSession busy = builtPages(70000, 0);
    busy.setBusy(true);
    EXPECT_EQ(busy.pageFor(Cmd::Next), std::nullopt);
    EXPECT_EQ(HexDumpSession{}.pageFor(Cmd::Next), std::nullopt);
}

TEST(HexDumpSession, BuildRangesAndReset)
{
    HexDumpSession s;
    s.setPageIndex(1);
    const HexRange page = s.build(70000);
    EXPECT_EQ(page.start, 65536);
    EXPECT_EQ(page.length(), 4464);
    EXPECT_TRUE(s.built());
    EXPECT_EQ(s.readFileSize(), 70000);
    s.setMode(Mode::WholeFile);
    EXPECT_EQ(s.build(70000).length(), 70000);
    EXPECT_EQ(s.build(0).length(), 0); // an empty file: no rows
    s.reset();
    EXPECT_FALSE(s.built());
    EXPECT_EQ(s.pageIndex(), 0);

    HexDumpSession settings;
    settings.setModeFromSettings(true, false);
    EXPECT_EQ(settings.mode(), Mode::WholeFile);
    settings.setModeFromSettings(true, true);
    EXPECT_EQ(settings.mode(), Mode::Pages);
    settings.setModeFromSettings(false, false);
    EXPECT_EQ(settings.mode(), Mode::Pages);
}

TEST(BinaryMessages, SizeQuestionReadsTheNumberWithAComma)
{
    const MessageText m = BinaryMessages::sizeQuestion(HexDumpSession::SizeQuestionLimit);
    EXPECT_EQ(m.japanese, QString::fromUtf16(u"Information : ファイルサイズが 524,288 bytes より大きいです\r\n"
                                             u"時間がかかりますが、実行しますか？"));
    EXPECT_EQ(m.english, QStringLiteral("Information : File size is larger than 524,288 bytes.\r\n"
                                        "This takes more longer time to read. Read this file ?\r\n[YES] / [NO]"));
}
