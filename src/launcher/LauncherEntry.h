#pragma once
// One of the five external programs the user registers: its file, the
// parameter template and whether the viewer closes after starting it. The
// entries live only in the settings file; every start reads them afresh.
#include "IniFile.h"

#include <QString>

namespace quillon {

struct LauncherEntry {
    static constexpr int Count = 5;

    QString folderFile; // full path of the program file
    QString options;    // parameter template with $(FileNameEx) and $(CurLine)
    bool autoExit = false;

    // number: 1 to 5, the section "Launcher1" to "Launcher5".
    [[nodiscard]] static QString section(int number);
    [[nodiscard]] static LauncherEntry read(const IniAccess &ini, int number);
    void write(IniAccess &ini, int number) const;

    // The file name part of the program's path (no folder), for the menu.
    [[nodiscard]] static QString programName(const QString &folderFile);
    // A menu caption: the language's base, one space, the program's name
    // with its '&' doubled so it never becomes an access key.
    [[nodiscard]] static QString menuCaption(const QString &base, const QString &folderFile);

    friend bool operator==(const LauncherEntry &, const LauncherEntry &) = default;
};

} // namespace quillon
