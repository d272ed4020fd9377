// Key-map files: reading what users and editors leave behind, writing the
// program's own format, the start-up comparison with the catalogue and the
// difference file.
#include "CommandCatalogue.h"
#include "KeyMapFile.h"
#include "KeyMapStartup.h"
#include "KeyText.h"
#include "support/CaseNames.h"
#include "support/TestText.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace quillon;

namespace {

using test::J;
using test::utf16le;

QByteArray fileBytes(const QStringList &lines, bool bom = true, const QString &eol = QStringLiteral("\r\n"))
{
    return test::utf16LeFile(lines, bom, eol);
}

QStringList catalogue()
{
    return CommandCatalogue::InitKeyMap(0);
}

qsizetype indexOfCode(const QStringList &map, QStringView code)
{
    for (qsizetype i = 0; i < map.size(); ++i)
        if (KeyText::splitKeyMapLine(map[i]).code == code)
            return i;
    return -1;
}

// The catalogue with one line replaced.
QStringList withLine(QStringView code, const QString &line)
{
    QStringList map = catalogue();
    map[indexOfCode(map, code)] = line;
    return map;
}

QString searchLine(const QString &key)
{
    return J(u"検索\t検索(&F)... \t") + key + QStringLiteral("\t1101");
}

class KeyMapFileTest : public ::testing::Test
{
protected:
    QString path(const char *name = "Quillon-KeyMap.txt") const { return dir.filePath(QString::fromLatin1(name)); }
    void put(const QByteArray &bytes, const char *name = "Quillon-KeyMap.txt") const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray get(const char *name = "Quillon-KeyMap.txt") const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(KeyMapFileTest, FreshStartWritesTheFilerStyleCatalogue)
{
    const KeyMapReconciliation r = KeyMapStartup::reconcile(path(), catalogue());
    EXPECT_TRUE(r.BoolKeyMapSame);
    EXPECT_TRUE(r.fileWritten);
    EXPECT_TRUE(r.writeResult.ok);
    EXPECT_EQ(r.StrListKeyMap, catalogue());

    const QByteArray bytes = get();
    EXPECT_EQ(bytes, fileBytes(catalogue())); // FF FE, UTF-16 LE, CR LF after every line
    const QStringList lines = KeyMapFile::read(path());
    ASSERT_EQ(lines.size(), CommandCatalogue::CommandCount);
    EXPECT_EQ(lines[indexOfCode(lines, u"1101")], searchLine(QStringLiteral("F")));
    EXPECT_EQ(lines.first(), J(u"ファイル\t開く(&O)... \t\t1001")); // Open has no key
    EXPECT_EQ(KeyText::lookUp(lines, u"1001"), ShortCutValue(0));
}

struct StartCase
{
    const char *name;
    std::function<QByteArray()> bytes;
    bool kept;            // the file survives untouched
    ShortCutValue key1101; // what 1101 gets from the map in force afterwards
};

void PrintTo(const StartCase &c, std::ostream *os)
{
    *os << c.name << (c.kept ? " (kept)" : " (reset)");
}

class KeyMapStartupTable : public KeyMapFileTest, public ::testing::WithParamInterface<StartCase>
{
};

TEST_P(KeyMapStartupTable, ComparesCodesOnly)
{
    const StartCase &c = GetParam();
    const QByteArray original = c.bytes();
    put(original);

    const KeyMapReconciliation r = KeyMapStartup::reconcile(path(), catalogue());
    EXPECT_EQ(r.BoolKeyMapSame, c.kept);
    EXPECT_EQ(r.fileWritten, !c.kept);
    if (c.kept) {
        EXPECT_EQ(get(), original);
        EXPECT_EQ(r.StrListKeyMapCheck1, r.StrListKeyMapCheck2);
        EXPECT_EQ(r.StrListKeyMapCheck2.size(), CommandCatalogue::CommandCount);
    } else {
        EXPECT_EQ(get(), fileBytes(catalogue()));
        EXPECT_EQ(r.StrListKeyMap, catalogue());
    }
    // What the window then applies: the file read back.
    const QStringList inForce = KeyMapStartup::loadOrWrite(path(), r.StrListKeyMap);
    EXPECT_EQ(KeyText::lookUp(inForce, u"1101"), c.key1101);
}

namespace {
constexpr ShortCutValue F = 70;
constexpr ShortCutValue CtrlF = 0x4000 | 70;

QStringList reversed(QStringList l)
{
    std::reverse(l.begin(), l.end());
    return l;
}
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Files, KeyMapStartupTable,
    ::testing::Values(
        StartCase{"Unchanged", [] { return fileBytes(catalogue()); }, true, F},
        StartCase{"ChangedKeyKept", [] { return fileBytes(withLine(u"1101", searchLine(QStringLiteral("Ctrl+F")))); },
                  true, CtrlF},
        StartCase{"OtherOrderKept", [] { return fileBytes(reversed(withLine(u"1101", searchLine(QStringLiteral("Ctrl+F"))))); },
                  true, CtrlF},
        StartCase{"OtherNamesKept",
                  [] { return fileBytes(withLine(u"1101", QStringLiteral("Search\tFind(&F)...\tCtrl+F\t1101"))); }, true,
                  CtrlF},
        StartCase{"NoByteOrderMark",
                  [] { return fileBytes(withLine(u"1101", searchLine(QStringLiteral("Ctrl+F"))), false); }, true, CtrlF},
        StartCase{"LfOnly",
                  [] { return fileBytes(withLine(u"1101", searchLine(QStringLiteral("Ctrl+F"))), true, QStringLiteral("\n")); },
                  true, CtrlF},
        StartCase{"CrOnly",
                  [] { return fileBytes(withLine(u"1101", searchLine(QStringLiteral("Ctrl+F"))), true, QStringLiteral("\r")); },
                  true, CtrlF},
        StartCase{"LowerCaseKeyName", [] { return fileBytes(withLine(u"1101", searchLine(QStringLiteral("Ctrl+f")))); },
                  true, 0},
        StartCase{"SpacedAltF4", [] { return fileBytes(withLine(u"1101", searchLine(QStringLiteral("Alt + F4")))); }, true,
                  ShortCutValue(0x8000 | 115)},
        // A bare code is still that code: kept, no key.
        StartCase{"LineOfCodeOnly", [] { return fileBytes(withLine(u"1101", QStringLiteral("1101"))); }, true, 0},
        // Spaces for tabs make the whole line the code: a code the catalogue lacks.
        StartCase{"LineWithoutTabs",
                  [] { return fileBytes(withLine(u"1101", J(u"検索 検索(&F)... Ctrl+F 1101"))); }, false, F},
        StartCase{"OneLineRemoved",
                  [] {
                      QStringList l = withLine(u"1101", searchLine(QStringLiteral("Ctrl+F")));
                      l.removeAt(indexOfCode(l, u"1952"));
                      return fileBytes(l);
                  },
                  false, F},
        StartCase{"DuplicatedCode",
                  [] { return fileBytes(withLine(u"1102", searchLine(QStringLiteral("Ctrl+F")))); }, false, F},
        StartCase{"ExtraLine",
                  [] { return fileBytes(catalogue() << QStringLiteral("Extra\tNew\tCtrl+N\t1999")); }, false, F},
        StartCase{"TrailingEmptyLine", [] { return fileBytes(catalogue() << QString()); }, false, F},
        StartCase{"Utf8File", [] { return catalogue().join(u'\n').toUtf8(); }, false, F},
        StartCase{"EmptyFile", [] { return QByteArray(); }, false, F},
        StartCase{"OddByteCount", [] { return QByteArray(fileBytes(catalogue()) + QByteArray("\x31", 1)); }, true, F}),
    test::CaseName());

TEST_F(KeyMapFileTest, ReadingTakesEveryLineEndAndNoMark)
{
    const QStringList lines{QStringLiteral("a\tb\tF\t1101"), J(u"検索\tx\t\t1102"), QString(), QStringLiteral("z")};
    for (const QString &eol : {QStringLiteral("\r\n"), QStringLiteral("\n"), QStringLiteral("\r")}) {
        for (bool bom : {true, false}) {
            put(fileBytes(lines, bom, eol));
            bool ok = false;
            EXPECT_EQ(KeyMapFile::read(path(), &ok), lines) << eol.size() << bom;
            EXPECT_TRUE(ok);
        }
    }
    // Mixed line ends within one file.
    put(QByteArray("\xFF\xFE", 2) + utf16le(QStringLiteral("a\r\nb\rc\nd")));
    EXPECT_EQ(KeyMapFile::read(path()), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                                                      QStringLiteral("d")}));
    bool ok = true;
    EXPECT_TRUE(KeyMapFile::read(path("missing.txt"), &ok).isEmpty());
    EXPECT_FALSE(ok);
}

