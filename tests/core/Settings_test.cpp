#include "support/TempHome.h"

#include "ColorText.h"
#include "IniFile.h"
#include "MainSettings.h"
#include "Placement.h"
#include "Utf16TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace quillon;

namespace {

QString s(const char16_t *t)
{
    return QString::fromUtf16(t);
}

// Counts the write failures reported while it lives.
struct WriteErrors {
    int count = 0;
    QString reason;
    WriteErrors()
    {
        IniFile::resetReportedFailures();
        IniFile::setWriteErrorHandler([this](const QString &, const QString &r) {
            ++count;
            reason = r;
        });
    }
    ~WriteErrors()
    {
        IniFile::setWriteErrorHandler({});
        IniFile::resetReportedFailures();
    }
};

constexpr QFileDevice::Permissions readOnlyFolder = QFileDevice::ReadOwner | QFileDevice::ExeOwner
    | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
constexpr QFileDevice::Permissions openFolder = readOnlyFolder | QFileDevice::WriteOwner | QFileDevice::WriteGroup
    | QFileDevice::WriteOther;

} // namespace

TEST(IniFile, CreatedWithOnlyTheByteOrderMark)
{
    test::TempHome home;
    IniFile ini(AppPaths::settingsPath());
    ASSERT_TRUE(ini.createIfMissing());
    EXPECT_EQ(home.read(QStringLiteral("Quillon.ini")), QByteArray("\xFF\xFE", 2));
    // An existing file is left alone.
    ini.writeString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("v"));
    ASSERT_TRUE(ini.createIfMissing());
    EXPECT_EQ(ini.readString(QStringLiteral("A"), QStringLiteral("k")), QStringLiteral("v"));
}

TEST(IniFile, WritesUtf16LeWithCrLfAndReadsBackCaseBlind)
{
    test::TempHome home;
    IniFile ini(home.file(QStringLiteral("Quillon.ini")));
    ini.writeString(QStringLiteral("Editor"), QStringLiteral("FontNameReadOnly"), s(u"ＭＳ ゴシック"));
    ini.writeInteger(QStringLiteral("FormMain"), QStringLiteral("Left"), -12);
    ini.writeBool(QStringLiteral("editor"), QStringLiteral("CrLf"), true);

    const QByteArray bytes = home.read(QStringLiteral("Quillon.ini"));
    const QString expected = s(u"[Editor]\r\nFontNameReadOnly=ＭＳ ゴシック\r\nCrLf=1\r\n[FormMain]\r\nLeft=-12\r\n");
    EXPECT_EQ(bytes, Utf16TextFile::encode(expected));

    EXPECT_EQ(ini.readString(QStringLiteral("EDITOR"), QStringLiteral("fontnamereadonly")), s(u"ＭＳ ゴシック"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("formmain"), QStringLiteral("LEFT"), 0), -12);
    EXPECT_TRUE(ini.readBool(QStringLiteral("Editor"), QStringLiteral("crlf"), false));
    // Overwriting a key keeps one line, in place.
    ini.writeInteger(QStringLiteral("FORMMAIN"), QStringLiteral("left"), 5);
    EXPECT_EQ(Utf16TextFile::readLines(ini.path()).count(), 5);
    EXPECT_EQ(ini.readInteger(QStringLiteral("FormMain"), QStringLiteral("Left"), 0), 5);
}

