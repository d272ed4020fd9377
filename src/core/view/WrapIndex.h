#pragma once
// Display lines of a text wrapped at a pixel width. Source lines are broken
// lazily, from the top down, only as far as a question needs: the first
// screen of a large file costs the lines on it, not the whole file.
#include "LineSource.h"
#include "TextViewGeometry.h"

#include <cstdint>
#include <vector>

namespace quillon {

class WrapIndex {
public:
    WrapIndex() = default;
    WrapIndex(const WrapIndex &) = delete;
    WrapIndex &operator=(const WrapIndex &) = delete;

    // Forgets every break. The source and geometry must outlive the index
    // (or the next reset). A width of 0 or less wraps nothing.
    void reset(const LineSource *source, const TextViewGeometry *geometry, qreal width);
    // The same lines from another source, perhaps with more after them (a
    // file loaded whole): the lines broken so far stay broken.
    void rebind(const LineSource *source) { m_source = source; }
    [[nodiscard]] qreal width() const { return m_width; }

    // All display lines; this breaks the whole text.
    [[nodiscard]] int displayLineCount() const;
    // Display line holding pos (clamped to the text). A position on a break
    // belongs to the display line that starts there.
    [[nodiscard]] int displayLineOf(int pos) const;
    // First position of display line dl (clamped to the existing lines).
    [[nodiscard]] int displayLineStart(int dl) const;
    // Units of display line dl, without a line end.
    [[nodiscard]] int displayLineLength(int dl) const;
    // Source lines broken so far (for tests and for estimates).
    [[nodiscard]] int linesDone() const { return m_linesDone; }
    [[nodiscard]] bool isComplete() const;
    // Breaks up to `lines` more source lines; returns true once all are done.
    bool breakMore(int lines);
    // Display lines known so far plus one for every source line not yet
    // broken: a lower bound of displayLineCount() that breaks nothing.
    [[nodiscard]] int displayLineCountSoFar() const;

    // Where one line breaks: the start column of each of its display lines.
    // Prefers to break after a space or tab; else before the character that
    // does not fit; a display line always holds at least one character.
    [[nodiscard]] static std::vector<int> breakLine(QStringView line, const TextViewGeometry &geometry,
                                                    qreal width);

private:
    void breakThrough(int line) const;

    const LineSource *m_source = nullptr;
    const TextViewGeometry *m_geometry = nullptr;
    qreal m_width = 0;
    mutable std::vector<int32_t> m_starts; // start positions of the display lines found so far
    mutable int m_linesDone = 0;
};

} // namespace quillon