TEST(KeyMapFileCodes, GetFunctionListSortsAndDropsDuplicates)
{
    QStringList dst{QStringLiteral("left over")};
    KeyMapFile::GetFunctionList({QStringLiteral("a\tb\tF\t1201"), QStringLiteral("a\tb\t\t1101"),
                                 QStringLiteral("c\td\tV\t1201"), QStringLiteral("no tabs"),
                                 QStringLiteral("a\tb\tc\t11\t01")},
                                dst);
    EXPECT_EQ(dst, (QStringList{QStringLiteral("11\t01"), QStringLiteral("1101"), QStringLiteral("1201"),
                                QStringLiteral("no tabs")}));
    KeyMapFile::GetFunctionList(catalogue(), dst);
    EXPECT_EQ(dst.size(), CommandCatalogue::CommandCount);
}

TEST_F(KeyMapFileTest, DifferenceHoldsOnlyChangedKeysAndRestoresThem)
{
    const QStringList defaults = catalogue();
    QStringList map = defaults;
    map[indexOfCode(map, u"1101")] = searchLine(QStringLiteral("Ctrl+F"));
    const QString topLine = J(u"編集\t文書の先頭に移動(&1)\tShift+Home\t1261");
    map[indexOfCode(map, u"1261")] = topLine;
    const QString openLine = J(u"ファイル\t開く(&O)... \tCtrl+O\t1001");
    map[indexOfCode(map, u"1001")] = openLine;
    map[indexOfCode(map, u"1102")] = J(u"Search\tFind next(&N)\tV\t1102"); // renamed only: no difference
    map.append(QStringLiteral("Extra\tUnknown\tCtrl+U\t1998"));             // not in the defaults

    const QStringList diff = KeyMapFile::difference(map, defaults);
    EXPECT_EQ(diff, (QStringList{openLine, searchLine(QStringLiteral("Ctrl+F")), topLine}));

    ASSERT_TRUE(KeyMapFile::writeDifference(path("Quillon-KeyDiff.txt"), map, defaults).ok);
    EXPECT_EQ(get("Quillon-KeyDiff.txt"), fileBytes(diff));

    // Applied to a freshly initialised, translated map: keys come from the
    // file, category and name stay the map's own.
    QStringList fresh = defaults;
    fresh[indexOfCode(fresh, u"1101")] = QStringLiteral("Search\tFind(&F)...\tF\t1101");
    ASSERT_TRUE(KeyMapFile::readDifference(path("Quillon-KeyDiff.txt"), fresh));
    EXPECT_EQ(fresh[indexOfCode(fresh, u"1101")], QStringLiteral("Search\tFind(&F)...\tCtrl+F\t1101"));
    EXPECT_EQ(fresh[indexOfCode(fresh, u"1261")], topLine);
    EXPECT_EQ(fresh[indexOfCode(fresh, u"1001")], openLine);
    EXPECT_EQ(fresh.size(), defaults.size());
    EXPECT_EQ(KeyMapFile::difference(fresh, defaults).size(), 3);

    // Only the first line with a code takes the key.
    QStringList twice{QStringLiteral("a\tb\tF\t1101"), QStringLiteral("c\td\tF\t1101")};
    KeyMapFile::applyDifference(twice, {QStringLiteral("x\ty\tCtrl+F\t1101")});
    EXPECT_EQ(twice, (QStringList{QStringLiteral("a\tb\tCtrl+F\t1101"), QStringLiteral("c\td\tF\t1101")}));

    QStringList untouched = defaults;
    EXPECT_FALSE(KeyMapFile::readDifference(path("missing.txt"), untouched));
    EXPECT_EQ(untouched, defaults);
}