TEST(IniFile, NumbersAndBooleansWithDefaults)
{
    test::TempHome home;
    const QString text = QStringLiteral(
        "[S]\r\nhex1=$1F\r\nhex2=0x10\r\ndec=42\r\nneg=-7\r\nbad=12abc\r\nempty=\r\nzero=0\r\nbig=99999999999\r\n");
    home.write(QStringLiteral("Quillon.ini"), Utf16TextFile::encode(text));
    IniFile ini(AppPaths::settingsPath());
    const QString sec = QStringLiteral("S");
    struct Case { const char *key; int expected; } cases[] = {
        {"hex1", 31}, {"hex2", 16}, {"dec", 42}, {"neg", -7}, {"bad", 99}, {"empty", 99},
        {"missing", 99}, {"big", 99},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(ini.readInteger(sec, QLatin1String(c.key), 99), c.expected);
    }
    EXPECT_TRUE(ini.readBool(sec, QStringLiteral("dec"), false));
    EXPECT_TRUE(ini.readBool(sec, QStringLiteral("neg"), false));
    EXPECT_FALSE(ini.readBool(sec, QStringLiteral("zero"), true));
    EXPECT_TRUE(ini.readBool(sec, QStringLiteral("bad"), true));   // not a number: default
    EXPECT_FALSE(ini.readBool(sec, QStringLiteral("missing"), false));
}

