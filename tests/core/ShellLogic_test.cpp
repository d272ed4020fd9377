#include "LineNumberSelection.h"
#include "StartArguments.h"

#include <gtest/gtest.h>

using namespace quillon;

namespace {

struct ArgsCase {
    const char *name;
    QStringList args;
    StartArguments::Form form;
    const char *path;
    const char *handle;
    bool badHandle;
};

void PrintTo(const ArgsCase &c, std::ostream *os)
{
    *os << c.name;
}

class StartArgumentsTable : public testing::TestWithParam<ArgsCase> {};

TEST_P(StartArgumentsTable, Case)
{
    const ArgsCase &c = GetParam();
    const StartArguments a = StartArguments::parse(c.args);
    EXPECT_EQ(a.form, c.form);
    EXPECT_EQ(a.path, QLatin1String(c.path));
    EXPECT_EQ(a.harboHandle, QLatin1String(c.handle));
    EXPECT_EQ(a.badHandle, c.badHandle);
}

using F = StartArguments::Form;
const QString file = QStringLiteral("/tmp/a b.txt");

INSTANTIATE_TEST_SUITE_P(
    Forms, StartArgumentsTable,
    testing::Values(
        ArgsCase{"none", {}, F::Plain, "", "", false},
        ArgsCase{"one_path", {file}, F::Plain, "/tmp/a b.txt", "", false},
        ArgsCase{"filer_handle", {QStringLiteral("hwnd=12345"), file}, F::Filer, "/tmp/a b.txt", "12345", false},
        ArgsCase{"filer_handle_any_case", {QStringLiteral("HWND=7"), file}, F::Filer, "/tmp/a b.txt", "7", false},
        ArgsCase{"filer_placeholder", {QStringLiteral("hwnd=%h"), file}, F::Filer, "/tmp/a b.txt", "", false},
        ArgsCase{"filer_not_a_number", {QStringLiteral("hwnd=12x"), file}, F::Filer, "/tmp/a b.txt", "", true},
        ArgsCase{"filer_negative", {QStringLiteral("hwnd=-1"), file}, F::Filer, "/tmp/a b.txt", "", true},
        ArgsCase{"filer_empty_handle", {QStringLiteral("hwnd="), file}, F::Filer, "/tmp/a b.txt", "", true},
        ArgsCase{"two_without_hwnd", {QStringLiteral("x"), file}, F::Filer, "/tmp/a b.txt", "", false},
        ArgsCase{"three", {file, file, file}, F::TooMany, "", "", false}),
    [](const testing::TestParamInfo<ArgsCase> &info) { return std::string(info.param.name); });

struct SelectionCase {
    const char *name;
    int clicked, lineCount, anchor;
    bool extend;
    int line, newAnchor, top, bottom;
    bool withLineEnd, caretAtTop;
};

void PrintTo(const SelectionCase &c, std::ostream *os)
{
    *os << c.name;
}

class LineNumberSelectionTable : public testing::TestWithParam<SelectionCase> {};

TEST_P(LineNumberSelectionTable, Case)
{
    const SelectionCase &c = GetParam();
    const LineNumberSelection s = LineNumberSelection::click(c.clicked, c.lineCount, c.anchor, c.extend);
    EXPECT_EQ(s.line, c.line);
    EXPECT_EQ(s.anchor, c.newAnchor);
    EXPECT_EQ(s.top, c.top);
    EXPECT_EQ(s.bottom, c.bottom);
    EXPECT_EQ(s.withLineEnd, c.withLineEnd);
    EXPECT_EQ(s.caretAtTop, c.caretAtTop);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, LineNumberSelectionTable,
    testing::Values(
        SelectionCase{"plain_click_selects_its_line", 3, 10, 7, false, 3, 3, 3, 3, false, true},
        SelectionCase{"number_below_the_last_line_takes_the_last", 5, 5, 0, false, 4, 4, 4, 4, false, true},
        SelectionCase{"empty_text", 2, 0, 0, false, 0, 0, 0, 0, false, true},
        SelectionCase{"shift_down_from_anchor", 6, 10, 2, true, 6, 2, 2, 6, true, false},
        SelectionCase{"shift_up_puts_the_caret_on_top", 1, 10, 4, true, 1, 4, 1, 4, true, true},
        SelectionCase{"shift_on_the_anchor", 4, 10, 4, true, 4, 4, 4, 4, true, false},
        SelectionCase{"anchor_beyond_a_shorter_text", 1, 3, 8, true, 1, 8, 1, 2, true, true}),
    [](const testing::TestParamInfo<SelectionCase> &info) { return std::string(info.param.name); });

} // namespace
