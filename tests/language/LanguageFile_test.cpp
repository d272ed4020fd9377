// Language files as data: the field splitter, validation, the launcher
// caption bases, the panel re-wording, and the files the program ships.
#include "AppPaths.h"
#include "CommandCatalogue.h"
#include "LanguageFile.h"
#include "LineSplitter.h"
#include "PanelWording.h"
#include "support/TestText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quillon;

namespace {

using test::J;

QString shippedDir()
{
    return QDir::cleanPath(QStringLiteral(QUILLON_TEST_DATA "/../../data/Language/Quillon"));
}

QByteArray utf16(const QString &text, bool bom = true)
{
    return (bom ? test::utf16LeBom : QByteArray()) + test::utf16le(text);
}

struct SplitCase {
    const char16_t *line;
    std::vector<const char16_t *> fields;
};

TEST(LineSplitter, Cases)
{
    const SplitCase cases[] = {
        // tab: quotes are ordinary characters, n tabs give n + 1 fields
        {u"a\tb\t", {u"a", u"b", u""}},
        {u"a\t\"b,c\"", {u"a", u"\"b,c\""}},
        {u"\t", {u"", u""}},
        {u"1001\t1\tMenuOpen\tCaption\tJ\tE", {u"1001", u"1", u"MenuOpen", u"Caption", u"J", u"E"}},
        // quoted
        {u"\"x\"", {u"x"}},
        {u"\"a\",\"b\",\"c\"", {u"a", u"b", u"c"}},
        {u"\"a,b\"", {u"a,b"}},
        {u"\"", {u""}},
        {u"\"\"", {u""}},
        {u"\"a\"\"b\"", {u"a\"\"b"}},       // doubled quotes stay doubled
        {u"\"a\",b", {u"a\","}},            // a comma needs quotes on both sides; the last character goes
        {u"\"a\",\"\"", {u"a", u""}},
        // comma, no quoting
        {u"a,b", {u"a", u"b"}},
        {u",b", {u"", u"b"}},
        {u"a,", {u"a", u""}},
        {u"a,\"b\",", {u"a", u"\"b\"", u""}},
        // whole line
        {u"abc", {u"abc"}},
        {u"", {u""}},
    };
    for (const SplitCase &c : cases) {
        const QString line = J(c.line);
        SCOPED_TRACE(line.toStdString());
        QStringList expected;
        for (const char16_t *f : c.fields)
            expected.append(J(f));
        EXPECT_EQ(LineSplitter::split(line), expected);
    }

    // The splitter appends: the caller empties the list.
    QStringList fields{QStringLiteral("kept")};
    LineSplitter::split(u"a,b", fields);
    EXPECT_EQ(fields, (QStringList{QStringLiteral("kept"), QStringLiteral("a"), QStringLiteral("b")}));
}

TEST(LanguageFile, IsNumericStr)
{
    EXPECT_TRUE(IsNumericStr(u""));
    EXPECT_TRUE(IsNumericStr(u"0123456789"));
    EXPECT_FALSE(IsNumericStr(u"12a"));
    EXPECT_FALSE(IsNumericStr(u" 12"));
    EXPECT_FALSE(IsNumericStr(u"-1"));
    EXPECT_FALSE(IsNumericStr(u"１２")); // full-width digits are not digits here
}

TEST(LanguageFile, Validation)
{
    struct Case {
        QStringList lines;
        LanguageFileCheck::Problem problem;
        int lineNumber;
    };
    const QString good = QStringLiteral("1001\t1\tMenuOpen\tCaption\tJ\tE");
    const Case cases[] = {
        {{QStringLiteral("Tag\tFlag\tName\tKind\tJapanese\tEnglish"), good}, LanguageFileCheck::Problem::None, 0},
        {{QStringLiteral("tAg\t\t\t\t\t"), good}, LanguageFileCheck::Problem::None, 0},
        {{QStringLiteral("\t0\tx\tCaption\ta\tb")}, LanguageFileCheck::Problem::None, 0}, // empty tag is numeric
        {{}, LanguageFileCheck::Problem::None, 0},
        {{good, QString(), good}, LanguageFileCheck::Problem::NotSixFields, 2},
        {{good, QStringLiteral("1002\t1\tMenuX\tCaption\tJ")}, LanguageFileCheck::Problem::NotSixFields, 2},
        {{good, QStringLiteral("1002\t1\tMenuX\tCaption\tJ\tE\t")}, LanguageFileCheck::Problem::NotSixFields, 2},
        {{QStringLiteral("10a1\t1\tMenuX\tCaption\tJ\tE")}, LanguageFileCheck::Problem::FirstNotNumeric, 1},
        {{QStringLiteral("Tags\t1\tMenuX\tCaption\tJ\tE")}, LanguageFileCheck::Problem::FirstNotNumeric, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.lines.join(QLatin1Char('|')).toStdString());
        const LanguageFileCheck check = LanguageFile::check(c.lines);
        EXPECT_EQ(check.problem, c.problem);
        EXPECT_EQ(check.lineNumber, c.lineNumber);
    }

    const LanguageFileCheck empty = LanguageFile::check({good, QString()});
    EXPECT_EQ(empty.messageJapanese(), J(u"Information : 個数が6個ではありません\r\n2 : "));
    EXPECT_EQ(empty.messageEnglish(), QStringLiteral("Information : Items is not 6.\r\n[OK]\r\n2 : "));
    const LanguageFileCheck letters = LanguageFile::check({QStringLiteral("x1\t1\tn\tCaption\tJ\tE")});
    EXPECT_EQ(letters.messageJapanese(), J(u"Information : 先頭が番号ではありません\r\n1 : x1\t1\tn\tCaption\tJ\tE"));
    EXPECT_EQ(letters.messageEnglish(),
              QStringLiteral("Information : First column is not numeric.\r\n[OK]\r\n1 : x1\t1\tn\tCaption\tJ\tE"));
    EXPECT_EQ(LanguageFile::formatErrorJapanese(), J(u"Error : 言語設定ファイルが不正です"));
    EXPECT_EQ(LanguageFile::formatErrorEnglish(), QStringLiteral("Error : This language file format is wrong.\r\n[OK]"));
}

TEST(LanguageFile, Reading)
{
    const QString text = J(u"Tag\tFlag\tName\tKind\tJapanese\tEnglish\r\n1001\t1\tMenuOpen\tCaption\t開く\tOpen\r\n");
    const QStringList expected{J(u"Tag\tFlag\tName\tKind\tJapanese\tEnglish"), J(u"1001\t1\tMenuOpen\tCaption\t開く\tOpen")};
    // With and without the byte-order mark alike.
    EXPECT_EQ(LanguageFile::decodeLines(utf16(text)), expected);
    EXPECT_EQ(LanguageFile::decodeLines(utf16(text, false)), expected);
    // Lone CR and LF end lines too; an empty line in the middle stays (and makes the file invalid).
    EXPECT_EQ(LanguageFile::decodeLines(utf16(QStringLiteral("a\nb\rc\r\n\r\nd"))),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QString(), QStringLiteral("d")}));
    // An odd trailing byte is dropped; an empty file has no lines.
    EXPECT_EQ(LanguageFile::decodeLines(utf16(QStringLiteral("a")) + 'x'), QStringList{QStringLiteral("a")});
    EXPECT_TRUE(LanguageFile::decodeLines(QByteArray()).isEmpty());
    EXPECT_TRUE(LanguageFile::decodeLines(QByteArray("\xFF\xFE", 2)).isEmpty());

    // A UTF-8 file read as UTF-16 gives text without tabs: it fails validation.
    const QByteArray utf8 = text.toUtf8();
    const LanguageFileCheck check = LanguageFile::check(LanguageFile::decodeLines(utf8));
    EXPECT_FALSE(check.ok());

    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("Missing.txt"));
    EXPECT_FALSE(LanguageFile::readLines(missing).has_value());
    EXPECT_TRUE(LanguageFile::CheckLanguageFile(missing).ok());
}

