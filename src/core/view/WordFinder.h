#pragma once
// The word around a column of one line, by one of two rules: the program's
// own, text between delimiters (word selection and the search word at the
// caret), and a text control's own double click, a run of letters and digits
// or of other visible characters.
#include <QChar>
#include <QStringView>

namespace quillon {

class WordFinder {
public:
    struct Span {
        int start = 0; // column in the line
        int length = 0;
        bool operator==(const Span &) const = default;
    };

    // How far either side of the column a delimiter is looked for.
    static constexpr int SearchLimit = 9998;
    [[nodiscard]] static bool isDelimiter(QChar c);

    // Where the start of the word is looked for: among the 9,998 characters
    // before the column (word selection; with no delimiter there the word
    // takes the whole start of the line), or back to the line start (the
    // search word at the caret).
    enum class Before { WithinLimit, WholeLine };
    // From just after the nearest delimiter before the column to just before
    // the first delimiter among the next 9,998 characters (those characters
    // when none is there). A surrogate pair is never split.
    [[nodiscard]] static Span betweenDelimiters(QStringView line, int column, Before before);

    // The run of letters, digits and "_" (or of other non-space characters)
    // under the column, or just before it when the column ends such a run.
    [[nodiscard]] static Span runAt(QStringView line, int column);
};

} // namespace quillon
