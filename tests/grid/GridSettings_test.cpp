// The grid's settings keys: defaults, the two sections, the spellings written.
#include "GridSettings.h"
#include "support/TempHome.h"

#include <QBuffer>
#include <QTextStream>
#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(GridSettings, DefaultsAreWrittenUnderTheirSectionsAndSpellings)
{
    test::TempHome home;
    IniFile ini(home.file(QStringLiteral("Quillon.ini")));
    GridSettings s;
    s.load(ini);
    EXPECT_EQ(s.readChoice(), 0);
    EXPECT_EQ(s.clipStyle(), 0);
    EXPECT_EQ(s.textHeight(), 22);
    EXPECT_EQ(s.memoHeightIndex, 1);
    s.store(ini);
    const QStringList grid = ini.sectionKeys(QStringLiteral("ViewGrid"));
    EXPECT_TRUE(grid.contains(QStringLiteral("ClipTAB")));
    EXPECT_FALSE(grid.contains(QStringLiteral("ClipTab")));
    EXPECT_TRUE(grid.contains(QStringLiteral("SaveFixedLength")));
    EXPECT_EQ(ini.readString(QStringLiteral("ViewGlid"), QStringLiteral("CurrentColor")), QStringLiteral("$00FF8000"));
    EXPECT_EQ(ini.readString(QStringLiteral("ViewGlid"), QStringLiteral("FixedColor")), QStringLiteral("clSkyBlue"));
    EXPECT_EQ(ini.readString(QStringLiteral("ViewGlid"), QStringLiteral("FontName")), QString::fromUtf16(u"ＭＳ ゴシック"));
    EXPECT_TRUE(ini.readBool(QStringLiteral("ViewGrid"), QStringLiteral("SaveSJIS"), false));
    EXPECT_TRUE(ini.readBool(QStringLiteral("ViewGrid"), QStringLiteral("SaveTAB"), false));
    EXPECT_FALSE(ini.readBool(QStringLiteral("ViewGrid"), QStringLiteral("SaveComma"), true));
}

TEST(GridSettings, RoundTripAndOddFiles)
{
    test::TempHome home;
    IniFile ini(home.file(QStringLiteral("Quillon.ini")));
    ini.writeBool(QStringLiteral("ViewGrid"), QStringLiteral("ClipTab"), false);
    ini.writeBool(QStringLiteral("ViewGrid"), QStringLiteral("ClipCsvEx2"), true);
    ini.writeBool(QStringLiteral("ViewGrid"), QStringLiteral("ReadAuto"), false);
    ini.writeBool(QStringLiteral("ViewGrid"), QStringLiteral("ReadEUCJP"), true);
    ini.writeString(QStringLiteral("ViewGlid"), QStringLiteral("MemoHeightIndex"), QStringLiteral("99"));
    ini.writeString(QStringLiteral("ViewGlid"), QStringLiteral("FontSize"), QStringLiteral("abc"));
    GridSettings s;
    s.load(ini);
    EXPECT_EQ(s.clipStyle(), 3);
    EXPECT_EQ(s.readChoice(), 3);
    EXPECT_EQ(s.memoHeightIndex, 10);
    EXPECT_EQ(s.pointSize(), 14);
    s.searchWord = QStringLiteral("a&b");
    s.store(ini);
    GridSettings back;
    back.load(ini);
    EXPECT_EQ(back.searchWord, QStringLiteral("a&b"));
    EXPECT_EQ(back.clip, s.clip);
    EXPECT_EQ(back.read, s.read);
    // Nothing checked: automatic and the TAB style.
    ini.writeBool(QStringLiteral("ViewGrid"), QStringLiteral("ReadEUCJP"), false);
    ini.writeBool(QStringLiteral("ViewGrid"), QStringLiteral("ClipCsvEx2"), false);
    GridSettings none;
    none.load(ini);
    EXPECT_EQ(none.readChoice(), 0);
    EXPECT_EQ(none.clipStyle(), 0);
}

TEST(GridSettings, ParentKey)
{
    test::TempHome home;
    IniFile ini(home.file(QStringLiteral("Quillon.ini")));
    EXPECT_EQ(readGridParent(ini), QStringLiteral("Main"));
    writeGridParent(ini, QStringLiteral("FindAll"));
    EXPECT_EQ(ini.readString(QStringLiteral("FormViewGrid"), QStringLiteral("Parent")), QStringLiteral("FindAll"));
    EXPECT_EQ(readGridParent(ini), QStringLiteral("FindAll"));
}

} // namespace
} // namespace quillon