TEST(ColorText, NamesHexAndDecimal)
{
    struct Case { const char *text; TColor color; const char *written; } cases[] = {
        {"clBlack", 0x000000, "clBlack"}, {"clWhite", 0xFFFFFF, "clWhite"},
        {"clBlue", 0xFF0000, "clBlue"},   {"clRed", 0x0000FF, "clRed"},
        {"clMoneyGreen", 0xC0DCC0, "clMoneyGreen"}, {"clSkyBlue", 0xF0CAA6, "clSkyBlue"},
        {"clCream", 0xF0FBFF, "clCream"}, {"clMedGray", 0xA4A0A0, "clMedGray"},
        {"$191919", 0x191919, "$00191919"}, {"$00232323", 0x232323, "$00232323"},
        {"255", 0x0000FF, "clRed"}, {"$000000", 0, "clBlack"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        TColor color = 1;
        ASSERT_TRUE(textToColor(QLatin1String(c.text), &color));
        EXPECT_EQ(color, c.color);
        EXPECT_EQ(colorToText(color), QLatin1String(c.written));
    }
    TColor color = 7;
    EXPECT_FALSE(textToColor(QStringLiteral("clNoSuchColour"), &color));
    EXPECT_FALSE(textToColor(QString(), &color));
    EXPECT_EQ(color, 7u);
}

TEST(IniFile, ColoursRoundTripThroughTheFile)
{
    test::TempHome home;
    IniFile ini(AppPaths::settingsPath());
    ini.writeColor(QStringLiteral("FTextView"), QStringLiteral("ColorCarbon"), 0x191919);
    ini.writeColor(QStringLiteral("Editor"), QStringLiteral("KigouColor"), 0xFF0000);
    EXPECT_EQ(ini.readString(QStringLiteral("FTextView"), QStringLiteral("ColorCarbon")), QStringLiteral("$00191919"));
    EXPECT_EQ(ini.readString(QStringLiteral("Editor"), QStringLiteral("KigouColor")), QStringLiteral("clBlue"));
    EXPECT_EQ(ini.readColor(QStringLiteral("FTextView"), QStringLiteral("ColorCarbon"), 0), 0x191919u);
    EXPECT_EQ(ini.readColor(QStringLiteral("Editor"), QStringLiteral("Missing"), 0x123456), 0x123456u);
}

TEST(IniFile, DamagedFilesReadWhatCanBeRead)
{
    test::TempHome home;
    const QString sec = QStringLiteral("Editor");
    const QString key = QStringLiteral("LineWidth");
    struct Case { const char *name; QByteArray bytes; int expected; } cases[] = {
        {"utf8 without mark", QByteArray("[Editor]\r\nLineWidth=120\r\n"), 120},
        {"utf8 with mark", QByteArray("\xEF\xBB\xBF[Editor]\nLineWidth=121\n"), 121},
        {"utf16 without mark", Utf16TextFile::encode(QStringLiteral("[Editor]\r\nLineWidth=122\r\n")).mid(2), 122},
        {"truncated utf16", Utf16TextFile::encode(QStringLiteral("[Editor]\r\nLineWidth=123\r\nTa")).chopped(1), 123},
        {"garbage lines", QByteArray("\x01\x02garbage\n=novalue\n[\n[Editor\n[Editor]\nnoequals\nLineWidth=124\n"), 124},
        {"random bytes", QByteArray("\xFF\x00\x13\x80\x81\xFE\xFE", 7), 80},
        {"lone section", QByteArray("[Editor]"), 80},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        home.write(QStringLiteral("Quillon.ini"), c.bytes);
        IniFile ini(AppPaths::settingsPath());
        EXPECT_EQ(ini.readInteger(sec, key, 80), c.expected);
        // Writing after a damaged read still gives a clean UTF-16 file.
        ASSERT_TRUE(ini.writeInteger(sec, QStringLiteral("LineZero"), 1));
        EXPECT_TRUE(home.read(QStringLiteral("Quillon.ini")).startsWith("\xFF\xFE"));
        EXPECT_EQ(ini.readInteger(sec, QStringLiteral("LineZero"), 0), 1);
    }
}

TEST(IniFile, WriteFailureIsReportedOnce)
{
    test::TempHome home;
    // A folder that cannot take the file (missing here; read-only for a user
    // behaves the same, but tests may run as root).
    const QString path = home.file(QStringLiteral("gone/Quillon.ini"));
    int reports = 0;
    QString reason;
    IniFile::resetReportedFailures();
    IniFile::setWriteErrorHandler([&](const QString &p, const QString &r) {
        ++reports;
        reason = r;
        EXPECT_EQ(p, path);
    });
    IniFile ini(path);
    EXPECT_FALSE(ini.createIfMissing());
    EXPECT_FALSE(ini.writeBool(QStringLiteral("A"), QStringLiteral("B"), true));
    EXPECT_FALSE(ini.writeBool(QStringLiteral("A"), QStringLiteral("C"), true));
    // What could not be saved still reads back for the rest of the run.
    EXPECT_TRUE(ini.readBool(QStringLiteral("A"), QStringLiteral("B"), false));
    EXPECT_EQ(reports, 1);
    EXPECT_FALSE(reason.isEmpty());
    IniFile::setWriteErrorHandler({});
    IniFile::resetReportedFailures();
}

TEST(IniFile, UnreadableFileIsNeverReplaced)
{
    test::TempHome home;
    const QByteArray before =
        Utf16TextFile::encode(QStringLiteral("[Editor]\r\nLineWidth=120\r\n[Other]\r\nKey=kept\r\n"));
    const QString path = home.write(QStringLiteral("Quillon.ini"), before);
    // The folder takes files; the settings file can be written but not read.
    ASSERT_TRUE(QFile::setPermissions(home.path(), openFolder));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));
    WriteErrors errors;
    {
        test::PermissionsApply permissions;
        IniFile ini(path);
        EXPECT_FALSE(ini.writeInteger(QStringLiteral("Editor"), QStringLiteral("LineZero"), 0));
        EXPECT_FALSE(ini.deleteKey(QStringLiteral("Other"), QStringLiteral("Key")));
        IniBatch batch(ini);
        batch.writeBool(QStringLiteral("Editor"), QStringLiteral("CrLf"), true);
        EXPECT_FALSE(batch.commit());
    }
    EXPECT_EQ(errors.count, 1);
    EXPECT_FALSE(errors.reason.isEmpty());
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    EXPECT_EQ(home.read(QStringLiteral("Quillon.ini")), before);
}

