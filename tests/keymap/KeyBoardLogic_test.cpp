// The keyboard dialog's and the key-map list's rules without a window: key
// changes and their refusals, the translation of a map into the interface
// language, reading a difference file back (bad lines included), keys that
// two commands share, and the grouped order of the list.
#include "CommandCatalogue.h"
#include "KeyBoardMessages.h"
#include "KeyChange.h"
#include "KeyConflicts.h"
#include "KeyDifference.h"
#include "KeyMapFile.h"
#include "KeyMapListing.h"
#include "KeyMapTranslation.h"
#include "KeyText.h"
#include "LanguageFile.h"
#include "support/CaseNames.h"
#include "support/QtPrinters.h"
#include "support/TestText.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quillon;
using test::J;

namespace {

QString line(const char16_t *category, const char16_t *name, const char16_t *key, const char16_t *code)
{
    return J(category) + u'\t' + J(name) + u'\t' + J(key) + u'\t' + J(code);
}

// Three commands in two categories: enough for every rule of a key change.
QStringList smallMap()
{
    return {line(u"ファイル", u"開く(&O)... ", u"", u"1001"), line(u"ファイル", u"終了(&Q && &X)", u"Ctrl+Q", u"1031"),
            line(u"検索", u"検索(&F)... ", u"F", u"1101")};
}

QString keyOf(const QStringList &map, QStringView code)
{
    const qsizetype i = KeyChange::indexOfCode(map, code);
    return i < 0 ? QStringLiteral("<none>") : KeyText::splitKeyMapLine(map[i]).keyText.toString();
}

QStringList codesOf(const QStringList &lines)
{
    QStringList codes;
    for (const QString &l : lines)
        codes.append(KeyText::splitKeyMapLine(l).code.toString());
    return codes;
}

QStringList keysOf(const QStringList &lines)
{
    QStringList keys;
    for (const QString &l : lines)
        keys.append(KeyText::splitKeyMapLine(l).keyText.toString());
    return keys;
}

QStringList shippedLanguageLines(const char *file)
{
    const QString path = QDir::cleanPath(QStringLiteral(QUILLON_TEST_DATA "/../../data/Language/Quillon/"))
        + u'/' + QString::fromLatin1(file);
    const std::optional<QStringList> lines = LanguageFile::readLines(path);
    return lines ? *lines : QStringList();
}

// --- key changes ------------------------------------------------------------

struct ChangeCase {
    const char *name;
    QStringList start; // empty: smallMap()
    const char16_t *code;
    KeySelection selection;
    KeyChangeResult::Outcome outcome;
    const char16_t *keyAfter;   // the code's key afterwards
    const char16_t *category;   // InUse: the category named
};

using O = KeyChangeResult::Outcome;

class KeyChangeTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(KeyChangeTest, followsTheDialogsRules)
{
    const ChangeCase &c = GetParam();
    QStringList map = c.start.isEmpty() ? smallMap() : c.start;
    const QStringList before = map;
    const KeyChangeResult r = KeyChange::change(map, c.code, c.selection);
    EXPECT_EQ(r.outcome, c.outcome);
    EXPECT_EQ(keyOf(map, c.code), J(c.keyAfter));
    if (c.outcome == O::InUse) {
        EXPECT_EQ(r.usedByCategory, J(c.category));
    }
    if (c.outcome != O::Changed) {
        EXPECT_EQ(map, before) << "a refusal changes nothing";
    } else {
        EXPECT_EQ(codesOf(map), codesOf(before));
    }
}

QStringList withKey(const char16_t *code, const char16_t *key)
{
    QStringList map = smallMap();
    const qsizetype i = KeyChange::indexOfCode(map, code);
    map[i] = KeyChange::withKey(map[i], J(key));
    return map;
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyChangeTest,
    ::testing::Values(
        ChangeCase{"key_A_on_empty", {}, u"1001", {false, false, false, QStringLiteral("A")}, O::Changed, u"A", u""},
        ChangeCase{"then_Ctrl_gives_Ctrl_A", withKey(u"1001", u"A"), u"1001", {false, true, false, QStringLiteral("A")},
                   O::Changed, u"Ctrl+A", u""},
        ChangeCase{"all_modifiers_in_file_order", {}, u"1001", {true, true, true, QStringLiteral("F1")}, O::Changed,
                   u"Shift+Ctrl+Alt+F1", u""},
        ChangeCase{"shift_without_key_refused", {}, u"1001", {true, false, false, QString()}, O::ModifierWithoutKey, u"",
                   u""},
        ChangeCase{"same_key_refused", {}, u"1101", {false, false, false, QStringLiteral("F")}, O::SameSetting, u"F", u""},
        ChangeCase{"key_of_other_category_refused", {}, u"1001", {false, false, false, QStringLiteral("F")}, O::InUse, u"",
                   u"検索"},
        ChangeCase{"key_of_same_category_refused", {}, u"1001", {false, true, false, QStringLiteral("Q")}, O::InUse, u"",
                   u"ファイル"},
        ChangeCase{"all_blank_clears", {}, u"1031", {}, O::Changed, u"", u""},
        ChangeCase{"clearing_an_empty_key_is_no_refusal", {}, u"1001", {}, O::Changed, u"", u""}),
    test::CaseName());

TEST(KeyChange, selectorOffersEveryKeyNameOnceWithBkSpAfterDel)
{
    const QStringList names = KeyChange::selectorKeyNames();
    ASSERT_EQ(names.size(), KeyText::KeyNameCount);
    const QStringList table = KeyText::keyNames();
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()), QSet<QString>(table.begin(), table.end()));
    const QStringList tail = names.mid(names.indexOf(QStringLiteral("Tab")));
    EXPECT_EQ(tail, (QStringList{QStringLiteral("Tab"), QStringLiteral("Up"), QStringLiteral("Down"),
                                 QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Home"),
                                 QStringLiteral("End"), QStringLiteral("PgUp"), QStringLiteral("PgDn"),
                                 QStringLiteral("Ins"), QStringLiteral("Del"), QStringLiteral("BkSp"),
                                 QStringLiteral(","), QStringLiteral("."), QStringLiteral("/"), QStringLiteral(";"),
                                 QStringLiteral(":"), QStringLiteral("]"), QStringLiteral("@"), QStringLiteral("["),
                                 QStringLiteral("-"), QStringLiteral("^"), QStringLiteral("\\")}));
}

