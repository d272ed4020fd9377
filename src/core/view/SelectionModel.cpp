#include "SelectionModel.h"

#include "TextViewGeometry.h"

#include <algorithm>

namespace quillon {

SelectionModel::Change SelectionModel::setSource(const LineSource *source)
{
    const Change change{m_caret != 0, m_anchor != m_caret};
    m_source = source;
    m_anchor = m_caret = 0;
    m_goalX.reset();
    return change;
}

QString SelectionModel::selectedText() const
{
    if (!m_source || !hasSelection())
        return {};
    return m_source->text(selectionStart(), selectionLength());
}

SelectionModel::Change SelectionModel::place(TextPos anchor, TextPos caret)
{
    if (m_source) {
        anchor = m_source->snapPosition(anchor);
        caret = m_source->snapPosition(caret);
    } else {
        anchor = caret = 0;
    }
    const TextPos oldStart = selectionStart();
    const TextPos oldLength = selectionLength();
    Change change;
    change.caretMoved = caret != m_caret;
    m_anchor = anchor;
    m_caret = caret;
    change.selectionChanged = oldStart != selectionStart() || oldLength != selectionLength();
    return change;
}

SelectionModel::Change SelectionModel::select(TextPos anchor, TextPos caret)
{
    m_goalX.reset();
    return place(anchor, caret);
}

SelectionModel::Change SelectionModel::setSelection(TextPos start, TextPos length)
{
    const TextPos total = m_source ? m_source->length() : 0;
    return select(start, std::clamp<TextPos>(start + length, 0, total));
}

SelectionModel::Change SelectionModel::selectAll()
{
    return select(0, m_source ? m_source->length() : 0);
}

SelectionModel::Change SelectionModel::moveTo(TextPos pos, bool extend, Goal goal)
{
    if (goal == Goal::Forget)
        m_goalX.reset();
    pos = m_source ? m_source->snapPosition(pos) : 0;
    return place(extend ? m_anchor : pos, pos);
}

SelectionModel::Change SelectionModel::stepLeft(bool extend)
{
    if (!extend && hasSelection())
        return moveTo(selectionStart(), false);
    return moveTo(m_source ? m_source->previousPosition(m_caret) : 0, extend);
}

SelectionModel::Change SelectionModel::stepRight(bool extend)
{
    if (!extend && hasSelection())
        return moveTo(selectionEnd(), false);
    return moveTo(m_source ? m_source->nextPosition(m_caret) : 0, extend);
}

SelectionModel::Change SelectionModel::selectWord(QStringView lineText, TextPos lineStart, TextPos pos)
{
    const auto span = TextViewGeometry::wordAt(lineText, int(pos - lineStart));
    return select(lineStart + span.start, lineStart + span.start + span.length);
}

} // namespace quillon