// Windows pass values through the file (the search word, the Parent key): a
// folder that takes no writes must not break that for the rest of the run.
TEST(IniFile, ValuesTheFileCannotTakeStayForTheRun)
{
    test::TempHome home;
    IniFile ini(AppPaths::settingsPath());
    ASSERT_TRUE(ini.writeInteger(QStringLiteral("Editor"), QStringLiteral("LineWidth"), 120));
    ASSERT_TRUE(ini.writeString(QStringLiteral("Editor"), QStringLiteral("Jump"), QStringLiteral("7")));
    const QByteArray saved = home.read(QStringLiteral("Quillon.ini"));
    ASSERT_TRUE(QFile::setPermissions(home.path(), readOnlyFolder));
    WriteErrors errors;
    {
        test::PermissionsApply permissions;
        EXPECT_FALSE(ini.writeString(QStringLiteral("Options"), QStringLiteral("SearchWord"), QStringLiteral("needle")));
        EXPECT_FALSE(ini.writeInteger(QStringLiteral("Editor"), QStringLiteral("LineWidth"), 90));
        EXPECT_FALSE(ini.deleteKey(QStringLiteral("Editor"), QStringLiteral("Jump")));
        {
            IniBatch batch(ini);
            batch.writeString(QStringLiteral("FormFind"), QStringLiteral("Parent"), QStringLiteral("FindAll"));
        }
        // Every reader of the same file in this run, batch or not, sees them.
        const IniFile other(AppPaths::settingsPath());
        EXPECT_EQ(other.readString(QStringLiteral("options"), QStringLiteral("searchword")), QStringLiteral("needle"));
        EXPECT_EQ(other.readInteger(QStringLiteral("Editor"), QStringLiteral("LineWidth"), 0), 90);
        EXPECT_FALSE(other.hasKey(QStringLiteral("Editor"), QStringLiteral("Jump")));
        EXPECT_EQ(other.readString(QStringLiteral("FormFind"), QStringLiteral("Parent")), QStringLiteral("FindAll"));
        EXPECT_EQ(other.sectionKeys(QStringLiteral("Editor")), QStringList{QStringLiteral("LineWidth")});
        IniBatch batch(ini);
        EXPECT_EQ(batch.readString(QStringLiteral("Options"), QStringLiteral("SearchWord")), QStringLiteral("needle"));
        EXPECT_FALSE(batch.hasKey(QStringLiteral("Editor"), QStringLiteral("Jump")));
    }
    EXPECT_EQ(errors.count, 1);
    EXPECT_EQ(home.read(QStringLiteral("Quillon.ini")), saved);

    // Once the folder takes writes again, the next write saves them as well.
    ASSERT_TRUE(QFile::setPermissions(home.path(), openFolder));
    ASSERT_TRUE(ini.writeBool(QStringLiteral("Editor"), QStringLiteral("CrLf"), true));
    EXPECT_EQ(home.read(QStringLiteral("Quillon.ini")),
              Utf16TextFile::encode(QStringLiteral("[Editor]\r\nLineWidth=90\r\nCrLf=1\r\n"
                                                   "[Options]\r\nSearchWord=needle\r\n[FormFind]\r\nParent=FindAll\r\n")));
}

// One pair of single or double quotes around a whole value is not part of it,
// as the platform's profile functions read it; a value written by the program
// reads back exactly, whatever quotes or outer spaces it has.
TEST(IniFile, QuotesAroundAValue)
{
    test::TempHome home;
    home.write(QStringLiteral("Quillon.ini"),
               Utf16TextFile::encode(QStringLiteral("[S]\r\ndouble=\"two words\"\r\nsingle='x'\r\npadded=  \"a\"  \r\n"
                                                    "empty=\"\"\r\nlone=\"\r\nmixed=\"x'\r\ninner=a\"b\"\r\n"
                                                    "twice=\"\"x\"\"\r\nnumber=\"42\"\r\n")));
    IniFile ini(AppPaths::settingsPath());
    const QString sec = QStringLiteral("S");
    const struct {
        const char *key, *value;
    } stored[] = {
        {"double", "two words"}, {"single", "x"}, {"padded", "a"}, {"empty", ""}, {"lone", "\""},
        {"mixed", "\"x'"},      {"inner", "a\"b\""}, {"twice", "\"x\""}, {"number", "42"},
    };
    for (const auto &c : stored) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(ini.readString(sec, QLatin1String(c.key)), QLatin1String(c.value));
    }
    EXPECT_EQ(ini.readInteger(sec, QStringLiteral("number"), 0), 42);

    const char *written[] = {"\"quoted\"", "'single'", "\"", "\"\"", " lead", "trail ", "  ", "a \"b\"", "plain"};
    for (const char *value : written) {
        SCOPED_TRACE(value);
        ASSERT_TRUE(ini.writeString(QStringLiteral("Options"), QStringLiteral("SearchWord"), QLatin1String(value)));
        EXPECT_EQ(IniFile(AppPaths::settingsPath()).readString(QStringLiteral("Options"), QStringLiteral("SearchWord")),
                  QLatin1String(value));
    }
}