TEST(KeyChange, selectorsShowAnyKeyTextTheFilesHold)
{
    EXPECT_EQ(KeyChange::parse(u"Shift+Ctrl+F1"), (KeySelection{true, true, false, QStringLiteral("F1")}));
    EXPECT_EQ(KeyChange::parse(u"Alt + F4"), (KeySelection{false, false, true, QStringLiteral("F4")}));
    EXPECT_EQ(KeyChange::parse(u"Ctrl+Shift+f"), (KeySelection{true, true, false, QStringLiteral("f")}));
    EXPECT_EQ(KeyChange::parse(u""), KeySelection{});
    // Whatever the selectors show composes back to the program's form.
    for (const CommandInfo &c : CommandCatalogue::commands()) {
        for (int set : {0, 1})
            EXPECT_EQ(KeyChange::compose(KeyChange::parse(c.defaultKey(set))), c.defaultKey(set));
    }
}

// --- translation ------------------------------------------------------------

TEST(KeyMapTranslation, categoriesGoBothWaysAndUnknownOnesStay)
{
    EXPECT_EQ(KeyMapTranslation::category(u"検索", false), QStringLiteral("Search"));
    EXPECT_EQ(KeyMapTranslation::category(u"Search", true), J(u"検索"));
    EXPECT_EQ(KeyMapTranslation::category(u"移動", false), QStringLiteral("Move"));
    EXPECT_EQ(KeyMapTranslation::category(u"Crl+Key", true), QStringLiteral("Crl+Key"));
    EXPECT_EQ(KeyMapTranslation::category(u"その他", false), J(u"その他"));
}

