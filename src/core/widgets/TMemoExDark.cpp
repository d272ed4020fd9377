#include "TMemoExDark.h"

#include "TextBufferSource.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <limits>

namespace quillon {

namespace {

const std::shared_ptr<const LineSource> &emptySource()
{
    static const std::shared_ptr<const LineSource> empty = std::make_shared<const TextBufferSource>(nullptr);
    return empty;
}

// Controls other than TAB have no glyph of their own; they are drawn as the
// matching control picture (U+2400 block) so the whole text stays visible.
bool isControl(char16_t c)
{
    return (c < 0x20 && c != u'\t') || c == 0x7F;
}

QChar controlPicture(char16_t c)
{
    return c == 0x7F ? QChar(0x2421) : QChar(char16_t(0x2400 + c));
}

constexpr int CaretWidth = 1;
constexpr int WheelLines = 3;
constexpr int DragScrollInterval = 50;
constexpr int WidthCacheLimit = 8192;
constexpr int CoordinateLimit = 32767;

} // namespace

// ---- marks -----------------------------------------------------------------

TEditMark::TEditMark(const QString &glyph, QObject *parent)
    : QObject(parent)
    , m_mark(glyph)
{
}

void TEditMark::setEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    emit changed();
}

void TEditMark::setColor(const QColor &c)
{
    if (c == m_color)
        return;
    m_color = c;
    emit changed();
}

void TEditMark::setMark(const QString &glyph)
{
    if (glyph == m_mark)
        return;
    m_mark = glyph;
    emit changed();
}

TEditMarks::TEditMarks(QObject *parent)
    : QObject(parent)
    , m_eof(new TEditMark(QString(QChar(0x2190)), this))   // ←
    , m_crlf(new TEditMark(QString(QChar(0x2193)), this))  // ↓
    , m_tab(new TEditMark(QString(QChar(0xFF65)), this))   // ･
    , m_space(new TEditMark(QString(QChar(0x25A1)), this)) // □
{
    for (TEditMark *m : {m_eof, m_crlf, m_tab, m_space})
        connect(m, &TEditMark::changed, this, &TEditMarks::changed);
}

TEditMark *TEditMarks::mark(MarkLayout::Kind kind) const
{
    switch (kind) {
    case MarkLayout::Kind::Eof:
        return m_eof;
    case MarkLayout::Kind::CrLf:
        return m_crlf;
    case MarkLayout::Kind::Tab:
        return m_tab;
    case MarkLayout::Kind::Space:
        return m_space;
    }
    return m_eof;
}

void TEditMarks::setColor(const QColor &c)
{
    for (TEditMark *m : {m_eof, m_crlf, m_tab, m_space})
        m->setColor(c);
}

TMemoExDark::TMemoExDark(QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_source(emptySource())
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAutoFillBackground(false);
    m_textColor = palette().color(QPalette::Text);
    m_backColor = palette().color(QPalette::Base);

    const int flash = QApplication::cursorFlashTime();
    m_blinkTimer.setInterval(flash > 0 ? flash / 2 : 500);
    connect(&m_blinkTimer, &QTimer::timeout, this, &TMemoExDark::onBlink);
    m_dragTimer.setInterval(DragScrollInterval);
    connect(&m_dragTimer, &QTimer::timeout, this, &TMemoExDark::onDragTimer);
    m_wrapTimer.setInterval(0);
    connect(&m_wrapTimer, &QTimer::timeout, this, &TMemoExDark::continueWrap);

    m_marks = new TEditMarks(this);
    connect(m_marks, &TEditMarks::changed, viewport(), qOverload<>(&QWidget::update));

    m_selection.setSource(m_source.get());
    updateMetrics();
}

TMemoExDark::~TMemoExDark() = default;

// ---- source and lines ------------------------------------------------------

void TMemoExDark::setBuffer(std::shared_ptr<const TextBuffer> buffer)
{
    setSource(std::make_shared<const TextBufferSource>(std::move(buffer)));
}

void TMemoExDark::setSource(std::shared_ptr<const LineSource> source)
{
    m_source = source ? std::move(source) : emptySource();
    const SelectionModel::Change change = m_selection.setSource(m_source.get());

    // No measuring: the longest line in code units stands in for the widest
    // until it is painted.
    m_longestLine = m_source->longestLine();
    m_longestMeasured = false;
    m_widestSeen = 0;
    m_widthCache.clear();
    if (m_wrapMode == WrapMode::WidgetWidth) {
        m_wrapWidth = textRect().width() - CaretWidth;
        m_wrap.reset(m_source.get(), &m_geometry, m_wrapWidth);
        m_wrapTimer.start();
    }

    updateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
    if (change.caretMoved)
        emit caretMoved();
    if (change.selectionChanged)
        emit selectionChanged();
}

