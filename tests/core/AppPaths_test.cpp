// Where the program folder is: portable beside the executable, or installed
// with settings under XDG_CONFIG_HOME and shipped data under share/quillon.
#include "AppPaths.h"
#include "support/CaseNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quillon;

namespace {

struct FolderCase {
    const char *name;
    const char *exeDir;
    bool hasLanguage;
    bool hasIni;
    const char *quillonHome;
    const char *xdgConfigHome;
    const char *home;
    const char *programDir; // expected
    const char *dataDir;    // expected
    bool installed;         // expected
};

const FolderCase folderCases[] = {
    // Portable: the shipped Language folder or a settings file keeps everything beside the program.
    {"portable_with_language", "/opt/q", true, false, "", "", "/home/ann", "/opt/q", "/opt/q", false},
    {"portable_with_only_ini", "/opt/q", false, true, "", "/x/cfg", "/home/ann", "/opt/q", "/opt/q", false},
    {"portable_with_both", "/home/ann/q/", true, true, "", "", "/home/ann", "/home/ann/q", "/home/ann/q", false},
    // Installed: neither beside the executable.
    {"installed_xdg_unset", "/usr/bin", false, false, "", "", "/home/ann", "/home/ann/.config/Quillon",
     "/usr/share/quillon", true},
    {"installed_xdg_set", "/usr/bin", false, false, "", "/x/cfg/", "/home/ann", "/x/cfg/Quillon",
     "/usr/share/quillon", true},
    {"installed_xdg_relative_is_ignored", "/usr/bin", false, false, "", "cfg", "/home/ann",
     "/home/ann/.config/Quillon", "/usr/share/quillon", true},
    {"installed_local_prefix", "/usr/local/bin", false, false, "", "", "/home/ann",
     "/home/ann/.config/Quillon", "/usr/local/share/quillon", true},
    // Root can write /usr/bin, yet its settings go to its own home like anyone's.
    {"installed_as_root", "/usr/bin", false, false, "", "", "/root", "/root/.config/Quillon",
     "/usr/share/quillon", true},
    {"installed_as_root_with_xdg", "/usr/bin", false, false, "", "/root/cfg", "/root", "/root/cfg/Quillon",
     "/usr/share/quillon", true},
    // QUILLON_HOME overrides both layouts, data included.
    {"home_over_portable", "/opt/q", true, true, "/tmp/qh", "", "/home/ann", "/tmp/qh", "/tmp/qh", false},
    {"home_over_installed", "/usr/bin", false, false, "/tmp/qh/", "/x/cfg", "/home/ann", "/tmp/qh", "/tmp/qh",
     false},
    {"home_over_root", "/usr/bin", false, false, "/tmp/qh", "", "/root", "/tmp/qh", "/tmp/qh", false},
};

class ProgramFolder : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ProgramFolder, Decision)
{
    const FolderCase &c = GetParam();
    ProgramFolderFacts facts;
    facts.executableDir = QString::fromUtf8(c.exeDir);
    facts.hasLanguageFolder = c.hasLanguage;
    facts.hasSettingsFile = c.hasIni;
    facts.quillonHome = QString::fromUtf8(c.quillonHome);
    facts.xdgConfigHome = QString::fromUtf8(c.xdgConfigHome);
    facts.home = QString::fromUtf8(c.home);
    const ProgramFolders got = AppPaths::decide(facts);
    EXPECT_EQ(got.programDir.toStdString(), c.programDir);
    EXPECT_EQ(got.dataDir.toStdString(), c.dataDir);
    EXPECT_EQ(got.installed, c.installed);
}

INSTANTIATE_TEST_SUITE_P(AppPaths, ProgramFolder, ::testing::ValuesIn(folderCases), quillon::test::CaseName());

TEST(AppPaths, RelativeQuillonHomeIsMadeAbsolute)
{
    ProgramFolderFacts facts;
    facts.executableDir = QStringLiteral("/usr/bin");
    facts.quillonHome = QStringLiteral("rel/home");
    EXPECT_EQ(AppPaths::decide(facts).programDir, QDir::cleanPath(QDir::currentPath() + QStringLiteral("/rel/home")));
}

TEST(AppPaths, CurrentFactsReadTheEnvironment)
{
    const QByteArray savedHome = qgetenv("QUILLON_HOME");
    const QByteArray savedXdg = qgetenv("XDG_CONFIG_HOME");
    qputenv("QUILLON_HOME", "/tmp/from-env");
    qputenv("XDG_CONFIG_HOME", "/tmp/xdg");
    const ProgramFolderFacts facts = AppPaths::currentFacts();
    EXPECT_EQ(facts.quillonHome, QStringLiteral("/tmp/from-env"));
    EXPECT_EQ(facts.xdgConfigHome, QStringLiteral("/tmp/xdg"));
    EXPECT_EQ(AppPaths::programDir(), QStringLiteral("/tmp/from-env"));
    const auto restore = [](const char *name, const QByteArray &saved) {
        if (saved.isNull())
            qunsetenv(name);
        else
            qputenv(name, saved);
    };
    restore("QUILLON_HOME", savedHome);
    restore("XDG_CONFIG_HOME", savedXdg);
}

TEST(AppPaths, DataFilePrefersTheUsersOwnCopy)
{
    QTemporaryDir tmp;
    const ProgramFolders folders{tmp.filePath(QStringLiteral("config")), tmp.filePath(QStringLiteral("share")), true};
    const auto make = [](const QString &path) {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        return f.open(QIODevice::WriteOnly);
    };
    const QString rel = QStringLiteral("Language/Quillon/Main.txt");
    const QString own = folders.programDir + QLatin1Char('/') + rel;
    const QString shipped = folders.dataDir + QLatin1Char('/') + rel;
    EXPECT_EQ(AppPaths::dataFile(folders, rel), own) << "neither exists: the user's path, where it is reported missing";
    ASSERT_TRUE(make(shipped));
    EXPECT_EQ(AppPaths::dataFile(folders, rel), shipped);
    ASSERT_TRUE(make(own));
    EXPECT_EQ(AppPaths::dataFile(folders, rel), own);

    // Under the test override both folders are one: language files come from it alone.
    AppPaths::setProgramDirForTesting(tmp.path());
    EXPECT_EQ(AppPaths::languageFile(QStringLiteral("Main.txt")), tmp.path() + QStringLiteral("/Language/Quillon/Main.txt"));
    AppPaths::setProgramDirForTesting(QString());
}

} // namespace