TEST(KeyMapDifference, AppliesAsALineByLineWalkDoes)
{
    // The model: every change walks the map and takes the first line of its code.
    const auto model = [](QStringList map, const QStringList &diff) {
        for (const QString &d : diff) {
            const KeyMapFields changed = KeyText::splitKeyMapLine(d);
            for (QString &line : map) {
                const KeyMapFields mine = KeyText::splitKeyMapLine(line);
                if (mine.code == changed.code) {
                    line = mine.category.toString() + u'\t' + mine.name.toString() + u'\t'
                        + changed.keyText.toString() + u'\t' + mine.code.toString();
                    break;
                }
            }
        }
        return map;
    };
    // Lines from a few fields and tabs: codes repeat, lines lack fields or have
    // extra tabs, changes repeat and name codes the map lacks.
    std::mt19937 random(7);
    const QString pieces[] = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("F"), QStringLiteral("\t"),
                              QStringLiteral("\t"), QStringLiteral("\t"), QString()};
    const auto line = [&] {
        QString s;
        for (int i = int(random() % 7); i > 0; --i)
            s += pieces[random() % std::size(pieces)];
        return s;
    };
    for (int round = 0; round < 2000; ++round) {
        QStringList map, diff;
        for (int i = int(random() % 6); i > 0; --i)
            map.append(line());
        for (int i = int(random() % 4); i > 0; --i)
            diff.append(line());
        QStringList applied = map;
        KeyMapFile::applyDifference(applied, diff);
        ASSERT_EQ(applied, model(map, diff)) << "map: " << map.join(u'|').toStdString()
                                             << " diff: " << diff.join(u'|').toStdString();
    }
}

