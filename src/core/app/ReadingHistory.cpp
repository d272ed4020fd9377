#include "ReadingHistory.h"

#include "AppPaths.h"
#include "PathMatch.h"
#include "RecentFiles.h"

#include <algorithm>

namespace quillon {

namespace {

const QString unusedEntry = QStringLiteral("\t");

// "digits TAB path" with a number that fits, or the unused entry; anything
// else is not taken.
std::optional<QString> wellFormed(const QString &line)
{
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    if (tab < 0)
        return std::nullopt;
    const QStringView number = QStringView(line).left(tab).trimmed();
    const QStringView file = QStringView(line).mid(tab + 1);
    if (number.isEmpty() && file.isEmpty())
        return unusedEntry;
    if (number.isEmpty() || file.isEmpty() || !RecentFiles::usableText(file))
        return std::nullopt;
    if (!std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool ok = false;
    const int n = number.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return QString::number(n) + QLatin1Char('\t') + file.toString();
}

} // namespace

ReadingHistory::ReadingHistory()
    : StrListHistory(Count, unusedEntry)
{
}

QString ReadingHistory::path()
{
    return AppPaths::besideProgram(AppPaths::programName() + QStringLiteral("-History.txt"));
}

ListFile::State ReadingHistory::load(const QString &file)
{
    ListFile::Contents read = ListFile::read(file);
    m_loaded = read.state;
    StrListHistory.clear();
    for (const QString &line : std::as_const(read.lines)) {
        if (StrListHistory.size() == Count)
            break;
        if (const auto entry = wellFormed(line))
            StrListHistory.append(*entry);
    }
    while (StrListHistory.size() < Count)
        StrListHistory.append(unusedEntry);
    return m_loaded;
}

WriteResult ReadingHistory::save(const QString &file) const
{
    if (m_loaded == ListFile::State::Unreadable)
        return {false, QStringLiteral("not read at start")};
    return ListFile::write(file, StrListHistory);
}

QString ReadingHistory::entryPath(const QString &entry)
{
    const qsizetype tab = entry.indexOf(QLatin1Char('\t'));
    return tab < 0 ? entry : entry.mid(tab + 1);
}

qsizetype ReadingHistory::indexOf(const QString &file) const
{
    for (qsizetype i = 0; i < StrListHistory.size(); ++i) {
        if (PathMatch::samePath(entryPath(StrListHistory[i]), file))
            return i;
    }
    return -1;
}

void ReadingHistory::UpdateHistory(const QString &file, int line)
{
    // A name with a line end or TAB would come back as other entries (or
    // none) at the next start, so such a file is not recorded.
    if (file.isEmpty() || !RecentFiles::usableText(file))
        return;
    const qsizetype at = indexOf(file);
    StrListHistory.removeAt(at >= 0 ? at : Count - 1);
    StrListHistory.prepend(QString::number(std::max(0, line)) + QLatin1Char('\t') + file);
}

std::optional<int> ReadingHistory::lineOf(const QString &file) const
{
    const qsizetype at = indexOf(file);
    if (at < 0)
        return std::nullopt;
    const QString &entry = StrListHistory[at];
    return entry.left(entry.indexOf(QLatin1Char('\t'))).toInt();
}

int ReadingHistory::clampedLine(int recorded, int lastTextLine)
{
    return std::clamp(recorded, 0, std::max(0, lastTextLine));
}

} // namespace quillon
