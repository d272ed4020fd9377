#pragma once
// Which lines a click in the line-number view selects.

namespace quillon {

struct LineNumberSelection {
    int line = 0;   // the line clicked, kept inside the text
    int anchor = 0; // the line a later Shift+click extends from
    int top = 0, bottom = 0;
    bool withLineEnd = false; // the highlight runs on to the start of the line after bottom
    bool caretAtTop = true;

    // clicked: the number's line; lineCount: lines of the text view (the last
    // number may stand below the last line); extend: Shift was held.
    [[nodiscard]] static LineNumberSelection click(int clicked, int lineCount, int anchor, bool extend);
};

} // namespace quillon
