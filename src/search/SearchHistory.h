#pragma once
// The search history "Quillon-Find.txt" that the find dialog and the search
// bar share: newest first, at most 32 entries written, UTF-16 LE with BOM and
// CR LF like every file beside the program.
#include <QString>
#include <QStringList>

namespace quillon {

class SearchHistory {
public:
    static constexpr int MaxEntries = 32;

    [[nodiscard]] static QString path(); // beside the program
    // A missing file is an empty history.
    [[nodiscard]] static QStringList read();
    // The first 32 entries, written whole.
    static bool write(const QStringList &entries);
    // A search started from a word box: the word's first exact (case-
    // sensitive) equal leaves, the word goes on top, the list is cut to 32.
    static void update(QStringList &entries, const QString &word);
};

} // namespace quillon