TEST(IniFile, ValuesCannotBreakTheFile)
{
    test::TempHome home;
    IniFile ini(AppPaths::settingsPath());
    ini.writeString(QStringLiteral("Options"), QStringLiteral("SearchWord"), QStringLiteral("a\r\n[Editor]\r\nx=1"));
    EXPECT_EQ(ini.sectionKeys(QStringLiteral("Editor")).size(), 0);
    EXPECT_EQ(ini.readString(QStringLiteral("Options"), QStringLiteral("SearchWord")), QStringLiteral("a  [Editor]  x=1"));
}

TEST(Placement, VirtualScreenCheck)
{
    const QRect vs(0, 0, 1920, 1080);
    struct Case { const char *name; QRect saved; bool kept; } cases[] = {
        {"inside", QRect(100, 100, 780, 240), true},
        {"5 above the top", QRect(100, -5, 780, 240), true},
        {"10 above the top", QRect(100, -10, 780, 240), false},
        {"5 left of the left edge", QRect(-5, 100, 780, 240), true},
        {"10 left", QRect(-10, 100, 780, 240), false},
        {"below the bottom", QRect(100, 1100, 780, 240), false},
        {"bottom past the screen", QRect(100, 900, 780, 240), false},
        {"right past the screen", QRect(1500, 100, 780, 240), false},
        {"on a second monitor to the left", QRect(-1800, 100, 780, 240), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlacementRecord::fitsVirtualScreen(c.saved, vs), c.kept);
        const Placement p{c.saved, QStringLiteral("NORMAL")};
        EXPECT_EQ(PlacementRecord::restoredRect(p, vs, QSize(780, 240)), c.kept ? c.saved : QRect(0, 0, 780, 240));
    }
    // Two monitors side by side: the left one starts at a negative x.
    EXPECT_TRUE(PlacementRecord::fitsVirtualScreen(QRect(-1800, 100, 780, 240), QRect(-1920, 0, 3840, 1080)));
}

TEST(Placement, MaximisedWindowKeepsItsNormalRectangle)
{
    test::TempHome home;
    IniFile ini(AppPaths::settingsPath());
    const QString sec = QStringLiteral("FormMain");
    PlacementRecord::write(ini, sec, QStringLiteral("NORMAL"), QRect(10, 20, 800, 300));
    PlacementRecord::write(ini, sec, QStringLiteral("MAX"), QRect(0, 0, 1920, 1080));
    const Placement p = PlacementRecord::read(ini, sec, QSize(780, 240));
    EXPECT_EQ(p.state, QStringLiteral("MAX"));
    EXPECT_EQ(p.rect, QRect(10, 20, 800, 300));
    // A fresh file gives the defaults.
    const Placement d = PlacementRecord::read(ini, QStringLiteral("FormFind"), QSize(540, 240));
    EXPECT_EQ(d.rect, QRect(0, 0, 540, 240));
    EXPECT_EQ(d.state, QStringLiteral("NORMAL"));
}