void TMemoExDark::extendSource(std::shared_ptr<const LineSource> source)
{
    const TextPos anchor = m_selection.anchor(), caret = m_selection.caret();
    const TextPos top = lineStart(firstVisibleLine());
    const int left = horizontalOffset();
    m_source = source ? std::move(source) : emptySource();
    m_selection.setSource(m_source.get());
    const SelectionModel::Change change = m_selection.select(anchor, caret);

    const int longest = m_source->longestLine();
    if (longest != m_longestLine) {
        m_longestLine = longest;
        m_longestMeasured = false;
    }
    if (m_wrapMode == WrapMode::WidgetWidth) {
        const int width = textRect().width() - CaretWidth;
        if (width == m_wrapWidth) {
            m_wrap.rebind(m_source.get());
        } else {
            m_wrapWidth = width;
            m_wrap.reset(m_source.get(), &m_geometry, m_wrapWidth);
        }
        m_wrapTimer.start();
    }
    updateScrollBars();
    setFirstVisibleLine(lineFromPosition(top));
    horizontalScrollBar()->setValue(left);
    viewport()->update();
    if (change.caretMoved)
        emit caretMoved();
    if (change.selectionChanged)
        emit selectionChanged();
}

void TMemoExDark::sourceGrew()
{
    const int longest = m_source->longestLine();
    if (longest != m_longestLine) {
        m_longestLine = longest;
        m_longestMeasured = false;
    }
    // The wrap index asks the source for its lines as it goes: it carries on
    // into the new ones.
    if (m_wrapMode == WrapMode::WidgetWidth && !m_wrapTimer.isActive())
        m_wrapTimer.start();
    updateScrollBars();
    viewport()->update();
}

int TMemoExDark::displayLineCount() const
{
    if (m_wrapMode == WrapMode::WidgetWidth)
        return m_wrap.displayLineCount();
    return m_source->lineCount();
}

// Wrapping is for decoded text, whose positions stay within 32 bits; only
// sources without wrapping (the hex dump) reach past them.
int TMemoExDark::displayLineOf(TextPos pos) const
{
    pos = std::clamp<TextPos>(pos, 0, m_source->length());
    if (m_wrapMode == WrapMode::WidgetWidth)
        return m_wrap.displayLineOf(int(pos));
    return m_source->lineOf(pos);
}

TextPos TMemoExDark::displayLineStart(int dl) const
{
    if (m_wrapMode == WrapMode::WidgetWidth)
        return m_wrap.displayLineStart(dl);
    return m_source->lineStart(dl);
}

int TMemoExDark::displayLineLength(int dl) const
{
    if (m_wrapMode == WrapMode::WidgetWidth)
        return m_wrap.displayLineLength(dl);
    return m_source->lineLength(dl);
}

QStringView TMemoExDark::displayLineText(int dl, QString &scratch) const
{
    if (m_wrapMode == WrapMode::WidgetWidth) {
        const TextPos start = displayLineStart(dl);
        const int line = m_source->lineOf(start);
        return m_source->line(line, scratch).mid(qsizetype(start - m_source->lineStart(line)), displayLineLength(dl));
    }
    return m_source->line(dl, scratch);
}

QString TMemoExDark::lineText(int line) const
{
    if (line < 0 || lastExistingLine(line, line) < line)
        return {};
    QString scratch;
    return displayLineText(line, scratch).toString();
}

int TMemoExDark::lineCount() const
{
    return displayLineCount();
}

int TMemoExDark::lineCountSoFar() const
{
    if (m_wrapMode == WrapMode::WidgetWidth)
        return m_wrap.displayLineCountSoFar();
    return m_source->lineCount();
}

int TMemoExDark::lastExistingLine(int from, int to) const
{
    // Lines below the count known so far are broken on demand, one by one.
    for (int dl = from; dl <= to; ++dl) {
        if (dl >= lineCountSoFar()) {
            (void)displayLineStart(dl);
            if (dl >= lineCountSoFar())
                return dl - 1;
        }
    }
    return to;
}

bool TMemoExDark::lineCountKnown() const
{
    return m_wrapMode != WrapMode::WidgetWidth || m_wrap.isComplete();
}

