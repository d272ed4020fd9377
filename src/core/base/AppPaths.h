#pragma once
// The program folder: settings, key maps, history and language files all live
// "beside the program". Where that is depends on how the program was put on
// the machine:
//   - portable (the build tree, an unpacked folder): the executable's folder,
//     recognised by the shipped `Language` folder or a `Quillon.ini` in it;
//   - installed (bin/ with share/quillon/ beside it): $XDG_CONFIG_HOME/Quillon
//     (default ~/.config/Quillon); shipped language and help files are read
//     from the installed data folder unless the user's folder has its own.
// Whether a folder is writable decides nothing: root can write /usr/bin and
// must not litter it. The environment variable QUILLON_HOME overrides both.
#include <QString>

namespace quillon {

// What the decision looks at, gathered once from the disk and the environment.
struct ProgramFolderFacts {
    QString executableDir;          // folder of the running executable
    bool hasLanguageFolder = false; // executableDir/Language exists
    bool hasSettingsFile = false;   // executableDir/Quillon.ini exists
    QString quillonHome;            // $QUILLON_HOME, empty when unset
    QString xdgConfigHome;          // $XDG_CONFIG_HOME, empty when unset
    QString home;                   // the user's home folder
};

struct ProgramFolders {
    QString programDir; // settings, key maps, histories, result files; the user's language files
    QString dataDir;    // shipped language and help files (programDir when portable)
    bool installed = false;
    bool operator==(const ProgramFolders &) const = default;
};

class AppPaths {
public:
    // The program's own name; every file beside it is named after it.
    static QString programName() { return QStringLiteral("Quillon"); }
    // The installed data folder relative to the installed executable's folder.
    static QString dataDirFromExecutable();

    // The decision itself: a pure function of the facts.
    [[nodiscard]] static ProgramFolders decide(const ProgramFolderFacts &facts);
    // The facts of this process: its executable, the disk beside it, the environment.
    [[nodiscard]] static ProgramFolderFacts currentFacts();
    [[nodiscard]] static ProgramFolders current();

    // The program folder (see above). No trailing slash.
    [[nodiscard]] static QString programDir();
    // The folder of the shipped data (language files, help texts).
    [[nodiscard]] static QString dataDir();
    // A file beside the program, e.g. besideProgram("Quillon-KeyMap.txt").
    [[nodiscard]] static QString besideProgram(const QString &fileName);
    // A shipped file, given relative to the data folder ("Language/Quillon/Main.txt"):
    // the user's own copy in the program folder when it exists, else the shipped one,
    // else the path in the program folder (where a missing file is reported).
    [[nodiscard]] static QString dataFile(const QString &relativePath);
    [[nodiscard]] static QString dataFile(const ProgramFolders &folders, const QString &relativePath);
    [[nodiscard]] static QString settingsPath(); // Quillon.ini
    [[nodiscard]] static QString languageDir();  // Language (in the program folder)
    [[nodiscard]] static QString programLanguageDir(); // Language/Quillon (in the program folder)
    // A language file such as "Main.txt", found as dataFile() finds it.
    [[nodiscard]] static QString languageFile(const QString &fileName);
    // Overrides both folders for this process (tests); an empty dir ends the override.
    static void setProgramDirForTesting(const QString &dir);
    // Overrides them with two folders, as an installed program has (tests).
    static void setFoldersForTesting(const ProgramFolders &folders);
};

} // namespace quillon
