#pragma once
// The text of the line-number view: the numbers 1 to n + 1, one a line,
// either zero-padded to six digits or right-aligned in six places.
#include "TextBuffer.h"

#include <QString>
#include <memory>

namespace quillon {

class LineNumberText {
public:
    // "000012" when lineZero is not 0, "    12" when it is 0.
    [[nodiscard]] static QString format(int number, int lineZero);
    // The numbers 1..count joined by line breaks (no break after the last),
    // built straight into a buffer: a million lines cost a few milliseconds.
    [[nodiscard]] static std::shared_ptr<const TextBuffer> build(int count, int lineZero);
    // How many numbers a text of visibleLines lines gets (one more than its lines).
    [[nodiscard]] static int countFor(int visibleLines) { return visibleLines + 1; }
};

} // namespace quillon
