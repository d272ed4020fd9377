#pragma once
// How the line-number view writes a number, and how many it shows.
#include <QString>

namespace quillon {

class LineNumberText {
public:
    // "000012" when lineZero is not 0, "    12" when it is 0.
    [[nodiscard]] static QString format(int number, int lineZero);
    // How many numbers a text of visibleLines lines gets (one more than its lines).
    [[nodiscard]] static int countFor(int visibleLines) { return visibleLines + 1; }
};

} // namespace quillon
