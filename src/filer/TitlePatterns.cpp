#include "TitlePatterns.h"

#include <QFileInfo>

namespace quillon::TitlePatterns {

QString fileName()
{
    return QStringLiteral("Quillon-Title.txt");
}

QStringList defaultLines()
{
    return {QStringLiteral("1 - Harbek"), QStringLiteral("1 - Dollmer"), QStringLiteral("0"), QStringLiteral("0")};
}

QStringList read(const QString &path)
{
    if (!QFileInfo::exists(path))
        return defaultLines();
    QStringList lines = Utf16TextFile::readLines(path).mid(0, LineCount);
    while (lines.size() < LineCount)
        lines.append(QStringLiteral("0"));
    return lines;
}

WriteResult write(const QString &path, const QStringList &lines)
{
    return Utf16TextFile::writeLines(path, lines);
}

QString line(bool isEnabled, const QString &text)
{
    return (isEnabled ? QStringLiteral("1 ") : QStringLiteral("0 ")) + text;
}

bool enabled(const QString &line)
{
    return line.startsWith(u'1');
}

QString pattern(const QString &line)
{
    return line.size() < 4 ? QString() : line.mid(2);
}

QList<FoundWindow> filerSearch(const QList<TopWindow> &windows, const QStringList &lines)
{
    QList<FoundWindow> found;
    for (const FoundWindow &w : FilerLink::search(windows, WindowSearch::All)) {
        for (const QString &l : lines) {
            if (l.size() > 3 && enabled(l) && FilerLink::containsAscii(w.title, pattern(l))
                && !FilerLink::containsAscii(w.title, QStringLiteral(" - Quillon")))
                found.append(w);
        }
    }
    return found;
}

} // namespace quillon::TitlePatterns
