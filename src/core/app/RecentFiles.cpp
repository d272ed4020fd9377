#include "RecentFiles.h"

#include "AppPaths.h"
#include "PathMatch.h"

namespace quillon {

RecentFiles::RecentFiles()
    : StrListRecent(Count)
{
}

QString RecentFiles::path()
{
    return AppPaths::besideProgram(AppPaths::programName() + QStringLiteral("-Recent.txt"));
}

bool RecentFiles::usableText(QStringView text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == QChar::ReplacementCharacter)
            return false;
    }
    return true;
}

ListFile::State RecentFiles::load(const QString &file)
{
    ListFile::Contents read = ListFile::read(file);
    m_loaded = read.state;
    StrListRecent.clear();
    for (const QString &line : std::as_const(read.lines)) {
        if (StrListRecent.size() == Count)
            break;
        if (usableText(line))
            StrListRecent.append(line);
    }
    while (StrListRecent.size() < Count)
        StrListRecent.append(QString());
    return m_loaded;
}

WriteResult RecentFiles::save(const QString &file) const
{
    if (m_loaded == ListFile::State::Unreadable)
        return {false, QStringLiteral("not read at start")};
    return ListFile::write(file, StrListRecent);
}

void RecentFiles::UpdateRecent(const QString &loaded)
{
    // A name with a line end would be written as two entries, the second a
    // file the user never opened; such a file is not recorded.
    if (loaded.isEmpty() || !usableText(loaded))
        return;
    qsizetype at = Count - 1;
    for (qsizetype i = 0; i < StrListRecent.size(); ++i) {
        if (PathMatch::samePath(StrListRecent[i], loaded)) {
            at = i;
            break;
        }
    }
    StrListRecent.removeAt(at);
    StrListRecent.prepend(loaded);
}

QString RecentFiles::caption(int index, const QString &entry)
{
    QString shown = entry;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QLatin1Char('&') + QString::number(index + 1) + QLatin1Char(' ') + shown;
}

} // namespace quillon
