#pragma once
// Reading a difference file back into a key map, checking each line. The
// file is meant to be the program's own (UTF-16 LE with its mark), but it is
// also the one file users copy between machines and edit by hand: a UTF-8
// copy is read as UTF-8, and a line that cannot be applied (cut short, a code
// the map lacks, a key name that is not one) is reported, never guessed at.
#include <QList>
#include <QString>
#include <QStringList>

namespace quillon {

struct DifferenceProblem {
    enum class Kind { Incomplete, UnknownCode, UnknownKey };
    Kind kind = Kind::Incomplete;
    int lineNumber = 0; // 1-based line of the file
    QString text;       // the code or key text at fault, or the line
};

struct DifferenceRead {
    bool exists = false;
    bool readable = false;
    QString error; // the system's reason when it exists but cannot be read
    QStringList lines;
};

class KeyDifference {
public:
    KeyDifference() = delete;

    // By its mark: FF FE UTF-16 LE, FE FF UTF-16 BE, EF BB BF UTF-8; without
    // one, UTF-16 LE when the bytes look like it, else UTF-8.
    [[nodiscard]] static DifferenceRead read(const QString &path);
    // For each line in order, the first line of `map` with its code takes its
    // key text (written in the program's form) and keeps its own category and
    // name. Empty lines are passed over; every other line that cannot be
    // applied is returned and changes nothing.
    [[nodiscard]] static QList<DifferenceProblem> apply(QStringList &map, const QStringList &lines);
};

} // namespace quillon
