// The filer's look as read from "Harbek.ini", and the theme names.
#include "support/CaseNames.h"
#include "support/TempHome.h"

#include "HarbekanLook.h"
#include "IniFile.h"
#include "Theme.h"

#include <QDir>
#include <gtest/gtest.h>

#include <functional>

using namespace quillon;

namespace {

struct LookCase {
    const char *name;
    QStringList lines; // of section [Harbekan]
    HarbekanLook expected;
};

HarbekanLook with(std::function<void(HarbekanLook &)> change)
{
    HarbekanLook look;
    change(look);
    return look;
}

const LookCase lookCases[] = {
    {"empty_file_gives_defaults", {}, HarbekanLook{}},
    // Six digits blue, green, red: 0000FF is red.
    {"only_the_background_set", {QStringLiteral("HarbekanColorBack=0000FF")},
     with([](HarbekanLook &l) { l.colorBack = 0x0000FF; })},
    {"every_key",
     {QString::fromUtf16(u"HarbekanFontName=IPAゴシック"), QStringLiteral("HarbekanFontHeight=20"),
      QStringLiteral("HarbekanColorText=00FFFF"), QStringLiteral("HarbekanColorBack=400000"),
      QStringLiteral("HarbekanColorRetMark=123456")},
     with([](HarbekanLook &l) {
         l.fontName = QString::fromUtf16(u"IPAゴシック");
         l.fontHeight = 20;
         l.colorText = 0x00FFFF;
         l.colorRetMark = 0x123456;
     })},
    {"bad_values_keep_defaults",
     {QStringLiteral("HarbekanFontName="), QStringLiteral("HarbekanFontHeight=big"),
      QStringLiteral("HarbekanColorText=clRed"), QStringLiteral("HarbekanColorBack=12345678"),
      QStringLiteral("HarbekanColorRetMark=")},
     HarbekanLook{}},
    {"size_zero_or_less_keeps_default", {QStringLiteral("HarbekanFontHeight=-3")}, HarbekanLook{}},
};

class Look : public ::testing::TestWithParam<LookCase> {};

TEST_P(Look, ReadFromTheFilersFile)
{
    const LookCase &c = GetParam();
    test::TempHome home;
    IniFile ini(HarbekanLook::iniPath());
    ASSERT_TRUE(ini.createIfMissing());
    ini.writeString(QStringLiteral("Other"), QStringLiteral("Key"), QStringLiteral("1"));
    for (const QString &line : c.lines) {
        const qsizetype eq = line.indexOf(u'=');
        ini.writeString(QStringLiteral("Harbekan"), line.left(eq), line.mid(eq + 1));
    }
    EXPECT_TRUE(HarbekanLook::available());
    EXPECT_EQ(HarbekanLook::read(HarbekanLook::iniPath()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Appearance, Look, ::testing::ValuesIn(lookCases), test::CaseName{});

TEST(LookFile, MissingOrAFolderIsNotAvailable)
{
    test::TempHome home;
    EXPECT_FALSE(HarbekanLook::available());
    EXPECT_EQ(HarbekanLook::read(HarbekanLook::iniPath()), HarbekanLook{});
    ASSERT_TRUE(QDir().mkpath(HarbekanLook::iniPath()));
    EXPECT_FALSE(HarbekanLook::available());
}

TEST(Themes, NamesAndNumbersBothWays)
{
    const QStringList names = {QStringLiteral("Windows"), QStringLiteral("Carbon"),
                               QStringLiteral("Charcoal Dark Slate"), QStringLiteral("Windows10 Dark")};
    for (int n = 0; n < Theme::Count; ++n) {
        EXPECT_EQ(Theme::name(n), names[n]);
        EXPECT_EQ(Theme::number(names[n]), n);
    }
    for (const char *other : {"", "carbon", "Windows Dark", "Fusion", " Carbon"})
        EXPECT_EQ(Theme::number(QString::fromLatin1(other)), 0) << other;

    test::TempHome home;
    IniFile ini(AppPaths::settingsPath());
    ASSERT_TRUE(ini.createIfMissing());
    EXPECT_EQ(Theme::stored(ini), 0);
    Theme::store(ini, 3);
    EXPECT_EQ(ini.readString(QStringLiteral("SkinStyle"), QStringLiteral("Text")), QStringLiteral("Windows10 Dark"));
    EXPECT_EQ(Theme::stored(ini), 3);
}

} // namespace