TEST(LanguageFile, PathIsBesideTheProgram)
{
    AppPaths::setProgramDirForTesting(QStringLiteral("/somewhere"));
    EXPECT_EQ(LanguageFile::path(QStringLiteral("Main.txt")), QStringLiteral("/somewhere/Language/Quillon/Main.txt"));
    AppPaths::setProgramDirForTesting(QString());
}

TEST(LanguageFile, LauncherBases)
{
    auto bases = LanguageFile::builtInLauncherBases(true);
    EXPECT_EQ(bases[0], J(u"外部プログラム １ 起動(&U) "));
    EXPECT_EQ(bases[4], J(u"外部プログラム ５ 起動(&Z) "));
    EXPECT_EQ(LanguageFile::builtInLauncherBases(false)[1], QStringLiteral("Execute Launcher Program2(&V) "));

    // Only the first field is tested: flag 0 and another kind still count.
    const QStringList lines{
        QStringLiteral("Tag\tFlag\tName\tKind\tJapanese\tEnglish"),
        QStringLiteral("1011\t0\tx\tItem\tj1\te1"),
        QStringLiteral("1013\t1\tx\tCaption\tj3\te3"),
        QStringLiteral("01012\t1\tx\tCaption\tj2\te2"),
        QStringLiteral("1015\t1\tx\tCaption\tj5"), // not six fields: skipped
    };
    bases = LanguageFile::builtInLauncherBases(false);
    LanguageFile::readLauncherBases(lines, false, bases);
    EXPECT_EQ(bases[0], QStringLiteral("e1"));
    EXPECT_EQ(bases[1], QStringLiteral("Execute Launcher Program2(&V) "));
    EXPECT_EQ(bases[2], QStringLiteral("e3"));
    EXPECT_EQ(bases[4], QStringLiteral("Execute Launcher Program5(&Z) "));
    LanguageFile::readLauncherBases(lines, true, bases);
    EXPECT_EQ(bases[2], QStringLiteral("j3"));
}

