#pragma once
// The read-only text view: shows a LineSource (a shared TextBuffer, or lines
// computed when painted) and paints only the lines in sight, so a file of a
// million lines opens and scrolls at once. Positions are UTF-16 offsets into
// the source's joined text (lines separated by CR LF).
#include "LineSource.h"
#include "MarkLayout.h"
#include "SelectionModel.h"
#include "TextBuffer.h"
#include "TextViewGeometry.h"
#include "WrapIndex.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QHash>
#include <QMargins>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

namespace quillon {

// One mark of the text view: whether it is drawn, its colour and its glyph.
// Changing any of them repaints the owning view.
class TEditMark : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QString Mark READ mark WRITE setMark)
public:
    TEditMark(const QString &glyph, QObject *parent);
    [[nodiscard]] bool enabled() const { return m_enabled; }
    void setEnabled(bool on);
    [[nodiscard]] QColor color() const { return m_color; }
    void setColor(const QColor &c);
    [[nodiscard]] QString mark() const { return m_mark; }
    void setMark(const QString &glyph);

signals:
    void changed();

private:
    bool m_enabled = false;
    QColor m_color{0, 0, 255}; // $FF0000 in the settings' 00BBGGRR form
    QString m_mark;
};

// The four marks, in the order the settings list them.
class TEditMarks : public QObject {
    Q_OBJECT
public:
    explicit TEditMarks(QObject *parent);
    [[nodiscard]] TEditMark *EofMark() const { return m_eof; }
    [[nodiscard]] TEditMark *CrlfMark() const { return m_crlf; }
    [[nodiscard]] TEditMark *TabMark() const { return m_tab; }
    [[nodiscard]] TEditMark *SpaceMark() const { return m_space; }
    [[nodiscard]] TEditMark *mark(MarkLayout::Kind kind) const;
    // All four take colour c.
    void setColor(const QColor &c);

signals:
    void changed();

private:
    TEditMark *m_eof;
    TEditMark *m_crlf;
    TEditMark *m_tab;
    TEditMark *m_space;
};

class TMemoExDark : public QAbstractScrollArea {
    Q_OBJECT
    Q_PROPERTY(int ShiftRet READ shiftRet WRITE setShiftRet)
    Q_PROPERTY(int ShiftEof READ shiftEof WRITE setShiftEof)
    Q_PROPERTY(int ShiftTab READ shiftTab WRITE setShiftTab)
    Q_PROPERTY(int ShiftDBCS READ shiftDBCS WRITE setShiftDBCS)
    Q_PROPERTY(QColor DarkBackColor READ darkBackColor WRITE setDarkBackColor)
    Q_PROPERTY(bool DarkMode READ darkMode WRITE setDarkMode)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
    Q_PROPERTY(WrapMode wrapMode READ wrapMode WRITE setWrapMode)

public:
    enum class WrapMode { NoWrap, WidgetWidth };
    Q_ENUM(WrapMode)

    explicit TMemoExDark(QWidget *parent = nullptr);
    ~TMemoExDark() override;
    TMemoExDark(const TMemoExDark &) = delete;
    TMemoExDark &operator=(const TMemoExDark &) = delete;

    // The source is shared, never copied. A null source shows an empty text.
    // Caret and selection go to 0, the view to the top left.
    void setSource(std::shared_ptr<const LineSource> source);
    [[nodiscard]] const std::shared_ptr<const LineSource> &source() const { return m_source; }
    // Shows a decoded file: the buffer is shared, not copied.
    void setBuffer(std::shared_ptr<const TextBuffer> buffer);
    // The text shown has grown, or comes whole from source now, the text
    // before unchanged: caret, selection and the view's place stay.
    void extendSource(std::shared_ptr<const LineSource> source);
    // The source shown has more lines at its end, the ones before unchanged
    // (a file still loading): scroll range, widest line and wrapping follow.
    void sourceGrew();

    // Units of the whole text.
    [[nodiscard]] TextPos length() const { return m_source->length(); }
    // Units start..start + length of the text (clamped), line ends as CR LF.
    [[nodiscard]] QString textRange(TextPos start, TextPos length) const { return m_source->text(start, length); }
    // Text of a display line without its line end; empty when there is no such line.
    [[nodiscard]] QString lineText(int line) const;

    // Lines as shown (display lines; the same as the source's lines while
    // wrapping is off): an empty text has one line, a final CR LF adds one.
    [[nodiscard]] int lineCount() const;
    // Line holding pos; pos is clamped to 0..length.
    [[nodiscard]] int lineFromPosition(TextPos pos) const;
    // First position of line, or -1 when there is no such line.
    [[nodiscard]] TextPos lineStart(int line) const;
    // Length of line without its line end, 0 when there is no such line.
    [[nodiscard]] int lineLength(int line) const;

