// The start log the log window shows.
#include "StartLog.h"

#include <gtest/gtest.h>

using namespace quillon;

TEST(StartLog, ArgumentsThenTheWindowsFound)
{
    const QString e;
    auto q = [](const char *s) { return QString::fromUtf8(s); };
    EXPECT_EQ(StartLog::lines({}), (QStringList{q("ParamCount"), q("0"), e, q("Name"), q("Handle"), e}));
    EXPECT_EQ(StartLog::lines({q("/t/a.txt")}),
              (QStringList{q("ParamCount"), q("1"), e, q("ParamStr(1)"), q("/t/a.txt"), e, q("Name"), q("Handle"), e}));
    EXPECT_EQ(StartLog::lines({q("hwnd=42"), q("/t/a.txt")}, {{q("/t/a.txt - Quillon"), 4242}, {q("x - Harbek"), 7}}),
              (QStringList{q("ParamCount"), q("2"), e, q("ParamStr(1)"), q("hwnd=42"), e, q("ParamStr(2)"),
                           q("/t/a.txt"), e, q("Name"), q("Handle"), e, q("/t/a.txt - Quillon"), q("4242"), e,
                           q("x - Harbek"), q("7"), e}));
    // More than two arguments: only their count.
    EXPECT_EQ(StartLog::lines({q("a"), q("b"), q("c")}), (QStringList{q("ParamCount"), q("3"), e, q("Name"), q("Handle"), e}));
}