TEST(IniBatch, ReadsOnceWritesOnceAndKeepsOtherWriters)
{
    test::TempHome home;
    IniFile ini(AppPaths::settingsPath());
    ini.writeInteger(QStringLiteral("S"), QStringLiteral("A"), 1);
    {
        IniBatch batch(ini);
        EXPECT_EQ(batch.readInteger(QStringLiteral("s"), QStringLiteral("a"), 0), 1);
        // Another viewer writes while this batch is open.
        IniFile other(AppPaths::settingsPath());
        other.writeInteger(QStringLiteral("S"), QStringLiteral("B"), 2);
        batch.writeInteger(QStringLiteral("S"), QStringLiteral("C"), 3);
        batch.writeColor(QStringLiteral("T"), QStringLiteral("Color"), 0xFF0000);
        // Written keys read back through the batch before it commits.
        EXPECT_EQ(batch.readInteger(QStringLiteral("S"), QStringLiteral("C"), 0), 3);
        EXPECT_FALSE(ini.hasKey(QStringLiteral("S"), QStringLiteral("C")));
    }
    EXPECT_EQ(ini.readInteger(QStringLiteral("S"), QStringLiteral("A"), 0), 1);
    EXPECT_EQ(ini.readInteger(QStringLiteral("S"), QStringLiteral("B"), 0), 2);
    EXPECT_EQ(ini.readInteger(QStringLiteral("S"), QStringLiteral("C"), 0), 3);
    EXPECT_EQ(ini.readString(QStringLiteral("T"), QStringLiteral("Color")), QStringLiteral("clBlue"));
}

TEST(MainSettings, RunTimeKeysKeepTheirSectionAndFallBackToTheMembersDefault)
{
    test::TempHome home;
    IniFile ini(AppPaths::settingsPath());
    ini.createIfMissing();

    // Nothing in the file: every type reads the member's default.
    MainSettings read;
    read.closeEsc = false;
    read.lineZero = 7;
    read.jump = QStringLiteral("x");
    read.kigouColor = 1;
    for (MainKey key : {MainKey::CloseEsc, MainKey::LineZero, MainKey::Jump, MainKey::KigouColor})
        read.reload(ini, key);
    const MainSettings defaults;
    EXPECT_EQ(read.closeEsc, defaults.closeEsc);
    EXPECT_EQ(read.lineZero, defaults.lineZero);
    EXPECT_EQ(read.jump, defaults.jump);
    EXPECT_EQ(read.kigouColor, defaults.kigouColor);

    // Written where the other windows and the filer look for them.
    MainSettings written;
    written.closeEsc = false;
    written.lineZero = 0;
    written.jump = QStringLiteral("42");
    written.kigouColor = 0x123456;
    written.searchBarTop = false;
    written.statusBarTop = true;
    for (MainKey key : {MainKey::CloseEsc, MainKey::LineZero, MainKey::Jump, MainKey::KigouColor,
                        MainKey::SearchBarTop, MainKey::StatusBarTop, MainKey::FindParent})
        written.save(ini, key);
    EXPECT_FALSE(ini.readBool(QStringLiteral("Editor"), QStringLiteral("CloseESCkey"), true));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Editor"), QStringLiteral("LineZero"), 1), 0);
    EXPECT_EQ(ini.readString(QStringLiteral("Editor"), QStringLiteral("Jump")), QStringLiteral("42"));
    EXPECT_EQ(ini.readColor(QStringLiteral("Editor"), QStringLiteral("KigouColor"), 0), 0x123456u);
    // Two keys of one name in different sections stay apart.
    EXPECT_FALSE(ini.readBool(QStringLiteral("SearchBar"), QStringLiteral("PositionTop"), true));
    EXPECT_TRUE(ini.readBool(QStringLiteral("StatusBar"), QStringLiteral("PositionTop"), false));
    EXPECT_EQ(ini.readString(QStringLiteral("FormFind"), QStringLiteral("Parent")), QStringLiteral("Main"));

    MainSettings again;
    for (MainKey key : {MainKey::CloseEsc, MainKey::LineZero, MainKey::Jump, MainKey::KigouColor})
        again.reload(ini, key);
    EXPECT_FALSE(again.closeEsc);
    EXPECT_EQ(again.lineZero, 0);
    EXPECT_EQ(again.jump, QStringLiteral("42"));
    EXPECT_EQ(again.kigouColor, 0x123456u);
}

