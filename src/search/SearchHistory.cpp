#include "SearchHistory.h"

#include "AppPaths.h"
#include "Utf16TextFile.h"

#include <QFileInfo>

#include <algorithm>

namespace quillon {

QString SearchHistory::path()
{
    return AppPaths::besideProgram(AppPaths::programName() + QStringLiteral("-Find.txt"));
}

QStringList SearchHistory::read()
{
    if (!QFileInfo::exists(path()))
        return {};
    return Utf16TextFile::readLines(path());
}

bool SearchHistory::write(const QStringList &entries)
{
    return Utf16TextFile::writeLines(path(), entries.mid(0, MaxEntries)).ok;
}

void SearchHistory::update(QStringList &entries, const QString &word)
{
    const qsizetype at = entries.indexOf(word);
    if (at >= 0)
        entries.removeAt(at);
    entries.prepend(word);
    while (entries.size() > MaxEntries)
        entries.removeLast();
}

} // namespace quillon
