#pragma once
// The contents the writer process writes, version by version, so that the
// test can tell a whole version from a mix of two or a cut-off file. Versions
// differ in length: a new one is longer or shorter than the file it replaces.
#include "Utf16TextFile.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace quillon::test {

inline int versionLength(int v)
{
    return 20 + (v * 37) % 400;
}

inline QStringList versionLines(int v)
{
    QStringList lines{QStringLiteral("version %1").arg(v)};
    for (int i = 0; i < versionLength(v); ++i)
        lines << QStringLiteral("%1 line %2 日本語のテキスト").arg(v).arg(i);
    lines << QStringLiteral("end %1").arg(v);
    return lines;
}

// The version the lines are, or 0 when they are not one whole version.
inline int wholeVersion(const QStringList &lines)
{
    if (lines.isEmpty() || !lines.front().startsWith(u"version "))
        return 0;
    const int v = lines.front().mid(8).toInt();
    return v > 0 && lines == versionLines(v) ? v : 0;
}

inline std::vector<std::pair<QString, QString>> versionKeys(int v)
{
    std::vector<std::pair<QString, QString>> keys{{QStringLiteral("Version"), QString::number(v)}};
    for (int i = 0; i < versionLength(v) / 10; ++i)
        keys.emplace_back(QStringLiteral("Key%1").arg(i), QStringLiteral("%1 %2").arg(v).arg(i));
    return keys;
}

} // namespace quillon::test
