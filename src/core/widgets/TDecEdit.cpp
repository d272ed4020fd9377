#include "TDecEdit.h"

#include <QKeyEvent>

namespace quillon {

TDecEdit::TDecEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

void TDecEdit::keyPressEvent(QKeyEvent *e)
{
    // Only keys that type a character are filtered; movement, Delete and
    // the Ctrl shortcuts behave as in any edit box.
    const QString typed = e->text();
    const bool control = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!control && typed.size() == 1 && typed[0].isPrint()) {
        const QChar c = typed[0];
        const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
        if (!NumericFilter::accepts(m_type, c, text(), caret)) {
            e->accept();
            return;
        }
    } else if (!control && typed.size() > 1) {
        // An input method may hand over several characters at once.
        for (QChar c : typed) {
            if (!NumericFilter::accepts(m_type, c, text(), cursorPosition())) {
                e->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(e);
}

} // namespace quillon
