// The window's command line: unknown "--" options, "--" ending the options,
// and the check for a display before Qt would abort without one.
#include "CommandLine.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

using namespace quillon;

namespace {

struct ArgsCase {
    const char *name;
    QStringList args;
    qsizetype optionCount;
    QStringList afterDashes;
    QString badOption;
};

const ArgsCase argsCases[] = {
    {"none", {}, 0, {}, {}},
    {"file", {QStringLiteral("a.txt")}, 1, {}, {}},
    {"filer_form", {QStringLiteral("hwnd=123"), QStringLiteral("a.txt")}, 2, {}, {}},
    {"qt_option_passes", {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("a.txt")}, 3, {}, {}},
    {"single_dash_file", {QStringLiteral("-")}, 1, {}, {}},
    {"unknown_option", {QStringLiteral("--bogus")}, 1, {}, QStringLiteral("--bogus")},
    {"unknown_option_after_file", {QStringLiteral("a.txt"), QStringLiteral("--bogus")}, 2, {}, QStringLiteral("--bogus")},
    {"first_of_two_named", {QStringLiteral("--x"), QStringLiteral("--y")}, 2, {}, QStringLiteral("--x")},
    {"mode_out_of_place", {QStringLiteral("a.txt"), QStringLiteral("--guess")}, 2, {}, QStringLiteral("--guess")},
    {"dashes_end_options", {QStringLiteral("--"), QStringLiteral("--odd.txt")}, 0, {QStringLiteral("--odd.txt")}, {}},
    {"filer_form_with_dashes",
     {QStringLiteral("hwnd=7"), QStringLiteral("--"), QStringLiteral("--odd.txt")}, 1, {QStringLiteral("--odd.txt")}, {}},
    {"second_dashes_is_a_name", {QStringLiteral("--"), QStringLiteral("--")}, 0, {QStringLiteral("--")}, {}},
    {"option_before_dashes_still_bad", {QStringLiteral("--bogus"), QStringLiteral("--"), QStringLiteral("a")}, 1,
     {QStringLiteral("a")}, QStringLiteral("--bogus")},
};

class WindowArgs : public ::testing::TestWithParam<ArgsCase> {};

TEST_P(WindowArgs, Parse)
{
    const ArgsCase &c = GetParam();
    const WindowCommandLine cl = WindowCommandLine::parse(c.args);
    EXPECT_EQ(cl.optionCount, c.optionCount);
    EXPECT_EQ(cl.afterDashes, c.afterDashes);
    EXPECT_EQ(cl.badOption, c.badOption);
}

INSTANTIATE_TEST_SUITE_P(CommandLine, WindowArgs, ::testing::ValuesIn(argsCases), quillon::test::CaseName());

TEST(CommandLine, DisplayNeededOnlyWithoutAPlatform)
{
    struct Row {
        DisplayFacts facts;
        bool refused;
    };
    const Row rows[] = {
        {{}, true},
        {{QString(), QStringLiteral(":0"), QString(), false}, false},
        {{QString(), QString(), QStringLiteral("wayland-0"), false}, false},
        {{QStringLiteral("offscreen"), QString(), QString(), false}, false},
        {{QString(), QString(), QString(), true}, false},
    };
    for (const Row &row : rows) {
        const QString line = StartCheck::noDisplay(row.facts);
        EXPECT_EQ(!line.isEmpty(), row.refused) << line.toStdString();
        if (row.refused) {
            EXPECT_FALSE(line.contains(QLatin1Char('\n')));
            EXPECT_TRUE(line.contains(QLatin1String("--guess")));
        }
    }
}

} // namespace
