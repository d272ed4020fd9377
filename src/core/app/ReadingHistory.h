#pragma once
// Where the user left each of the last 128 files: entries of the form line,
// TAB, path (the line 0-based, in display lines as the view showed them),
// most recent first, kept in "Quillon-History.txt" between runs. An unused
// entry is a lone TAB.
#include "ListFile.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace quillon {

class ReadingHistory {
public:
    static constexpr int Count = 128;

    ReadingHistory();

    [[nodiscard]] static QString path(); // beside the program
    // Reads what is usable (a missing file gives 128 unused entries): every
    // well-formed entry, the first 128, padded. A line whose number is not a
    // whole number, or that has no TAB, is left out.
    ListFile::State load(const QString &file = path());
    // Written whole; never over a file that could not be read at load.
    [[nodiscard]] WriteResult save(const QString &file = path()) const;
    // The file existed but could not be read at load: save() leaves it alone.
    [[nodiscard]] bool keptUnread() const { return m_loaded == ListFile::State::Unreadable; }

    // The file's entry (or the oldest when it has none) leaves; the file
    // goes on top with its line.
    void UpdateHistory(const QString &file, int line);
    // The line recorded for the file, if any.
    [[nodiscard]] std::optional<int> lineOf(const QString &file) const;

    [[nodiscard]] const QStringList &entries() const { return StrListHistory; }
    [[nodiscard]] static QString entryPath(const QString &entry);
    // A recorded line lowered to the last line with text (lastTextLine >= 0).
    [[nodiscard]] static int clampedLine(int recorded, int lastTextLine);

private:
    [[nodiscard]] qsizetype indexOf(const QString &file) const;

    QStringList StrListHistory;
    ListFile::State m_loaded = ListFile::State::Missing;
};

} // namespace quillon
