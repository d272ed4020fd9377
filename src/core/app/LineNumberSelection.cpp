#include "LineNumberSelection.h"

#include <algorithm>

namespace quillon {

LineNumberSelection LineNumberSelection::click(int clicked, int lineCount, int anchor, bool extend)
{
    LineNumberSelection s;
    const int last = std::max(0, lineCount - 1);
    s.line = std::min(clicked, last);
    if (!extend) {
        s.anchor = s.top = s.bottom = s.line;
        return s;
    }
    s.anchor = anchor;
    const int from = std::min(anchor, last);
    s.top = std::min(from, s.line);
    s.bottom = std::max(from, s.line);
    s.withLineEnd = true;
    s.caretAtTop = s.line < from;
    return s;
}

} // namespace quillon
