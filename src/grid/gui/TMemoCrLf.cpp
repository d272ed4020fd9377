#include "TMemoCrLf.h"

#include <QPainter>
#include <QTextBlock>

namespace quillon {

namespace {
const QString markGlyph = QString::fromUtf16(u"↓");
}

TMemoCrLf::TMemoCrLf(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setReadOnly(true);
    // A read-only memo still shows its caret and takes keyboard selection.
    setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
}

void TMemoCrLf::setCrLfColor(const QColor &color)
{
    if (color == m_crLfColor)
        return;
    m_crLfColor = color;
    viewport()->update();
}

void TMemoCrLf::setDarkMode(bool on)
{
    if (on == m_darkMode)
        return;
    m_darkMode = on;
    viewport()->update();
}

void TMemoCrLf::setDarkBackColor(const QColor &color)
{
    if (color == m_darkBackColor)
        return;
    m_darkBackColor = color;
    viewport()->update();
}

QString TMemoCrLf::cellText() const
{
    QString text = toPlainText();
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

void TMemoCrLf::setCellText(const QString &text)
{
    // The control keeps its own paragraph breaks; CR LF, a lone CR and a lone
    // LF each become one.
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(u'\r', u'\n');
    setPlainText(plain);
    document()->setModified(false);
}

QList<QPoint> TMemoCrLf::markPositions() const
{
    QList<QPoint> points;
    const QTextBlock last = document()->lastBlock();
    const QFontMetrics fm(font());
    for (QTextBlock block = firstVisibleBlock(); block.isValid() && block != last; block = block.next()) {
        const QRectF box = blockBoundingGeometry(block).translated(contentOffset());
        if (box.top() > viewport()->height())
            break;
        QTextCursor end(block);
        end.movePosition(QTextCursor::EndOfBlock);
        const QRect caret = cursorRect(end);
        points.append(QPoint(caret.left() + 1, caret.top()));
    }
    return points;
}

void TMemoCrLf::paintEvent(QPaintEvent *event)
{
    QPlainTextEdit::paintEvent(event);
    QPainter p(viewport());
    p.setFont(font());
    const QFontMetrics fm(font());
    const QColor back = m_darkMode ? m_darkBackColor : palette().color(QPalette::Base);
    for (const QPoint &at : markPositions()) {
        const QRect box(at, QSize(fm.horizontalAdvance(markGlyph), fm.height()));
        p.fillRect(box, back);
        p.setPen(m_crLfColor);
        p.drawText(box, Qt::AlignLeft | Qt::AlignTop, markGlyph);
    }
}

} // namespace quillon
