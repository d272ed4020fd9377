#pragma once
// A small list file beside the program (recent files, reading positions):
// read whole, written whole and atomically. A file that exists but cannot be
// read is remembered as such, so that it is never overwritten.
#include "Utf16TextFile.h"

#include <QString>
#include <QStringList>

namespace quillon {

class ListFile {
public:
    enum class State { Missing, Unreadable, Read };
    struct Contents {
        State state = State::Missing;
        QStringList lines;
    };

    // Any mark the settings files accept (UTF-16 either order, UTF-8) is read;
    // lines end in CR LF, CR or LF.
    [[nodiscard]] static Contents read(const QString &path);
    // UTF-16 LE with mark, CR LF after every line; the old file stays whole on failure.
    [[nodiscard]] static WriteResult write(const QString &path, const QStringList &lines);
};

} // namespace quillon