void TMemoExDark::continueWrap()
{
    // Slices of about 10 ms keep the window answering while a large text is
    // broken; the scroll range grows as the count becomes known.
    if (m_wrapMode != WrapMode::WidgetWidth || m_wrap.isComplete()) {
        m_wrapTimer.stop();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    bool done = false;
    while (!done && clock.elapsed() < 10)
        done = m_wrap.breakMore(2000);
    if (done) {
        m_wrapTimer.stop();
        updateScrollBars();
        viewport()->update();
        emit lineCountChanged();
    }
}

int TMemoExDark::lineFromPosition(TextPos pos) const
{
    return displayLineOf(pos);
}

TextPos TMemoExDark::lineStart(int line) const
{
    // Asks the wrap index only as far as this line, never for the whole count.
    if (line < 0 || lastExistingLine(line, line) < line)
        return -1;
    return displayLineStart(line);
}

int TMemoExDark::lineLength(int line) const
{
    if (line < 0 || lastExistingLine(line, line) < line)
        return 0;
    return displayLineLength(line);
}

// ---- scrolling -------------------------------------------------------------

int TMemoExDark::firstVisibleLine() const
{
    return verticalScrollBar()->value();
}

void TMemoExDark::setFirstVisibleLine(int line)
{
    // A wrapped text may know more lines than the scroll range yet holds.
    if (line > verticalScrollBar()->maximum() && m_wrapMode == WrapMode::WidgetWidth)
        updateScrollBars();
    verticalScrollBar()->setValue(line);
}

void TMemoExDark::scrollLines(int delta)
{
    // Widen before adding so that a huge delta cannot overflow.
    const qint64 target = qint64(firstVisibleLine()) + delta;
    // A wrapped text may know more lines than the scroll range yet holds
    // (its update waits for the event loop): clamp to what is known.
    if (target > verticalScrollBar()->maximum() && m_wrapMode == WrapMode::WidgetWidth)
        updateScrollBars();
    setFirstVisibleLine(int(std::clamp<qint64>(target, 0, verticalScrollBar()->maximum())));
}

int TMemoExDark::visibleLineCount() const
{
    return std::max(1, textRect().height() / m_lineHeight);
}

int TMemoExDark::horizontalOffset() const
{
    return horizontalScrollBar()->value();
}

void TMemoExDark::setHorizontalOffset(int px)
{
    horizontalScrollBar()->setValue(px);
}

void TMemoExDark::scrollContentsBy(int, int dy)
{
    viewport()->update();
    if (dy != 0)
        emit vScrolled();
}

QRect TMemoExDark::textRect() const
{
    return viewport()->rect().marginsRemoved(m_margins);
}

void TMemoExDark::setTextMargins(const QMargins &m)
{
    m_margins = m;
    rewrap();
}

qreal TMemoExDark::contentWidth() const
{
    const qreal estimate = m_longestMeasured ? 0 : m_source->lineLength(m_longestLine) * m_avgCharWidth;
    return std::max(m_widestSeen, estimate);
}

int TMemoExDark::widthForLongestLine() const
{
    const qreal text = m_geometry.lineWidth(m_source->lineText(m_source->longestLine()));
    return int(std::ceil(text)) + CaretWidth + m_margins.left() + m_margins.right() + 2 * frameWidth();
}

void TMemoExDark::updateScrollBars()
{
    m_scrollBarUpdatePending = false;
    const QRect tr = textRect();
    const int visible = visibleLineCount();
    QScrollBar *v = verticalScrollBar();
    const bool wasKnown = lineCountKnown();
    v->setRange(0, std::max(0, lineCountSoFar() - visible));
    if (!wasKnown && lineCountKnown()) {
        m_wrapTimer.stop();
        QMetaObject::invokeMethod(this, &TMemoExDark::lineCountChanged, Qt::QueuedConnection);
    }
    v->setPageStep(visible);
    v->setSingleStep(1);

    QScrollBar *h = horizontalScrollBar();
    const qreal width = m_wrapMode == WrapMode::WidgetWidth
                            ? 0
                            : std::min<qreal>(contentWidth() + CaretWidth, std::numeric_limits<int>::max() / 2);
    h->setRange(0, std::max(0, int(std::ceil(width)) - tr.width()));
    h->setPageStep(std::max(1, tr.width()));
    h->setSingleStep(std::max(1, int(std::ceil(m_avgCharWidth))));
}

void TMemoExDark::scheduleScrollBarUpdate()
{
    // Scroll bars are not touched from inside a paint: showing one resizes
    // the viewport.
    if (m_scrollBarUpdatePending)
        return;
    m_scrollBarUpdatePending = true;
    QMetaObject::invokeMethod(this, [this] {
        if (m_scrollBarUpdatePending)
            updateScrollBars();
    }, Qt::QueuedConnection);
}

qreal TMemoExDark::measuredLineWidth(int dl) const
{
    auto it = m_widthCache.constFind(dl);
    if (it != m_widthCache.constEnd())
        return *it;
    QString scratch;
    const qreal w = m_geometry.lineWidth(displayLineText(dl, scratch));
    if (m_widthCache.size() >= WidthCacheLimit)
        m_widthCache.clear();
    m_widthCache.insert(dl, w);
    if (m_wrapMode == WrapMode::WidgetWidth)
        return w; // no horizontal range to keep
    const qreal before = contentWidth();
    if (dl == m_longestLine)
        m_longestMeasured = true;
    noteLineWidth(w);
    if (contentWidth() != before)
        const_cast<TMemoExDark *>(this)->scheduleScrollBarUpdate();
    return w;
}

void TMemoExDark::noteLineWidth(qreal w) const
{
    m_widestSeen = std::max(m_widestSeen, w);
}

// ---- geometry --------------------------------------------------------------

void TMemoExDark::updateMetrics()
{
    QFont f = font();
    // Drawn runs must add up to the per-character advances used for hit testing.
    f.setKerning(false);
    const QFontMetricsF fm(f);
    m_lineHeight = std::max(1, int(std::ceil(fm.height())));
    m_ascent = int(std::round(fm.ascent()));
    m_avgCharWidth = fm.averageCharWidth();
    if (m_avgCharWidth <= 0)
        m_avgCharWidth = fm.horizontalAdvance(QLatin1Char('x'));
    if (m_avgCharWidth <= 0)
        m_avgCharWidth = 1;
    const qreal avg = m_avgCharWidth;
    m_geometry.setMeasure([fm, avg](char32_t cp) -> qreal {
        if (cp < 0x80 && isControl(char16_t(cp)))
            return avg;
        if (cp >= 0xD800 && cp < 0xE000)
            cp = 0xFFFD; // a lone surrogate shows as the replacement character
        return fm.horizontalAdvance(QString::fromUcs4(&cp, 1));
    });
    m_geometry.setTabWidth(m_tabUnits * m_avgCharWidth / 4);
    m_widthM = int(std::round(fm.horizontalAdvance(QLatin1Char('M'))));
    m_widthDot = int(std::round(fm.horizontalAdvance(QChar(0xFF65))));
    m_widthCache.clear();
    m_widestSeen = 0;
    m_longestMeasured = false;
    rewrap(true);
}

void TMemoExDark::setTabStopDialogUnits(int units)
{
    if (units <= 0)
        units = 32;
    m_tabUnits = units;
    m_geometry.setTabWidth(m_tabUnits * m_avgCharWidth / 4);
    m_widthCache.clear();
    m_widestSeen = 0;
    m_longestMeasured = false;
    rewrap(true);
}

std::optional<QPoint> TMemoExDark::positionToPoint(TextPos pos) const
{
    if (pos < 0 || pos > m_source->length())
        return std::nullopt;
    const int dl = displayLineOf(pos);
    QString scratch;
    const QStringView line = displayLineText(dl, scratch);
    const int column = int(std::min<TextPos>(pos - displayLineStart(dl), line.size()));
    const QRect tr = textRect();
    const qreal x = tr.left() - horizontalOffset() + m_geometry.xOfColumn(line, column);
    const qint64 y = tr.top() + qint64(dl - firstVisibleLine()) * m_lineHeight;
    if (std::abs(x) > CoordinateLimit || std::abs(y) > CoordinateLimit)
        return std::nullopt;
    return QPoint(int(std::floor(x)), int(y));
}

TextPos TMemoExDark::pointToPosition(const QPoint &p) const
{
    const QRect tr = textRect();
    const qint64 offset = qint64(std::floor(qreal(p.y() - tr.top()) / m_lineHeight));
    const int dl = int(std::clamp<qint64>(firstVisibleLine() + offset, 0, displayLineCount() - 1));
    const qreal x = p.x() - tr.left() + horizontalOffset();
    QString scratch;
    return displayLineStart(dl) + m_geometry.columnAtX(displayLineText(dl, scratch), x);
}

QRect TMemoExDark::caretRect() const
{
    const auto pt = positionToPoint(caretPosition());
    if (!pt)
        return {};
    return QRect(pt->x(), pt->y(), CaretWidth, m_lineHeight);
}

// ---- caret and selection ---------------------------------------------------

void TMemoExDark::selectionUpdated(SelectionModel::Change change)
{
    viewport()->update();
    if (change.caretMoved)
        emit caretMoved();
    if (change.selectionChanged)
        emit selectionChanged();
}

void TMemoExDark::setSelection(TextPos start, TextPos length)
{
    selectionUpdated(m_selection.setSelection(start, length));
    restartBlink();
}

void TMemoExDark::select(TextPos anchor, TextPos caret)
{
    selectionUpdated(m_selection.select(anchor, caret));
    restartBlink();
}

void TMemoExDark::setCaretPosition(TextPos pos)
{
    select(pos, pos);
}

void TMemoExDark::selectAll()
{
    select(0, m_source->length());
}

QString TMemoExDark::selectedText() const
{
    return m_selection.selectedText();
}

bool TMemoExDark::copy()
{
    if (!hasSelection())
        return true;
    if (selectionLength() > m_maxCopyLength) {
        emit copyRefused();
        return false;
    }
    QGuiApplication::clipboard()->setText(selectedText());
    return true;
}

void TMemoExDark::moveCaret(TextPos pos, bool extend, SelectionModel::Goal goal)
{
    caretMovedBy(m_selection.moveTo(pos, extend, goal));
}

void TMemoExDark::caretMovedBy(SelectionModel::Change change)
{
    selectionUpdated(change);
    ensureCaretVisible();
    restartBlink();
}

void TMemoExDark::ensureCaretVisible()
{
    const TextPos caret = caretPosition();
    const int dl = displayLineOf(caret);
    const int first = firstVisibleLine();
    const int visible = visibleLineCount();
    if (dl < first)
        setFirstVisibleLine(dl);
    else if (dl >= first + visible)
        setFirstVisibleLine(dl - visible + 1);

    // Measuring the caret's line also widens the scroll range to hold it.
    QString scratch;
    const QStringView line = displayLineText(dl, scratch);
    const qreal before = contentWidth();
    measuredLineWidth(dl);
    if (contentWidth() != before || m_scrollBarUpdatePending)
        updateScrollBars();
    const qreal x = m_geometry.xOfColumn(line, int(caret - displayLineStart(dl)));
    const int width = textRect().width();
    const int h = horizontalOffset();
    if (x < h)
        setHorizontalOffset(std::max(0, int(x) - width / 4));
    else if (x + CaretWidth > h + width)
        setHorizontalOffset(int(std::ceil(x)) + CaretWidth - width + width / 4);
}

void TMemoExDark::verticalMove(int lines, bool extend)
{
    const TextPos caret = caretPosition();
    const int dl = displayLineOf(caret);
    QString scratch;
    if (!m_selection.goalX())
        m_selection.setGoalX(m_geometry.xOfColumn(displayLineText(dl, scratch), int(caret - displayLineStart(dl))));
    const int target = int(std::clamp<qint64>(qint64(dl) + lines, 0, displayLineCount() - 1));
    const TextPos pos = displayLineStart(target) + m_geometry.columnAtX(displayLineText(target, scratch), *m_selection.goalX());
    moveCaret(pos, extend, SelectionModel::Goal::Keep);
}

// ---- wrap ------------------------------------------------------------------

void TMemoExDark::setWrapMode(WrapMode mode)
{
    if (mode == m_wrapMode)
        return;
    const TextPos top = displayLineStart(firstVisibleLine());
    m_wrapMode = mode;
    setHorizontalScrollBarPolicy(mode == WrapMode::WidgetWidth ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    m_wrapWidth = -1;
    rewrap();
    setHorizontalOffset(0);
    setFirstVisibleLine(displayLineOf(top));
    m_selection.forgetGoalX(); // x on a display line changed meaning
    emit caretMoved(); // the caret's line number changed meaning
}

void TMemoExDark::rewrap(bool force)
{
    if (m_wrapMode == WrapMode::WidgetWidth) {
        const int width = textRect().width() - CaretWidth;
        if (force || width != m_wrapWidth) {
            const TextPos top = m_wrapWidth < 0 ? -1 : displayLineStart(firstVisibleLine());
            m_wrap.reset(m_source.get(), &m_geometry, width);
            m_wrapWidth = width;
            m_wrapTimer.start();
            updateScrollBars();
            if (top >= 0)
                setFirstVisibleLine(displayLineOf(top));
        }
    }
    updateScrollBars();
    viewport()->update();
}

// ---- colours and mark offsets ----------------------------------------------

void TMemoExDark::setTextColor(const QColor &c)
{
    m_textColor = c;
    viewport()->update();
}

void TMemoExDark::setBackgroundColor(const QColor &c)
{
    m_backColor = c;
    viewport()->update();
}

void TMemoExDark::setDarkMode(bool on)
{
    m_darkMode = on;
    viewport()->update();
}

QColor TMemoExDark::paintedBackColor() const
{
    return m_darkMode ? m_darkBackColor : m_backColor;
}

QColor TMemoExDark::paintedTextColor() const
{
    if (!m_darkMode)
        return m_textColor;
    // The dark theme's text colour; a light palette's dark text would vanish
    // on the dark background, so then a light grey stands in.
    const QColor themed = palette().color(QPalette::Text);
    return themed.lightness() >= 128 ? themed : QColor(0xE0, 0xE0, 0xE0);
}

void TMemoExDark::setDarkBackColor(const QColor &c)
{
    m_darkBackColor = c;
    viewport()->update();
}

void TMemoExDark::setShiftRet(int v)
{
    m_shiftRet = v;
    viewport()->update();
}

void TMemoExDark::setShiftEof(int v)
{
    m_shiftEof = v;
    viewport()->update();
}

void TMemoExDark::setShiftTab(int v)
{
    m_shiftTab = v;
    viewport()->update();
}

void TMemoExDark::setShiftDBCS(int v)
{
    m_shiftDBCS = v;
    viewport()->update();
}

// ---- painting --------------------------------------------------------------

MarkLayout::Metrics TMemoExDark::markMetrics() const
{
    MarkLayout::Metrics m;
    m.shiftRet = m_shiftRet;
    m.shiftEof = m_shiftEof;
    m.shiftTab = m_shiftTab;
    m.shiftDBCS = m_shiftDBCS;
    m.widthM = m_widthM;
    m.widthDot = m_widthDot;
    m.lineHeight = m_lineHeight;
    return m;
}

void TMemoExDark::layoutMarks(std::vector<MarkLayout::Mark> &out) const
{
    MarkLayout::Enabled on;
    on.eof = m_marks->EofMark()->enabled();
    on.crlf = m_marks->CrlfMark()->enabled();
    on.tab = m_marks->TabMark()->enabled();
    on.space = m_marks->SpaceMark()->enabled();
    if (!on.any() || m_source->length() == 0)
        return;
    const QRect tr = textRect();
    const int first = firstVisibleLine();
    const int last = lastExistingLine(
        first, MarkLayout::lastMarkedLine(first, viewport()->height(), m_lineHeight, std::numeric_limits<int>::max()));
    const MarkLayout::Metrics metrics = markMetrics();
    const qreal originX = tr.left() - horizontalOffset();
    // Marks reach at most their offset to the right of their character.
    const int reach = std::max({m_shiftRet, m_shiftTab, m_shiftDBCS, 0}) + m_widthM;
    const qreal minX = -reach;
    const qreal maxX = std::min<qreal>(viewport()->width(), CoordinateLimit);
    const TextPos length = m_source->length();
    QString scratch;
    for (int dl = first; dl <= last; ++dl) {
        const qint64 y = tr.top() + qint64(dl - first) * m_lineHeight;
        if (y > CoordinateLimit)
            break;
        const TextPos start = displayLineStart(dl);
        const QStringView segment = displayLineText(dl, scratch);
        // A CR LF follows where the display line ends its source line.
        const int line = m_source->lineOf(start);
        const bool lineEnd = line + 1 < m_source->lineCount()
                             && start + segment.size() == m_source->lineStart(line) + m_source->lineLength(line);
        MarkLayout::layoutSegment(segment, start, lineEnd, originX, int(y), m_geometry, on, metrics, length, minX,
                                  maxX, out);
    }
}

std::vector<TMemoExDark::MarkRect> TMemoExDark::markRects() const
{
    std::vector<MarkLayout::Mark> marks;
    layoutMarks(marks);
    QFont f = font();
    f.setKerning(false);
    const QFontMetrics fm(f);
    std::vector<MarkRect> rects;
    rects.reserve(marks.size());
    for (const auto &m : marks) {
        const QString glyph = m_marks->mark(m.kind)->mark();
        rects.push_back({m.kind, m.pos, QRect(m.at, QSize(fm.horizontalAdvance(glyph), m_lineHeight))});
    }
    return rects;
}

void TMemoExDark::paintMarks(QPainter &p, int, int)
{
    std::vector<MarkLayout::Mark> marks;
    layoutMarks(marks);
    m_lastEofRect = QRect();
    if (marks.empty())
        return;
    p.save();
    // Marks may sit in the margins too (the end-of-file arrow starts at the
    // client edge), so they are clipped to the dirty area only.
    p.setClipping(false);
    p.setBackgroundMode(Qt::TransparentMode);
    for (const auto &m : marks) {
        const TEditMark *mark = m_marks->mark(m.kind);
        p.setPen(mark->color());
        p.drawText(QPointF(m.at.x(), m.at.y() + m_ascent), mark->mark());
        if (m.kind == MarkLayout::Kind::Eof)
            m_lastEofRect = QRect(0, m.at.y(), viewport()->width(), m_lineHeight);
    }
    p.restore();
}

void TMemoExDark::paintEvent(QPaintEvent *e)
{
    QPainter p(viewport());
    const QRect dirty = e->rect();
    const QRect vr = viewport()->rect();
    const QRect tr = textRect();

    // The margins around the text rectangle: left, top, bottom, right.
    const QColor margin = paintedBackColor();
    const QRect strips[] = {
        QRect(QPoint(vr.left(), vr.top()), QPoint(tr.left() - 1, vr.bottom())),
        QRect(QPoint(tr.left(), vr.top()), QPoint(tr.right(), tr.top() - 1)),
        QRect(QPoint(tr.left(), tr.bottom() + 1), QPoint(tr.right(), vr.bottom())),
        QRect(QPoint(tr.right() + 1, vr.top()), QPoint(vr.right(), vr.bottom())),
    };
    for (const QRect &s : strips) {
        if (s.isValid() && s.intersects(dirty))
            p.fillRect(s & dirty, margin);
    }

    // The end-of-file arrow may have been drawn into a margin: clear where
    // it was, so a scrolled view leaves no stale arrow behind.
    if (m_marks->EofMark()->enabled() && m_lastEofRect.intersects(dirty)) {
        for (const QRect &s : strips) {
            if (s.isValid())
                p.fillRect(s & m_lastEofRect & dirty, margin);
        }
    }

    const QRect clip = tr & dirty;
    if (clip.isEmpty()) {
        paintMarks(p, 0, -1);
        return;
    }
    p.fillRect(clip, paintedBackColor());
    p.setClipRect(clip);
    QFont f = font();
    f.setKerning(false);
    p.setFont(f);

    const int first = firstVisibleLine();
    auto range = TextViewGeometry::linesForRect(clip.top(), clip.bottom() + 1, tr.top(), m_lineHeight, first,
                                                std::max(lineCountSoFar(), first + visibleLineCount() + 2));
    range.last = lastExistingLine(range.first, range.last);
    const bool active = hasFocus();
    for (int dl = range.first; dl <= range.last; ++dl)
        paintLine(p, dl, tr.top() + qreal(dl - first) * m_lineHeight, clip, active);

    paintMarks(p, range.first, range.last);

    if (hasFocus() && m_caretOn) {
        const QRect c = caretRect();
        if (c.intersects(clip))
            p.fillRect(c, paintedTextColor());
    }
}

void TMemoExDark::paintLine(QPainter &p, int dl, qreal y, const QRect &clip, bool active)
{
    QString scratch;
    const QStringView line = displayLineText(dl, scratch);
    const int n = int(line.size());
    const TextPos lineStartPos = displayLineStart(dl);
    const qreal originX = textRect().left() - horizontalOffset();
    const qreal visLeft = clip.left() - originX;
    const qreal visRight = clip.right() + 1 - originX;

    // Keeps the horizontal range honest as lines come into sight.
    measuredLineWidth(dl);

    const int selFrom = int(std::clamp<TextPos>(selectionStart() - lineStartPos, 0, n));
    const int selTo = int(std::clamp<TextPos>(selectionStart() + selectionLength() - lineStartPos, 0, n));
    const QPalette::ColorGroup group = active ? QPalette::Active : QPalette::Inactive;
    QColor highlight = palette().color(group, QPalette::Highlight);
    QColor highlightText = palette().color(group, QPalette::HighlightedText);
    const QColor textColor = paintedTextColor();
    if (!active && highlight == paintedBackColor()) {
        // Some styles hide an inactive selection; keep it visible.
        highlight = palette().color(QPalette::Active, QPalette::Highlight);
        highlight.setAlphaF(0.5);
        highlightText = textColor;
    }

    // Only the visible slice is shaped: skip to the left edge, then draw in
    // runs broken at tabs, controls and selection edges.
    constexpr int ChunkUnits = 128;
    auto cur = m_geometry.seek(line, visLeft);
    int i = cur.column;
    qreal x = cur.x;
    int runStart = -1;
    qreal runX = 0;
    bool runSelected = false;
    auto flush = [&](int end, qreal endX) {
        if (runStart < 0)
            return;
        if (runSelected)
            p.fillRect(QRectF(originX + runX, y, endX - runX, m_lineHeight), highlight);
        p.setPen(runSelected ? highlightText : textColor);
        p.drawText(QPointF(originX + runX, y + m_ascent), line.mid(runStart, end - runStart).toString());
        runStart = -1;
    };
    while (i < n && x < visRight) {
        const char16_t c = line[i].unicode();
        const int len = TextViewGeometry::charLength(line, i);
        const qreal w = m_geometry.advanceAt(line, i, x);
        const bool selected = i >= selFrom && i < selTo;
        if (c == u'\t' || isControl(c)) {
            flush(i, x);
            if (selected)
                p.fillRect(QRectF(originX + x, y, w, m_lineHeight), highlight);
            if (c != u'\t') {
                const QString pic(controlPicture(c));
                const qreal gw = p.fontMetrics().horizontalAdvance(pic);
                p.save();
                p.setPen(selected ? highlightText : textColor);
                p.translate(originX + x, y + m_ascent);
                if (gw > w && gw > 0)
                    p.scale(w / gw, 1);
                p.drawText(QPointF(0, 0), pic);
                p.restore();
            }
        } else {
            if (runStart >= 0 && (selected != runSelected || i - runStart >= ChunkUnits))
                flush(i, x);
            if (runStart < 0) {
                runStart = i;
                runX = x;
                runSelected = selected;
            }
        }
        x += w;
        i += len;
    }
    flush(i, x);
}

// ---- events ----------------------------------------------------------------

bool TMemoExDark::event(QEvent *e)
{
    // Keys that carry a shortcut of the owning window go to that shortcut:
    // the override request is never accepted here.
    if (e->type() == QEvent::ShortcutOverride) {
        e->ignore();
        return true;
    }
    return QAbstractScrollArea::event(e);
}

void TMemoExDark::resizeEvent(QResizeEvent *e)
{
    QAbstractScrollArea::resizeEvent(e);
    rewrap();
}

void TMemoExDark::changeEvent(QEvent *e)
{
    QAbstractScrollArea::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        updateMetrics();
}

void TMemoExDark::keyPressEvent(QKeyEvent *e)
{
    if (e == QKeySequence::Copy) {
        copy();
        return;
    }
    if (e == QKeySequence::SelectAll) {
        selectAll();
        return;
    }
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const int dl = displayLineOf(caretPosition());
    switch (e->key()) {
    case Qt::Key_Left:
        caretMovedBy(m_selection.stepLeft(shift));
        break;
    case Qt::Key_Right:
        caretMovedBy(m_selection.stepRight(shift));
        break;
    case Qt::Key_Up:
        verticalMove(-1, shift);
        break;
    case Qt::Key_Down:
        verticalMove(1, shift);
        break;
    case Qt::Key_Home:
        moveCaret(ctrl ? 0 : displayLineStart(dl), shift);
        break;
    case Qt::Key_End:
        moveCaret(ctrl ? length() : displayLineStart(dl) + displayLineLength(dl), shift);
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const int page = visibleLineCount() * (e->key() == Qt::Key_PageUp ? -1 : 1);
        scrollLines(page);
        verticalMove(page, shift);
        break;
    }
    default:
        QAbstractScrollArea::keyPressEvent(e);
        return;
    }
    e->accept();
}

void TMemoExDark::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    const QPoint pt = e->position().toPoint();
    moveCaret(pointToPosition(pt), e->modifiers() & Qt::ShiftModifier);
    m_dragging = true;
    m_lastDragPoint = pt;
}

