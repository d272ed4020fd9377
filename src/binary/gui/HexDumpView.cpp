#include "HexDumpView.h"

#include "HexRowSource.h"
#include "HexRows.h"
#include "TMemoExDark.h"
#include "TextBuffer.h"

#include <QEvent>
#include <QScrollBar>
#include <QVBoxLayout>

namespace quillon {

namespace {

std::shared_ptr<const TextBuffer> headerText()
{
    TextSink sink;
    const QString h = HexRows::header();
    sink.putPlain(reinterpret_cast<const char16_t *>(h.utf16()), h.size());
    return std::make_shared<const TextBuffer>(sink.finish());
}

} // namespace

HexDumpView::HexDumpView(QWidget *parent)
    : QWidget(parent)
    , m_header(new TMemoExDark(this))
    , m_dump(new TMemoExDark(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_header);
    layout->addWidget(m_dump, 1);

    m_header->setObjectName(QStringLiteral("MemoBinaryHeader"));
    m_header->setFrameShape(QFrame::NoFrame);
    m_header->setFocusPolicy(Qt::NoFocus);
    m_header->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_header->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_header->setBuffer(headerText());
    m_header->installEventFilter(this);
    m_header->viewport()->installEventFilter(this);

    m_dump->setObjectName(QStringLiteral("MemoBinary"));
    m_dump->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_dump->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The whole dump of a large file is billions of units; a copy is one
    // string on the clipboard, so it is kept to a size the desktop can take.
    m_dump->setMaxCopyLength(MaxCopyUnits);
    connect(m_dump->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { m_header->setHorizontalOffset(m_dump->horizontalOffset()); });
    setDumpFont(m_dump->font());
}

void HexDumpView::setRows(std::shared_ptr<const HexRowSource> rows)
{
    m_rows = std::move(rows);
    m_dump->setSource(m_rows);
    // Inside the first row's offset, as a fresh dump starts.
    m_dump->setCaretPosition(m_rows && m_rows->rowCount() > 0 ? 7 : 0);
}

void HexDumpView::setDumpFont(const QFont &font)
{
    m_dump->setFont(font);
    m_header->setFont(font);
    const int size = font.pointSize() > 0 ? font.pointSize() : font.pixelSize();
    m_header->setFixedHeight(headerHeight(size));
}

void HexDumpView::setColors(const QColor &text, const QColor &background)
{
    for (TMemoExDark *v : {m_header, m_dump}) {
        v->setTextColor(text);
        v->setBackgroundColor(background);
    }
}

bool HexDumpView::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        // The header only labels the columns: the dump takes over.
        m_header->setFirstVisibleLine(0);
        m_dump->setFocus(Qt::MouseFocusReason);
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quillon