TEST(MainSettings, WhatTheExitWritesTheNextStartReads)
{
    test::TempHome home;
    IniFile ini(AppPaths::settingsPath());
    ini.createIfMissing();

    MainSettings out;
    out.textFont = {QStringLiteral("Serif"), QStringLiteral("20"), 0x010203};
    out.binaryFont = {QStringLiteral("Mono"), QStringLiteral("9"), 0x040506};
    out.backColorReadOnly = 0x070809;
    out.kigouColor = 0x0A0B0C;
    out.binaryColor = 0x0D0E0F;
    out.setReadSetting(7);
    out.closeEsc = out.closeEnter = out.closeQ = out.closeX = false;
    out.tabs = {false, false, false, true};
    out.markCrLf = out.markEof = out.markTab = out.markDbcs = true;
    out.showLineNumber = out.selectLine = true;
    out.startTopLine = out.topToFiler = out.checkFilerExist = out.sameAsHarbekan = false;
    out.searchWordAutoGet = out.searchBarSetFocus = false;
    out.binaryLoadAll = true;
    out.binaryLoadRange = false;
    out.statusBarTop = out.statusBarBottom = out.searchBarTop = false;
    out.quillonCloseOnExecuteHarbekan = out.menuHarbekanCloseOnStart = false;
    out.saveCsvFolderFile = QStringLiteral("/tmp/out.csv");
    out.writeAtExit(ini);

    MainSettings in;
    in.readAtStart(ini);
    EXPECT_EQ(in.textFont.name, out.textFont.name);
    EXPECT_EQ(in.textFont.size, out.textFont.size);
    EXPECT_EQ(in.textFont.color, out.textFont.color);
    EXPECT_EQ(in.binaryFont.name, out.binaryFont.name);
    EXPECT_EQ(in.binaryFont.size, out.binaryFont.size);
    EXPECT_EQ(in.binaryFont.color, out.binaryFont.color);
    EXPECT_EQ(in.backColorReadOnly, out.backColorReadOnly);
    EXPECT_EQ(in.kigouColor, out.kigouColor);
    EXPECT_EQ(in.binaryColor, out.binaryColor);
    EXPECT_EQ(in.checkedReadSetting(), 7);
    EXPECT_EQ(in.readSetting, out.readSetting);
    EXPECT_FALSE(in.closeEsc || in.closeEnter || in.closeQ || in.closeX);
    EXPECT_EQ(in.tabs, out.tabs);
    EXPECT_TRUE(in.markCrLf && in.markEof && in.markTab && in.markDbcs);
    EXPECT_TRUE(in.showLineNumber && in.selectLine);
    EXPECT_FALSE(in.startTopLine || in.topToFiler || in.checkFilerExist || in.sameAsHarbekan);
    EXPECT_FALSE(in.searchWordAutoGet || in.searchBarSetFocus);
    EXPECT_TRUE(in.binaryLoadAll);
    EXPECT_FALSE(in.binaryLoadRange);
    EXPECT_FALSE(in.statusBarTop || in.statusBarBottom || in.searchBarTop);
    EXPECT_FALSE(in.quillonCloseOnExecuteHarbekan || in.menuHarbekanCloseOnStart);
    EXPECT_EQ(in.saveCsvFolderFile, out.saveCsvFolderFile);

    // The start writes back the keys it normalises, under their own sections.
    EXPECT_EQ(ini.readString(QStringLiteral("SystemFontEng"), QStringLiteral("Name")), QStringLiteral("Courier New"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("SystemFontJpn"), QStringLiteral("Size"), 0), 14);
    EXPECT_EQ(ini.readString(QStringLiteral("FTextView"), QStringLiteral("ColorCarbon")), colorToText(0x191919));
    EXPECT_FALSE(ini.readBool(QStringLiteral("Developer"), QStringLiteral("Enabled"), true));
}
