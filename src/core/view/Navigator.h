#pragma once
// The arithmetic behind the scroll, cursor and selection commands, over line
// counts and line texts only, so it is the same for buffer lines and for the
// display lines of a wrapped view. The window asks the view for the numbers
// and applies the result.
#include <QChar>
#include <QString>
#include <QStringView>

namespace quillon {

class Navigator {
public:
    Navigator() = delete;

    // What the view knows about its lines: lineCount counts an empty line
    // after a final line break (an empty text has one line), lastLineLength
    // is the length of that last line.
    struct Lines {
        int lineCount = 1;
        int lastLineLength = 0;

        // The last line that has text; an empty last line is not counted.
        // 0 for an empty view.
        [[nodiscard]] int lastTextLine() const;
        // The number of lines a reader would count (no empty last line).
        [[nodiscard]] int textLineCount() const;
    };

    // Scroll the view by scrollBy lines, then put the caret at the start of
    // targetLine.
    struct Move {
        int scrollBy = 0;
        int targetLine = 0;
        bool operator==(const Move &) const = default;
    };

    [[nodiscard]] static Move pageUp(int caretLine, int amount);
    // Stops on the last line with text, and never moves the caret up (a
    // caret on the empty line after the last line break stays).
    [[nodiscard]] static Move pageDown(int caretLine, int amount, const Lines &lines);
    [[nodiscard]] static Move documentTop(int caretLine);
    // Scrolls by the full line count so the end is surely in view.
    [[nodiscard]] static Move documentEnd(int caretLine, const Lines &lines);
    // The go-to-line entry: a line number from 1; empty or not a number
    // means 1. Clamped to the lines with text.
    [[nodiscard]] static Move jump(int caretLine, QStringView entry, const Lines &lines);

    // The cursor commands that hand one key press to the view, each refused
    // where the key would do nothing useful.
    enum class CursorKey { Right, Left, PageUp, Up, Down, PageDown };
    [[nodiscard]] static bool cursorKeyAllowed(CursorKey key, int caretPos, int caretLine, const Lines &lines);

    // The clipboard text of the line-number selection: every line followed by CR LF.
    [[nodiscard]] static QString joinedLines(const QStringList &lines);
};

} // namespace quillon
