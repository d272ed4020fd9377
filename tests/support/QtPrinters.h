#pragma once
// GoogleTest prints QString and QStringList as text instead of raw bytes.
#include <QString>
#include <QStringList>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList &l, std::ostream *os)
{
    for (const QString &s : l)
        *os << "\n  \"" << s.toStdString() << '"';
}
QT_END_NAMESPACE