void TMemoExDark::mouseMoveEvent(QMouseEvent *e)
{
    if (!m_dragging || !(e->buttons() & Qt::LeftButton))
        return;
    m_lastDragPoint = e->position().toPoint();
    dragTo(m_lastDragPoint);
    if (textRect().contains(m_lastDragPoint))
        m_dragTimer.stop();
    else if (!m_dragTimer.isActive())
        m_dragTimer.start();
}

void TMemoExDark::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton) {
        m_dragging = false;
        m_dragTimer.stop();
    }
}

void TMemoExDark::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    m_dragTimer.stop();
    const TextPos pos = pointToPosition(e->position().toPoint());
    const int dl = displayLineOf(pos);
    QString scratch;
    selectionUpdated(m_selection.selectWord(displayLineText(dl, scratch), displayLineStart(dl), pos));
    restartBlink();
    ensureCaretVisible();
}

void TMemoExDark::dragTo(const QPoint &p)
{
    // A point above or below the text lands on the line just outside it, so
    // keeping the caret in view scrolls by a line per step.
    moveCaret(pointToPosition(p), true);
}

void TMemoExDark::onDragTimer()
{
    if (!m_dragging) {
        m_dragTimer.stop();
        return;
    }
    dragTo(m_lastDragPoint);
}

