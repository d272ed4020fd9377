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

// The word around a caret in one line, for taking the search word at the
// caret: from after the nearest delimiter before the column to the first
// delimiter after it (at most 9998 units after the caret). Returns the word's
// first column and its length (0 between two delimiters).
struct WordSpan {
    int begin = 0;
    int length = 0;
};
[[nodiscard]] WordSpan wordAtCaret(QStringView line, int column);

} // namespace quillon
