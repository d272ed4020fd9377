#include "LoadOutcome.h"

#include <gtest/gtest.h>

using namespace quillon;

namespace {

struct OutcomeCase {
    const char *name;
    LoadedText::Status status;
    bool unknownChar, lfInCrLf, readOnlyAttribute;
    LoadOutcome::Kind kind;
    bool readOnly;
    const char *messageStart; // English text; empty: no message
};

void PrintTo(const OutcomeCase &c, std::ostream *os)
{
    *os << c.name;
}

class LoadOutcomeTable : public testing::TestWithParam<OutcomeCase> {};

TEST_P(LoadOutcomeTable, Case)
{
    const OutcomeCase &c = GetParam();
    LoadedText loaded;
    loaded.status = c.status;
    loaded.unknownChar = c.unknownChar;
    loaded.lfInCrLf = c.lfInCrLf;
    loaded.readOnlyAttribute = c.readOnlyAttribute;
    loaded.reasonJapanese = QStringLiteral("r-ja");
    loaded.reasonEnglish = QStringLiteral("r-en");
    const LoadOutcome o = LoadOutcome::of(loaded, QStringLiteral("/x/a.txt"));
    EXPECT_EQ(o.kind, c.kind);
    EXPECT_EQ(o.readOnly, c.readOnly);
    const bool shown = c.kind == LoadOutcome::Kind::Shown || c.kind == LoadOutcome::Kind::DecodeFailed;
    // Notes follow only a file that was taken in.
    EXPECT_EQ(o.noteUnknownChar, shown && c.unknownChar);
    EXPECT_EQ(o.noteLfInCrLf, shown && c.lfInCrLf);
    if (*c.messageStart == 0) {
        EXPECT_FALSE(o.message.has_value());
    } else {
        ASSERT_TRUE(o.message.has_value());
        EXPECT_TRUE(o.message->english.startsWith(QLatin1String(c.messageStart))) << o.message->english.toStdString();
        EXPECT_FALSE(o.message->japanese.isEmpty());
    }
}

using S = LoadedText::Status;
using K = LoadOutcome::Kind;

INSTANTIATE_TEST_SUITE_P(
    Results, LoadOutcomeTable,
    testing::Values(
        OutcomeCase{"ok", S::Ok, false, false, false, K::Shown, false, ""},
        OutcomeCase{"ok_with_both_notes", S::Ok, true, true, false, K::Shown, true, ""},
        OutcomeCase{"ok_read_only_file", S::Ok, false, false, true, K::Shown, true, ""},
        OutcomeCase{"missing", S::Missing, true, true, true, K::Missing, false, "Information : File is not exist."},
        OutcomeCase{"cannot_read", S::CannotRead, false, true, false, K::Refused, false, "Error : File can not read."},
        OutcomeCase{"too_large", S::TooLarge, false, false, false, K::Refused, false, "Error : File is too large"},
        OutcomeCase{"decode_error_keeps_the_name", S::DecodeError, true, false, false, K::DecodeFailed, true,
                    "Error : r-en"}),
    [](const testing::TestParamInfo<OutcomeCase> &info) { return std::string(info.param.name); });

} // namespace