TEST(PanelWording, BothWays)
{
    struct Case {
        const char16_t *japanese;
        const char16_t *english;
    };
    const Case codes[] = {
        {u"自動検出", u"Auto Detect"},
        {u"Shift_JIS", u"Shift_JIS"},
        {u"UTF7", u"UTF7"},
        {u"UTF8  [BOM有]", u"UTF8  [WithBOM]"},
        {u"UTF8  [BOM無]", u"UTF8  [NonBOM]"},
        {u"UTF16 [BOM有 BigEndian]", u"UTF16 [WithBOM BigEndian]"},
        {u"UTF16 [BOM無 LittleEndian]", u"UTF16 [NonBOM LittleEndian]"},
        {u"不明", u"UnKnown"},
        {u"バイナリファイル", u"BinaryFile"},
    };
    for (const Case &c : codes) {
        EXPECT_EQ(PanelWording::charCode(J(c.japanese), false), J(c.english));
        EXPECT_EQ(PanelWording::charCode(J(c.english), true), J(c.japanese));
        EXPECT_EQ(PanelWording::charCode(J(c.japanese), true), J(c.japanese));
    }
    const Case ends[] = {
        {u"Cr+Lf(Windows) ", u"Cr+Lf(Windows) "},
        {u"Lf(OSX,Android)", u"Lf(OSX,Android)"},
        {u"無し", u"None"},
        {u"不明", u"UnKnown"},
    };
    for (const Case &c : ends) {
        EXPECT_EQ(PanelWording::lineEnd(J(c.japanese), false), J(c.english));
        EXPECT_EQ(PanelWording::lineEnd(J(c.english), true), J(c.japanese));
    }
    // Each panel knows only its own rows; unknown texts stay.
    EXPECT_EQ(PanelWording::lineEnd(J(u"自動検出"), false), J(u"自動検出"));
    EXPECT_EQ(PanelWording::charCode(J(u"無し"), false), J(u"無し"));
    EXPECT_EQ(PanelWording::charCode(QString(), false), QString());
    EXPECT_EQ(PanelWording::charCode(QStringLiteral("abc"), true), QStringLiteral("abc"));
}

