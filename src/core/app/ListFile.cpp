#include "ListFile.h"

#include <QFileInfo>

namespace quillon {

ListFile::Contents ListFile::read(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {};
    bool ok = false;
    QStringList lines = Utf16TextFile::readLines(path, &ok);
    if (!ok)
        return {State::Unreadable, {}};
    return {State::Read, std::move(lines)};
}

WriteResult ListFile::write(const QString &path, const QStringList &lines)
{
    return Utf16TextFile::writeLines(path, lines);
}

} // namespace quillon