    [[nodiscard]] int firstVisibleLine() const;
    void setFirstVisibleLine(int line);
    void scrollLines(int delta);
    // Whole lines that fit in the text rectangle (at least 1).
    [[nodiscard]] int visibleLineCount() const;
    [[nodiscard]] int horizontalOffset() const;
    void setHorizontalOffset(int px);

    // Top-left of the character at pos in viewport coordinates (for pos at a
    // line end, just after its last character). Empty when pos is outside
    // 0..length or the point lies beyond the 16-bit coordinate range.
    [[nodiscard]] std::optional<QPoint> positionToPoint(TextPos pos) const;
    // Nearest caret position to a viewport point (clamped to the text).
    [[nodiscard]] TextPos pointToPosition(const QPoint &p) const;

    [[nodiscard]] TextPos selectionStart() const { return m_selection.selectionStart(); }
    [[nodiscard]] TextPos selectionLength() const { return m_selection.selectionLength(); }
    [[nodiscard]] bool hasSelection() const { return m_selection.hasSelection(); }
    // Selects length units from start with the caret at the end.
    void setSelection(TextPos start, TextPos length);
    // Selects from anchor to caret; caret < anchor puts the caret at the start.
    void select(TextPos anchor, TextPos caret);
    [[nodiscard]] TextPos anchorPosition() const { return m_selection.anchor(); }
    [[nodiscard]] TextPos caretPosition() const { return m_selection.caret(); }
    // Moves the caret and collapses the selection to it.
    void setCaretPosition(TextPos pos);
    void ensureCaretVisible();
    [[nodiscard]] QString selectedText() const;
    // Puts the selection on the clipboard; nothing happens when it is empty.
    // A selection longer than maxCopyLength() is not copied: copyRefused()
    // is sent and false returned, so the owner can say why.
    bool copy();
    [[nodiscard]] TextPos maxCopyLength() const { return m_maxCopyLength; }
    void setMaxCopyLength(TextPos units) { m_maxCopyLength = units; }
    void selectAll();

    // Tab stops in dialog units: 4 units are one average character width.
    void setTabStopDialogUnits(int units);
    [[nodiscard]] int tabStopDialogUnits() const { return m_tabUnits; }
    [[nodiscard]] qreal tabStopWidth() const { return m_geometry.tabWidth(); }

    // WidgetWidth breaks lines at the text rectangle's width (after a space
    // where one fits) and hides the horizontal scroll bar; every line number
    // of this class then counts display lines. The first line in view stays.
    void setWrapMode(WrapMode mode);
    [[nodiscard]] WrapMode wrapMode() const { return m_wrapMode; }

    [[nodiscard]] QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor &c);
    [[nodiscard]] QColor backgroundColor() const { return m_backColor; }
    void setBackgroundColor(const QColor &c);
    [[nodiscard]] bool darkMode() const { return m_darkMode; }
    void setDarkMode(bool on);
    [[nodiscard]] QColor darkBackColor() const { return m_darkBackColor; }
    // What paint uses: in dark mode the whole view takes the dark background
    // and the theme's light text; otherwise the view's own colours.
    [[nodiscard]] QColor paintedBackColor() const;
    [[nodiscard]] QColor paintedTextColor() const;
    void setDarkBackColor(const QColor &c);

    // Horizontal offsets of the marks, in pixels.
    [[nodiscard]] int shiftRet() const { return m_shiftRet; }
    void setShiftRet(int v);
    [[nodiscard]] int shiftEof() const { return m_shiftEof; }
    void setShiftEof(int v);
    [[nodiscard]] int shiftTab() const { return m_shiftTab; }
    void setShiftTab(int v);
    [[nodiscard]] int shiftDBCS() const { return m_shiftDBCS; }
    void setShiftDBCS(int v);

    [[nodiscard]] TEditMarks *EditMarks() const { return m_marks; }
    // Where the marks go for the current view (viewport coordinates), for the
    // lines the painter covers: the visible ones plus 60 %. Each rectangle is
    // the glyph's box.
    struct MarkRect {
        MarkLayout::Kind kind;
        TextPos pos;
        QRect rect;
    };
    [[nodiscard]] std::vector<MarkRect> markRects() const;
    // Where the end-of-file mark was painted last (empty when it was not).
    [[nodiscard]] QRect lastEofRect() const { return m_lastEofRect; }

    // Space between the viewport's edge and the text rectangle.
    void setTextMargins(const QMargins &m);
    [[nodiscard]] QMargins textMargins() const { return m_margins; }
    // The rectangle the text is drawn in, in viewport coordinates.
    [[nodiscard]] QRect textRect() const;
    [[nodiscard]] int lineHeight() const { return m_lineHeight; }

    // Display lines found so far while a wrapped text is still being broken
    // in the background (a lower bound of lineCount()); lineCount() itself
    // otherwise. Never forces the whole text to be broken.
    [[nodiscard]] int lineCountSoFar() const;
    [[nodiscard]] bool lineCountKnown() const;
    // Widest line known so far, or the estimate for the longest line.
    [[nodiscard]] qreal contentWidth() const;
    // The widget width that shows the source's longest line whole, frame,
    // margins and caret included (for a column such as the line numbers).
    [[nodiscard]] int widthForLongestLine() const;