TEST(KeyMapTranslation, namesComeFromTheOwnersLanguageFileKeysAndCodesNever)
{
    const QStringList language = {
        QStringLiteral("Tag\tFlag\tName\tKind\tJapanese\tEnglish"),
        QStringLiteral("1101\t1\tBroken\tCaption\tonly five"), // not six fields: skipped
        J(u"1101\t1\tMenuSearchWord\tCaption\t検索(&F)... \t&Find..."),
        QStringLiteral("1101\t1\tLater\tCaption\tx\tnot this one"),
    };
    QStringList map = smallMap();
    KeyMapTranslation::translate(false, map, language);
    EXPECT_EQ(map[2], QStringLiteral("Search\t&Find...\tF\t1101"));
    EXPECT_EQ(map[0], smallMap()[0]) << "no language line: the line stays as stored";
    KeyMapTranslation::translate(true, map, language);
    EXPECT_EQ(map, smallMap());
}

TEST(KeyMapTranslation, shippedFileNamesEveryCommandInEnglish)
{
    QStringList main = CommandCatalogue::InitKeyMap(0);
    const QStringList mainLanguage = shippedLanguageLines("Main.txt");
    ASSERT_FALSE(mainLanguage.isEmpty());
    KeyMapTranslation::translate(false, main, mainLanguage);
    for (const QString &l : main) {
        const KeyMapFields f = KeyText::splitKeyMapLine(l);
        const QString shown = f.category.toString() + f.name.toString();
        for (QChar c : shown)
            EXPECT_LT(c.unicode(), 0x3000) << l.toStdString();
    }
}

// --- difference files -------------------------------------------------------

