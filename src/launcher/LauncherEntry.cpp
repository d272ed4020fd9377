#include "LauncherEntry.h"

namespace quillon {

namespace {

const QString keyFolderFile = QStringLiteral("FolderFile");
const QString keyOptions = QStringLiteral("Options");
const QString keyAutoExit = QStringLiteral("AutoExit");

} // namespace

QString LauncherEntry::section(int number)
{
    return QStringLiteral("Launcher%1").arg(number);
}

LauncherEntry LauncherEntry::read(const IniAccess &ini, int number)
{
    const QString s = section(number);
    LauncherEntry e;
    e.folderFile = ini.readString(s, keyFolderFile);
    e.options = ini.readString(s, keyOptions);
    e.autoExit = ini.readBool(s, keyAutoExit, false);
    return e;
}

void LauncherEntry::write(IniAccess &ini, int number) const
{
    const QString s = section(number);
    ini.writeString(s, keyFolderFile, folderFile);
    ini.writeString(s, keyOptions, options);
    ini.writeBool(s, keyAutoExit, autoExit);
}

QString LauncherEntry::programName(const QString &folderFile)
{
    // A path written on Windows keeps its backslashes in a shared settings
    // file; either separator ends the folder part.
    const qsizetype cut = std::max(folderFile.lastIndexOf(u'/'), folderFile.lastIndexOf(u'\\'));
    return folderFile.mid(cut + 1);
}

QString LauncherEntry::menuCaption(const QString &base, const QString &folderFile)
{
    QString name = programName(folderFile);
    name.replace(u'&', QStringLiteral("&&"));
    return base + u' ' + name;
}

} // namespace quillon