void TMemoExDark::wheelEvent(QWheelEvent *e)
{
    const QPoint delta = e->angleDelta();
    if (delta.y() != 0) {
        m_wheelRemainder += delta.y();
        const int steps = m_wheelRemainder / 120;
        m_wheelRemainder %= 120;
        if (steps != 0)
            scrollLines(-steps * WheelLines);
    } else if (delta.x() != 0) {
        setHorizontalOffset(horizontalOffset() - delta.x() * horizontalScrollBar()->singleStep() * WheelLines / 120);
    }
    e->accept();
}

void TMemoExDark::focusInEvent(QFocusEvent *e)
{
    QAbstractScrollArea::focusInEvent(e);
    restartBlink();
    viewport()->update();
}

void TMemoExDark::focusOutEvent(QFocusEvent *e)
{
    QAbstractScrollArea::focusOutEvent(e);
    m_blinkTimer.stop();
    m_caretOn = false;
    viewport()->update();
}

void TMemoExDark::restartBlink()
{
    if (!hasFocus()) {
        m_blinkTimer.stop();
        m_caretOn = false;
        return;
    }
    m_caretOn = true;
    if (QApplication::cursorFlashTime() > 0)
        m_blinkTimer.start();
    else
        m_blinkTimer.stop();
    viewport()->update(caretRect());
}

void TMemoExDark::onBlink()
{
    m_caretOn = !m_caretOn;
    viewport()->update(caretRect());
}

} // namespace quillon
