#pragma once
// The lines the log window shows: what the program was started with and the
// viewer and filer windows it found, filled once when the main window first
// shows. The filer link adds the windows it finds through the same list.
#include <QString>
#include <QStringList>
#include <QList>

namespace quillon {

struct FoundWindow {
    QString title;
    quint64 handle = 0;
};

namespace StartLog {
// "ParamCount", the count, an empty line; for each of the first two arguments
// "ParamStr(n)", its value and an empty line; "Name", "Handle", an empty
// line; then each window's title, its handle in decimal and an empty line.
[[nodiscard]] QStringList lines(const QStringList &args, const QList<FoundWindow> &windows = {});
} // namespace StartLog

} // namespace quillon
