#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef QUILLON_DATA_FROM_BIN
#define QUILLON_DATA_FROM_BIN "../share/quillon"
#endif

namespace quillon {

namespace {
ProgramFolders &overrideFolders()
{
    static ProgramFolders folders;
    return folders;
}

QString absoluteClean(const QString &path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}
} // namespace

QString AppPaths::dataDirFromExecutable()
{
    return QStringLiteral(QUILLON_DATA_FROM_BIN);
}

ProgramFolders AppPaths::decide(const ProgramFolderFacts &facts)
{
    if (!facts.quillonHome.isEmpty()) {
        const QString home = absoluteClean(facts.quillonHome);
        return {home, home, false};
    }
    const QString exeDir = QDir::cleanPath(facts.executableDir);
    if (facts.hasLanguageFolder || facts.hasSettingsFile)
        return {exeDir, exeDir, false};
    // XDG Base Directory: a relative XDG_CONFIG_HOME is invalid and ignored.
    const QString config = !facts.xdgConfigHome.isEmpty() && QDir::isAbsolutePath(facts.xdgConfigHome)
                               ? facts.xdgConfigHome
                               : facts.home + QStringLiteral("/.config");
    return {QDir::cleanPath(config + QLatin1Char('/') + programName()),
            QDir::cleanPath(exeDir + QLatin1Char('/') + dataDirFromExecutable()), true};
}

ProgramFolderFacts AppPaths::currentFacts()
{
    ProgramFolderFacts facts;
    facts.executableDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                       : QDir::currentPath();
    const QDir exe(facts.executableDir);
    facts.hasLanguageFolder = QFileInfo(exe.filePath(QStringLiteral("Language"))).isDir();
    facts.hasSettingsFile = QFileInfo::exists(exe.filePath(programName() + QStringLiteral(".ini")));
    facts.quillonHome = qEnvironmentVariable("QUILLON_HOME");
    facts.xdgConfigHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    facts.home = QDir::homePath();
    return facts;
}

ProgramFolders AppPaths::current()
{
    if (!overrideFolders().programDir.isEmpty())
        return overrideFolders();
    return decide(currentFacts());
}

QString AppPaths::programDir()
{
    return current().programDir;
}

QString AppPaths::dataDir()
{
    return current().dataDir;
}

QString AppPaths::besideProgram(const QString &fileName)
{
    return programDir() + QLatin1Char('/') + fileName;
}

QString AppPaths::dataFile(const QString &relativePath)
{
    return dataFile(current(), relativePath);
}

QString AppPaths::dataFile(const ProgramFolders &folders, const QString &relativePath)
{
    const QString own = folders.programDir + QLatin1Char('/') + relativePath;
    if (folders.dataDir == folders.programDir || QFileInfo::exists(own))
        return own;
    const QString shipped = folders.dataDir + QLatin1Char('/') + relativePath;
    return QFileInfo::exists(shipped) ? shipped : own;
}

QString AppPaths::settingsPath()
{
    return besideProgram(programName() + QStringLiteral(".ini"));
}

QString AppPaths::languageDir()
{
    return besideProgram(QStringLiteral("Language"));
}

QString AppPaths::programLanguageDir()
{
    return languageDir() + QLatin1Char('/') + programName();
}

QString AppPaths::languageFile(const QString &fileName)
{
    return dataFile(QStringLiteral("Language/") + programName() + QLatin1Char('/') + fileName);
}

void AppPaths::setProgramDirForTesting(const QString &dir)
{
    overrideFolders() = {dir, dir, false};
}

void AppPaths::setFoldersForTesting(const ProgramFolders &folders)
{
    overrideFolders() = folders;
}

} // namespace quillon
