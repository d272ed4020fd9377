#pragma once
// Caret and selection of a text view, free of widgets: an anchor and a caret
// over a LineSource's positions, kept off the inside of a surrogate pair or a
// CR LF, and the x the caret keeps over Up and Down. Every change reports
// what moved, so the view repaints and signals only when it must.
#include "LineSource.h"

#include <cstdlib>
#include <optional>
#include <algorithm>

namespace quillon {

class SelectionModel {
public:
    struct Change {
        bool caretMoved = false;
        bool selectionChanged = false; // start or length of the selection
        [[nodiscard]] bool any() const { return caretMoved || selectionChanged; }
        bool operator==(const Change &) const = default;
    };

    SelectionModel() = default;
    SelectionModel(const SelectionModel &) = delete;
    SelectionModel &operator=(const SelectionModel &) = delete;

    // A new text: caret and anchor to 0, no goal x. The source must outlive
    // the model or the next setSource; null is an empty text.
    Change setSource(const LineSource *source);

    [[nodiscard]] TextPos anchor() const { return m_anchor; }
    [[nodiscard]] TextPos caret() const { return m_caret; }
    [[nodiscard]] TextPos selectionStart() const { return std::min(m_anchor, m_caret); }
    [[nodiscard]] TextPos selectionLength() const { return std::abs(m_caret - m_anchor); }
    [[nodiscard]] TextPos selectionEnd() const { return std::max(m_anchor, m_caret); }
    [[nodiscard]] bool hasSelection() const { return m_caret != m_anchor; }
    [[nodiscard]] QString selectedText() const;

    // Selects from anchor to caret (each snapped); caret < anchor puts the
    // caret at the start. Forgets the goal x.
    Change select(TextPos anchor, TextPos caret);
    // length units from start, the caret at the end.
    Change setSelection(TextPos start, TextPos length);
    // The caret to pos, nothing selected.
    Change collapse(TextPos pos) { return select(pos, pos); }
    Change selectAll();

    // A caret movement: extend keeps the anchor (Shift held). A vertical
    // move keeps the goal x for the next one; any other forgets it.
    enum class Goal { Forget, Keep };
    Change moveTo(TextPos pos, bool extend, Goal goal = Goal::Forget);
    // Left and Right: without extend a selection collapses to its edge,
    // else the caret steps one character (a CR LF is one).
    Change stepLeft(bool extend);
    Change stepRight(bool extend);
    // The word around pos within one line (its text and first position),
    // as a double click selects it; the caret goes to the word's end.
    Change selectWord(QStringView lineText, TextPos lineStart, TextPos pos);

    // The x Up and Down aim for, set by the first of a run of vertical moves.
    [[nodiscard]] std::optional<qreal> goalX() const { return m_goalX; }
    void setGoalX(qreal x) { m_goalX = x; }
    void forgetGoalX() { m_goalX.reset(); }

private:
    Change place(TextPos anchor, TextPos caret);

    const LineSource *m_source = nullptr;
    TextPos m_anchor = 0;
    TextPos m_caret = 0;
    std::optional<qreal> m_goalX;
};

} // namespace quillon