// The shipped files: UTF-16 LE with mark, CR LF, a header, and valid.
TEST(ShippedLanguageFiles, AllPassTheCheck)
{
    const QStringList names{QStringLiteral("Main.txt"),        QStringLiteral("Find.txt"),
                            QStringLiteral("FindAll.txt"),     QStringLiteral("ViewGrid.txt"),
                            QStringLiteral("KeyBoard.txt"),    QStringLiteral("KeyMap.txt"),
                            QStringLiteral("Launcher.txt"),    QStringLiteral("Help.txt"),
                            QStringLiteral("SelectFiler.txt"), QStringLiteral("Jump.txt"),
                            QStringLiteral("PageSetting.txt"), QStringLiteral("LineSetting.txt"),
                            QStringLiteral("KigouSetting.txt"), QStringLiteral("Log.txt")};
    const QDir dir(shippedDir());
    ASSERT_TRUE(dir.exists());
    QStringList present = dir.entryList(QDir::Files);
    for (const QString &name : present) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(names.contains(name)) << "not a window's language file";
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_GE(bytes.size(), 2);
        EXPECT_EQ(bytes.left(2), QByteArray("\xFF\xFE", 2));
        const QStringList lines = LanguageFile::decodeLines(bytes);
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_TRUE(lines.first().startsWith(QLatin1String("Tag\t")));
        // Every line ends in CR LF: no lone CR or LF anywhere.
        const QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + 2),
                                                (bytes.size() - 2) / 2);
        EXPECT_TRUE(text.endsWith(QLatin1String("\r\n")));
        EXPECT_EQ(text.count(QLatin1String("\r\n")), text.count(QLatin1Char('\n')));
        EXPECT_EQ(text.count(QLatin1String("\r\n")), text.count(QLatin1Char('\r')));
        const LanguageFileCheck check = LanguageFile::check(lines);
        EXPECT_TRUE(check.ok()) << check.messageEnglish().toStdString();

        // One line per tag and kind, except the items of a list.
        QSet<QString> seen;
        for (const QString &line : lines.mid(1)) {
            const QStringList f = LineSplitter::split(line);
            ASSERT_EQ(f.size(), 6);
            EXPECT_EQ(f[1], QStringLiteral("1"));
            EXPECT_TRUE(f[3] == QLatin1String("Caption") || f[3] == QLatin1String("Item") || f[3] == QLatin1String("Text"));
            EXPECT_FALSE(f[5].isEmpty()) << f[0].toStdString();
            if (f[3] != QLatin1String("Item")) {
                EXPECT_FALSE(seen.contains(f[0] + f[3])) << "duplicate " << f[0].toStdString();
                seen.insert(f[0] + f[3]);
            }
        }
    }
}

// Column 5 of Main.txt is the program's built-in Japanese, and every command
// has an English name (the key-map windows take names from this file).
TEST(ShippedLanguageFiles, MainNamesEveryCommandInBothLanguages)
{
    const auto lines = LanguageFile::readLines(shippedDir() + QStringLiteral("/Main.txt"));
    ASSERT_TRUE(lines.has_value());
    QHash<QString, QStringList> byTag;
    for (const QString &line : *lines)
        byTag.insert(LineSplitter::split(line).value(0), LineSplitter::split(line));
    for (const CommandInfo &c : CommandCatalogue::commands()) {
        SCOPED_TRACE(c.codeText().toStdString());
        ASSERT_TRUE(byTag.contains(c.codeText()));
        const QStringList f = byTag.value(c.codeText());
        EXPECT_EQ(f[2], c.menuItemName());
        // The launcher items carry their caption base, which ends in one space.
        const bool launcher = c.codeText() >= QLatin1String("1011") && c.codeText() <= QLatin1String("1015");
        EXPECT_EQ(f[4], launcher ? c.captionText() + QLatin1Char(' ') : c.captionText());
    }
    for (const TopMenuInfo &top : CommandCatalogue::topMenus()) {
        const QStringList f = byTag.value(QStringView(top.tag).toString());
        ASSERT_EQ(f.size(), 6);
        EXPECT_EQ(f[4], QStringView(top.caption).toString());
    }
    for (const MenuItemInfo &m : CommandCatalogue::otherMenuItems()) {
        if (m.place == MenuPlace::Popup || QStringView(m.tag) == u"1851") {
            const QStringList f = byTag.value(QStringView(m.tag).toString());
            ASSERT_EQ(f.size(), 6);
            EXPECT_EQ(f[4], QStringView(m.caption).toString());
        }
    }
    // The launcher bases in the file are the built-in ones.
    auto bases = LanguageFile::builtInLauncherBases(false);
    LanguageFile::readLauncherBases(*lines, false, bases);
    EXPECT_EQ(bases, LanguageFile::builtInLauncherBases(false));
    LanguageFile::readLauncherBases(*lines, true, bases);
    EXPECT_EQ(bases, LanguageFile::builtInLauncherBases(true));
}

} // namespace