class KeyDifferenceTest : public ::testing::Test {
protected:
    QString put(const QByteArray &bytes) const
    {
        const QString path = dir.filePath(QStringLiteral("Quillon-KeyDiff.txt"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(KeyDifferenceTest, japaneseLinesChangeOnlyTheKeysOfAnEnglishMap)
{
    QStringList map = CommandCatalogue::InitKeyMap(0);
    KeyMapTranslation::translate(false, map, shippedLanguageLines("Main.txt"));
    const QStringList english = map;
    const DifferenceRead read = KeyDifference::read(put(test::utf16LeFile(
        {line(u"検索", u"検索(&F)... ", u"Ctrl+F", u"1101"), line(u"ファイル", u"開く(&O)... ", u"Ctrl+O", u"1001")})));
    ASSERT_TRUE(read.readable);
    EXPECT_TRUE(KeyDifference::apply(map, read.lines).isEmpty());
    for (qsizetype i = 0; i < map.size(); ++i) {
        const KeyMapFields now = KeyText::splitKeyMapLine(map[i]);
        const KeyMapFields was = KeyText::splitKeyMapLine(english[i]);
        EXPECT_EQ(now.category, was.category);
        EXPECT_EQ(now.name, was.name);
        EXPECT_EQ(now.code, was.code);
        const QStringView expected = now.code == u"1101" ? QStringView(u"Ctrl+F")
            : now.code == u"1001"                        ? QStringView(u"Ctrl+O")
                                                         : was.keyText;
        EXPECT_EQ(now.keyText, expected);
    }
}

TEST_F(KeyDifferenceTest, badLinesAreReportedAndTheRestApplied)
{
    // A UTF-8 copy (no mark), with a line cut short at the end.
    const QString text = line(u"検索", u"検索(&F)... ", u"Ctrl+F", u"1101") + QStringLiteral("\r\n")
        + line(u"検索", u"x", u"Ctrl+F", u"9999") + QStringLiteral("\r\n")
        + line(u"検索", u"x", u"Ctrl+Fx", u"1102") + QStringLiteral("\r\n") + QStringLiteral("\r\n")
        + line(u"ファイル", u"終了", u"Alt + F4", u"1031") + QStringLiteral("\r\n") + J(u"検索\t前を検");
    const DifferenceRead read = KeyDifference::read(put(text.toUtf8()));
    ASSERT_TRUE(read.readable);
    QStringList map = smallMap();
    map.append(line(u"検索", u"次を検索(&N) ", u"V", u"1102"));
    const QList<DifferenceProblem> problems = KeyDifference::apply(map, read.lines);
    EXPECT_EQ(keyOf(map, u"1101"), QStringLiteral("Ctrl+F"));
    EXPECT_EQ(keyOf(map, u"1031"), QStringLiteral("Alt+F4")) << "written in the program's form";
    EXPECT_EQ(keyOf(map, u"1102"), QStringLiteral("V"));
    ASSERT_EQ(problems.size(), 3);
    EXPECT_EQ(problems[0].kind, DifferenceProblem::Kind::UnknownCode);
    EXPECT_EQ(problems[0].lineNumber, 2);
    EXPECT_EQ(problems[0].text, QStringLiteral("9999"));
    EXPECT_EQ(problems[1].kind, DifferenceProblem::Kind::UnknownKey);
    EXPECT_EQ(problems[1].text, QStringLiteral("Ctrl+Fx"));
    EXPECT_EQ(problems[2].kind, DifferenceProblem::Kind::Incomplete);
    EXPECT_EQ(problems[2].lineNumber, 6);

    const MessageText m = KeyBoardMessages::differenceApplied(QStringLiteral("Quillon-KeyDiff.txt"), problems);
    EXPECT_TRUE(m.english.startsWith(QStringLiteral("Information : Read file and Update items.\r\nQuillon-KeyDiff.txt\r\n")));
    EXPECT_TRUE(m.english.contains(QStringLiteral("line 2 : no command has the code \"9999\"")));
    EXPECT_TRUE(m.english.endsWith(QStringLiteral("\r\n[OK]")));
    EXPECT_TRUE(m.japanese.contains(J(u"6行目 : ")));
}

TEST_F(KeyDifferenceTest, programsOwnFileAndMissingFile)
{
    const QStringList lines = {line(u"検索", u"検索(&F)... ", u"Ctrl+F", u"1101")};
    DifferenceRead read = KeyDifference::read(put(test::utf16LeFile(lines)));
    EXPECT_EQ(read.lines, lines);
    read = KeyDifference::read(dir.filePath(QStringLiteral("none.txt")));
    EXPECT_FALSE(read.exists);
}

TEST(KeyDifferenceMessages, longListsAreCut)
{
    QList<DifferenceProblem> problems;
    for (int i = 1; i <= 13; ++i)
        problems.append({DifferenceProblem::Kind::UnknownCode, i, QStringLiteral("9999")});
    const MessageText m = KeyBoardMessages::differenceApplied(QStringLiteral("Quillon-KeyDiff.txt"), problems);
    EXPECT_EQ(m.english.count(QStringLiteral("no command")), 10);
    EXPECT_TRUE(m.english.contains(QStringLiteral("and 3 more")));
}

TEST(KeyMapDifference, editorSetDiffersExactlyWhereTheCatalogueSaysSo)
{
    QStringList expected;
    for (const CommandInfo &c : CommandCatalogue::commands()) {
        if (QStringView(c.filerKey) != QStringView(c.editorKey))
            expected.append(c.codeText());
    }
    EXPECT_EQ(codesOf(KeyMapFile::difference(CommandCatalogue::InitKeyMap(1), CommandCatalogue::InitKeyMap(0))),
              expected);
    EXPECT_TRUE(KeyMapFile::difference(CommandCatalogue::InitKeyMap(0), CommandCatalogue::InitKeyMap(0)).isEmpty());
}

// --- shared keys ------------------------------------------------------------

TEST(KeyConflicts, theCataloguesOwnSharedKeysAreMeant)
{
    const QList<QStringList> sets = {CommandCatalogue::InitKeyMap(0), CommandCatalogue::InitKeyMap(1)};
    EXPECT_FALSE(KeyConflicts(sets[0], sets).any());
    EXPECT_FALSE(KeyConflicts(sets[1], sets).any());
}

TEST(KeyConflicts, aKeyOnTwoCommandsMarksBoth)
{
    const QList<QStringList> sets = {CommandCatalogue::InitKeyMap(0), CommandCatalogue::InitKeyMap(1)};
    QStringList map = sets[0];
    const qsizetype open = KeyChange::indexOfCode(map, u"1001");
    const qsizetype find = KeyChange::indexOfCode(map, u"1101");
    map[open] = KeyChange::withKey(map[open], u"F");
    const KeyConflicts conflicts(map, sets);
    EXPECT_EQ(conflicts.othersOf(open), QList<qsizetype>{find});
    EXPECT_EQ(conflicts.othersOf(find), QList<qsizetype>{open});
    EXPECT_TRUE(conflicts.othersOf(KeyChange::indexOfCode(map, u"1021")).isEmpty());
    EXPECT_EQ(conflicts.describe(map), QStringList{J(u"F : [ファイル] 開く(&O)... / [検索] 検索(&F)...")});
}

// --- the grouped list -------------------------------------------------------

TEST(KeyMapListing, filerDefaultsInTheGroupedView)
{
    const QStringList map = CommandCatalogue::InitKeyMap(0);
    const QStringList view = KeyMapListing::sortedView(KeyMapListing::GetKeySort1(map));
    ASSERT_EQ(view.size(), map.size());
    const QStringList keys = keysOf(view);
    const QStringList keyed = {
        QStringLiteral("Down"), QStringLiteral("End"), QStringLiteral("F"), QStringLiteral("Home"),
        QStringLiteral("Left"), QStringLiteral("PgDn"), QStringLiteral("PgUp"), QStringLiteral("Right"),
        QStringLiteral("T"), QStringLiteral("Tab"), QStringLiteral("Up"), QStringLiteral("V"),
        QStringLiteral("Ctrl+,"), QStringLiteral("Ctrl+C"), QStringLiteral("Ctrl+Down"), QStringLiteral("Ctrl+End"),
        QStringLiteral("Ctrl+Home"), QStringLiteral("Ctrl+T"), QStringLiteral("Ctrl+Up"), QStringLiteral("Ctrl+V"),
        QStringLiteral("Ctrl+V")};
    EXPECT_EQ(keys.mid(0, keyed.size()), keyed);
    EXPECT_EQ(QSet<QString>({codesOf(view)[19], codesOf(view)[20]}),
              QSet<QString>({QStringLiteral("1021"), QStringLiteral("1109")}));
    // The rest: no key, in catalogue order.
    QStringList unkeyed;
    for (const QString &l : map) {
        if (KeyText::splitKeyMapLine(l).keyText.isEmpty())
            unkeyed.append(l);
    }
    EXPECT_EQ(view.mid(keyed.size()), unkeyed);
}

TEST(KeyMapListing, groupsAndOrderInsideAGroup)
{
    struct Case {
        const char16_t *key;
        int group;
    };
    for (const Case c : {Case{u"", 0}, Case{u"A", 1}, Case{u"Shift+A", 2}, Case{u"Shift+Ctrl+A", 3},
                         Case{u"Shift+Alt+A", 4}, Case{u"Shift+Ctrl+Alt+A", 5}, Case{u"Ctrl+A", 6},
                         Case{u"Ctrl+Alt+A", 7}, Case{u"Alt+A", 8}, Case{u"Ctrl+Shift+A", 3}})
        EXPECT_EQ(KeyMapListing::group(c.key), c.group) << QStringView(c.key).toString().toStdString();
    EXPECT_EQ(KeyMapListing::sortKey(u"Shift+Ctrl+ F1"), QStringLiteral("1110F1"));

    // Character by character, case aside: F1 < F10 < F2; ", - . /" < digits <
    // ": ; @" < letters < "[ \ ] ^".
    const QStringList ordered = {QStringLiteral(","), QStringLiteral("-"), QStringLiteral("."), QStringLiteral("/"),
                                 QStringLiteral("0"), QStringLiteral("9"), QStringLiteral(":"), QStringLiteral(";"),
                                 QStringLiteral("@"), QStringLiteral("A"), QStringLiteral("F1"), QStringLiteral("F10"),
                                 QStringLiteral("F2"), QStringLiteral("Z"), QStringLiteral("["), QStringLiteral("\\"),
                                 QStringLiteral("]"), QStringLiteral("^")};
    QStringList lines;
    for (qsizetype i = ordered.size() - 1; i >= 0; --i)
        lines.append(QStringLiteral("c\tn\tAlt+") + ordered[i] + QStringLiteral("\t1"));
    lines.append(QStringLiteral("c\tn\tAlt+b\t1")); // a lower-case letter sorts with its capital
    const KeyMapListing::Groups groups = KeyMapListing::GetKeySort1(lines);
    QStringList expected;
    for (const QString &k : ordered)
        expected.append(QStringLiteral("Alt+") + k);
    expected.insert(expected.indexOf(QStringLiteral("Alt+F1")), QStringLiteral("Alt+b"));
    EXPECT_EQ(keysOf(groups[8]), expected);
}

} // namespace
