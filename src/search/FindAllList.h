#pragma once
// Find all: every line of a text that holds the search word, listed once
// however many matches it holds, beside its 1-based line number. Each line
// is searched by itself (as SearchFirst from its start), so a line break
// never joins two lines here; the lines are whatever the caller shows (the
// display lines of a wrapped view).
#include "SearchEngine.h"
#include "TextBuffer.h"

#include <QStringView>

#include <functional>
#include <memory>
#include <vector>

namespace quillon {

struct FindAllList {
    std::vector<int> numbers;                // 1-based line numbers, in text order
    std::shared_ptr<const TextBuffer> lines; // the listed lines joined with CR LF
    SearchError error;                       // an expression that does not compile or runs away

    [[nodiscard]] int count() const { return int(numbers.size()); }
};

// line(i, scratch) gives line i of the text (0 <= i < lineCount).
using LineAccess = std::function<QStringView(int line, QString &scratch)>;

[[nodiscard]] FindAllList FindAllLines(int lineCount, const LineAccess &line, QStringView word,
                                       TSearchOptions options);

// Joins lines with CR LF into a buffer a text view can show.
[[nodiscard]] std::shared_ptr<const TextBuffer> joinLines(const QStringList &lines);

} // namespace quillon
