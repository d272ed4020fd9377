#pragma once
// Draws the selected row of a key list in aqua while the list does not have
// the focus, so the command whose key the selectors show stays plain to see
// while the user works the selectors. With the focus in the list the style's
// own selection is drawn.
#include <QStyledItemDelegate>

namespace quillon {

class KeyListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr QRgb Aqua = 0x00FFFF;

    explicit KeyListDelegate(QWidget *view);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QWidget *m_view;
};

} // namespace quillon