TEST_F(KeyMapFileTest, FindAllWindowUsesItsOwnFilesAndCatalogue)
{
    // Any catalogue works the same way; the find-all window passes its own.
    const QStringList own{QStringLiteral("A\tOne\tF\t3001"), QStringLiteral("A\tTwo\t\t3002")};
    const KeyMapFileNames names = KeyMapFileNames::findAllWindow();
    EXPECT_EQ(names.keyMap, QStringLiteral("Quillon-KeyMapFindAll.txt"));
    EXPECT_EQ(names.difference, QStringLiteral("Quillon-KeyDiffFindAll.txt"));
    const QString p = dir.filePath(names.keyMap);
    EXPECT_TRUE(KeyMapStartup::reconcile(p, own).fileWritten);
    KeyMapReconciliation r = KeyMapStartup::reconcile(p, own);
    EXPECT_TRUE(r.BoolKeyMapSame);
    EXPECT_FALSE(r.fileWritten);
    r = KeyMapStartup::reconcile(p, own + QStringList{QStringLiteral("A\tThree\t\t3003")});
    EXPECT_FALSE(r.BoolKeyMapSame);
    EXPECT_EQ(KeyMapFile::read(p).size(), 3);
}

TEST_F(KeyMapFileTest, LoadOrWriteWritesOnlyAMissingFile)
{
    const QStringList current{QStringLiteral("a\tb\tF\t1101")};
    WriteResult w{false, QStringLiteral("untouched")};
    EXPECT_EQ(KeyMapStartup::loadOrWrite(path(), current, &w), current);
    EXPECT_TRUE(w.ok);
    EXPECT_EQ(get(), fileBytes(current));

    put(fileBytes({QStringLiteral("c\td\tCtrl+F\t1101")}, false, QStringLiteral("\n")));
    EXPECT_EQ(KeyMapStartup::loadOrWrite(path(), current), QStringList{QStringLiteral("c\td\tCtrl+F\t1101")});
}
