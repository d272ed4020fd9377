#pragma once
// The six files opened last, most recent first, as the file menu offers them
// ("&1 " + path ... "&6 " + path), kept in "Quillon-Recent.txt" between runs.
#include "ListFile.h"

#include <QString>
#include <QStringList>

namespace quillon {

class RecentFiles {
public:
    static constexpr int Count = 6;

    RecentFiles();

    [[nodiscard]] static QString path(); // beside the program
    // Reads what is usable of the file (a missing one gives six empty
    // entries): every line that can be a path, the first six, padded.
    ListFile::State load(const QString &file = path());
    // Written whole; never over a file that could not be read at load.
    [[nodiscard]] WriteResult save(const QString &file = path()) const;
    // The file existed but could not be read at load: save() leaves it alone.
    [[nodiscard]] bool keptUnread() const { return m_loaded == ListFile::State::Unreadable; }

    // The file just loaded goes on top; its own entry leaves, or the last
    // one when it has none.
    void UpdateRecent(const QString &loaded);

    [[nodiscard]] const QStringList &entries() const { return StrListRecent; }
    // The menu caption of entry index: "&1 " + path, an "&" of the path
    // doubled so it shows as itself.
    [[nodiscard]] static QString caption(int index, const QString &entry);
    // Whether a line read from a list file can be a path (no control
    // characters, nothing that failed to decode).
    [[nodiscard]] static bool usableText(QStringView text);

private:
    QStringList StrListRecent;
    ListFile::State m_loaded = ListFile::State::Missing;
};

} // namespace quillon