signals:
    // The number of display lines became known (wrapping finished its pass).
    void lineCountChanged();
    void caretMoved();
    void copyRefused();
    void selectionChanged();
    void vScrolled();

protected:
    // Drawn after the text in the same paint pass, for the display lines
    // firstLine..lastLine the dirty area touches (lastLine < firstLine when
    // it touches none, e.g. only the space below the last line). The painter
    // is clipped to the text rectangle and holds the view's font.
    virtual void paintMarks(QPainter &painter, int firstLine, int lastLine);

    // Pixel geometry for subclasses that paint over the text.
    [[nodiscard]] const TextViewGeometry &geometry() const { return m_geometry; }

    bool event(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // Every line lookup goes through these so that display lines (wrapping)
    // can replace source lines in one place.
    [[nodiscard]] int displayLineCount() const;
    [[nodiscard]] int displayLineOf(TextPos pos) const;
    [[nodiscard]] TextPos displayLineStart(int dl) const;
    [[nodiscard]] int displayLineLength(int dl) const;
    // A view of the source's text or of scratch (computed lines).
    [[nodiscard]] QStringView displayLineText(int dl, QString &scratch) const;

    void updateMetrics();
    // Breaks the lines again (wrap on) when the width changed or force is
    // set, keeping the top line's text in view; then refreshes the ranges.
    void rewrap(bool force = false);
    void updateScrollBars();
    void scheduleScrollBarUpdate();
    qreal measuredLineWidth(int dl) const;
    void noteLineWidth(qreal w) const;
    void paintLine(QPainter &p, int dl, qreal y, const QRect &clip, bool active);
    void moveCaret(TextPos pos, bool extend, SelectionModel::Goal goal = SelectionModel::Goal::Forget);
    // Repaints and signals what a change of the selection model moved.
    void selectionUpdated(SelectionModel::Change change);
    // The same for a caret the user moved: it is kept in view.
    void caretMovedBy(SelectionModel::Change change);
    void verticalMove(int lines, bool extend);
    void dragTo(const QPoint &p);
    void restartBlink();
    void onBlink();
    void onDragTimer();
    [[nodiscard]] QRect caretRect() const;
    [[nodiscard]] MarkLayout::Metrics markMetrics() const;
    void layoutMarks(std::vector<MarkLayout::Mark> &out) const;
    void continueWrap();
    [[nodiscard]] int lastExistingLine(int from, int to) const;

    std::shared_ptr<const LineSource> m_source;
    TextViewGeometry m_geometry;
    WrapMode m_wrapMode = WrapMode::NoWrap;
    WrapIndex m_wrap;
    int m_wrapWidth = -1;

    SelectionModel m_selection;

    int m_lineHeight = 16;
    int m_ascent = 12;
    qreal m_avgCharWidth = 8;
    int m_tabUnits = 32;
    QMargins m_margins{4, 1, 4, 1};

    // Widths: an estimate for the longest line until it is measured, plus
    // the widest line measured so far. Measured widths are cached a while.
    int m_longestLine = 0;
    mutable bool m_longestMeasured = false;
    mutable qreal m_widestSeen = 0;
    mutable QHash<int, qreal> m_widthCache;
    bool m_scrollBarUpdatePending = false;
    int m_knownHRange = -1;

    QColor m_textColor;
    QColor m_backColor;
    bool m_darkMode = false;
    QColor m_darkBackColor{0x20, 0x20, 0x20};

    int m_shiftRet = 15;
    int m_shiftEof = 12;
    int m_shiftTab = 8;
    int m_shiftDBCS = 13;

    TextPos m_maxCopyLength = LineSource::MaxTextLength;
    QTimer m_blinkTimer;
    bool m_caretOn = false;
    QTimer m_dragTimer;
    bool m_dragging = false;
    QPoint m_lastDragPoint;
    int m_wheelRemainder = 0;

    TEditMarks *m_marks = nullptr;
    QRect m_lastEofRect;
    int m_widthM = 8;
    int m_widthDot = 8;
    QTimer m_wrapTimer; // breaks the rest of a wrapped text in slices
};

} // namespace quillon
