#pragma once
// Where the text view puts its marks: a line-end mark after each CR, a tab
// mark on each tab, a square on each full-width space and the end-of-file
// arrow at the start of the line below the last character. Free of widgets
// so the rules can be checked without a display.
#include "LineSource.h"
#include "TextViewGeometry.h"

#include <QPoint>
#include <QRect>
#include <QStringView>
#include <vector>

namespace quillon {

class MarkLayout {
public:
    enum class Kind { Eof, CrLf, Tab, Space };

    struct Enabled {
        bool eof = false, crlf = false, tab = false, space = false;
        [[nodiscard]] bool any() const { return eof || crlf || tab || space; }
    };
    // Offsets in pixels and the widths that shift the glyphs.
    struct Metrics {
        int shiftRet = 15, shiftEof = 12, shiftTab = 8, shiftDBCS = 13;
        int widthM = 0;   // width of "M"
        int widthDot = 0; // width of the tab glyph
        int lineHeight = 16;
    };
    struct Mark {
        Kind kind = Kind::Eof;
        TextPos pos = 0; // the character that carries the mark
        QPoint at;     // top-left of the glyph
    };

    // Lines the marks are painted for: the visible ones and 60 % more below,
    // so the cost does not grow with the file. Returns the last line.
    [[nodiscard]] static int lastMarkedLine(int firstLine, int clientHeight, int lineHeight, int lineCount);

    // x and y of a mark given the top-left of its character and the
    // character's width. The offsets were chosen for a small gothic font; with
    // a wider one the formula would put a tab or full-width-space mark on the
    // character before, so the mark is kept inside its own character's cell,
    // and a line-end mark never starts left of the line's end.
    [[nodiscard]] static QPoint placeAt(Kind kind, QPoint charPoint, const Metrics &m, int cellWidth = 0);

    // Marks of one display line (segment, without its line end) starting at
    // text position segStart, whose column 0 is drawn at (originX, y);
    // hasLineEnd: a CR LF follows it in the text. Only characters whose left
    // edge lies left of maxX are walked, from near minX on, so a long line
    // costs its visible part.
    static void layoutSegment(QStringView segment, TextPos segStart, bool hasLineEnd, qreal originX, int y,
                              const TextViewGeometry &geometry, const Enabled &on, const Metrics &m,
                              TextPos textLength, qreal minX, qreal maxX, std::vector<Mark> &out);
};

} // namespace quillon
