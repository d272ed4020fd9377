#pragma once
// The program folder: settings, key maps, history and language files all live
// "beside the program". Tests and portable setups point it elsewhere with the
// environment variable QUILLON_HOME.
#include <QString>

namespace quillon {

class AppPaths {
public:
    // The program's own name; every file beside it is named after it.
    static QString programName() { return QStringLiteral("Quillon"); }
    // Folder of the executable, or QUILLON_HOME when set. No trailing slash.
    [[nodiscard]] static QString programDir();
    // A file beside the program, e.g. besideProgram("Quillon-KeyMap.txt").
    [[nodiscard]] static QString besideProgram(const QString &fileName);
    [[nodiscard]] static QString settingsPath(); // Quillon.ini
    [[nodiscard]] static QString languageDir();  // Language
    [[nodiscard]] static QString programLanguageDir(); // Language/Quillon
    // Overrides the folder for this process (tests).
    static void setProgramDirForTesting(const QString &dir);
};

} // namespace quillon
