#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace quillon {

namespace {
QString &overrideDir()
{
    static QString dir;
    return dir;
}
} // namespace

QString AppPaths::programDir()
{
    if (!overrideDir().isEmpty())
        return overrideDir();
    const QString home = qEnvironmentVariable("QUILLON_HOME");
    if (!home.isEmpty())
        return QDir::cleanPath(QDir(home).absolutePath());
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

QString AppPaths::besideProgram(const QString &fileName)
{
    return programDir() + QLatin1Char('/') + fileName;
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

void AppPaths::setProgramDirForTesting(const QString &dir)
{
    overrideDir() = dir;
}

} // namespace quillon
