#include "KeyListDelegate.h"

#include <QPainter>

namespace quillon {

KeyListDelegate::KeyListDelegate(QWidget *view)
    : QStyledItemDelegate(view)
    , m_view(view)
{
}

void KeyListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!(option.state & QStyle::State_Selected) || m_view->hasFocus()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    painter->save();
    painter->fillRect(option.rect, QColor(Aqua));
    // Only the three text columns; the last one is an empty margin.
    if (index.column() < 3) {
        const QVariant foreground = index.data(Qt::ForegroundRole);
        painter->setPen(foreground.canConvert<QBrush>() ? foreground.value<QBrush>().color()
                                                        : option.palette.color(QPalette::WindowText));
        const QVariant font = index.data(Qt::FontRole);
        painter->setFont(font.canConvert<QFont>() ? font.value<QFont>() : option.font);
        const int inset = index.column() == 0 ? 3 : 6;
        const QRect text = option.rect.adjusted(inset, 0, 0, 0);
        const QVariant align = index.data(Qt::TextAlignmentRole);
        const Qt::Alignment horizontal =
            align.isValid() ? Qt::Alignment(align.toInt()) & Qt::AlignHorizontal_Mask : Qt::AlignLeft;
        painter->drawText(text, int(horizontal | Qt::AlignVCenter | Qt::TextSingleLine),
                          painter->fontMetrics().elidedText(index.data().toString(), Qt::ElideRight, text.width()));
    }
    painter->restore();
}

} // namespace quillon
