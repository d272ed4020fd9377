#pragma once
// Pixel geometry of text lines for the text view, kept free of widgets so it
// can be tested without a display: advances of characters (cached), tab
// expansion, x of a column, column at an x, the line range a rectangle
// touches, and caret steps that never split a surrogate pair or a CR LF.
#include <QStringView>
#include <QtGlobal>
#include <functional>
#include <unordered_map>
#include <vector>

namespace quillon {

class TextViewGeometry {
public:
    // Advance width of one code point in pixels. Never called for TAB.
    using Measure = std::function<qreal(char32_t)>;

    TextViewGeometry() = default;
    explicit TextViewGeometry(Measure measure);

    // A new measure (font change) drops every cached width.
    void setMeasure(Measure measure);
    // Distance between tab stops in pixels; 0 or less makes a tab as wide as a space.
    void setTabWidth(qreal width) { m_tabWidth = width; }
    [[nodiscard]] qreal tabWidth() const { return m_tabWidth; }

    // Cached advance of one code point (not TAB).
    [[nodiscard]] qreal advance(char32_t cp) const
    {
        if (cp < 0x10000 && !m_bmp.empty()) {
            const float w = m_bmp[cp];
            if (w >= 0)
                return w;
        }
        return measure(cp);
    }
    // Advance of the character starting at index i of line, drawn at pen x.
    [[nodiscard]] qreal advanceAt(QStringView line, int i, qreal x) const;

    [[nodiscard]] static qreal nextTabStop(qreal x, qreal tabWidth);
    // Units the character at index i takes: 2 for a whole surrogate pair, else 1.
    [[nodiscard]] static int charLength(QStringView s, int i);
    [[nodiscard]] static char32_t codePointAt(QStringView s, int i);

    // x of the left edge of column (0..line.size()), from the start of the line.
    [[nodiscard]] qreal xOfColumn(QStringView line, int column) const;
    [[nodiscard]] qreal lineWidth(QStringView line) const { return xOfColumn(line, int(line.size())); }
    // Nearest character boundary to x: a click on the right half of a
    // character lands after it. Never inside a surrogate pair.
    [[nodiscard]] int columnAtX(QStringView line, qreal x) const;

    // Where a walk over a line stands: a column and its x.
    struct Cursor {
        int column = 0;
        qreal x = 0;
    };
    // The first character whose right edge lies beyond x (the first one
    // visible when the view is scrolled x pixels to the right).
    [[nodiscard]] Cursor seek(QStringView line, qreal x) const;

    // Lines, counted from firstLine at textTop, that the band top..bottom
    // (bottom exclusive) touches, within 0..lineCount-1. Empty when last < first.
    struct LineRange {
        int first = 0;
        int last = -1;
        [[nodiscard]] bool isEmpty() const { return last < first; }
    };
    [[nodiscard]] static LineRange linesForRect(qreal top, qreal bottom, qreal textTop,
                                                qreal lineHeight, int firstLine, int lineCount);

    // Caret steps over the whole text: a surrogate pair and a CR LF are one step.
    [[nodiscard]] static int nextPosition(QStringView text, int pos);
    [[nodiscard]] static int previousPosition(QStringView text, int pos);
    // Moves a position that falls inside a pair or between CR and LF back
    // to the start of it; clamps to 0..text.size().
    [[nodiscard]] static int snapPosition(QStringView text, int pos);


private:
    [[nodiscard]] qreal measure(char32_t cp) const;

    Measure m_measure;
    mutable std::vector<float> m_bmp; // advances of U+0000..U+FFFF, < 0 until measured
    mutable std::unordered_map<char32_t, float> m_astral;
    qreal m_tabWidth = 0;
};

} // namespace quillon
