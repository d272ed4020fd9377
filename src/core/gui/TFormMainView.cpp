// Marks, line numbers, wrapping, status-bar and font commands of the main window.
#include "TFormMain.h"
#include "TFormFind.h"

#include "ColorText.h"
#include "LineNumberSource.h"
#include "LineNumberSelection.h"
#include "MainMessages.h"
#include "LineNumberText.h"
#include "StatusPanels.h"
#include "TMemoExDark.h"
#include "EventWatcher.h"
#include "ViewText.h"
#include "MainMenuBuilder.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

namespace quillon {

namespace {

QString J(const char16_t *s)
{
    return QString::fromUtf16(s);
}

QColor qcolor(TColor c)
{
    return QColor::fromRgb(colorToRgb(c));
}

// Above this many display lines a wrapped view keeps the window's size:
// every resize would break the whole text again.
constexpr int ResizeLineLimit = 50000;

constexpr CommandCode markCodes[] = {u"1411", u"1412", u"1413", u"1414"};
constexpr CommandCode tabCodes[] = {u"1421", u"1422", u"1423", u"1424"};
// Top bar, bottom bar, resize by clicking the bar, file name in panel 0.
constexpr CommandCode statusBarCodes[] = {u"1431", u"1432", u"1433", u"1434"};

} // namespace

// The events of the text view, the line-number view and the window itself;
// only a double click in either view is taken.
bool TFormMain::viewEvent(QObject *watched, QEvent *e)
{
    TFormMain *w = this;
    const QEvent::Type type = e->type();
    if (watched == w->Memo1->viewport()) {
        switch (type) {
        case QEvent::MouseButtonPress:
            w->m_pressedInText = true;
            // The view moves its caret first; the position is taken after.
            QTimer::singleShot(0, w, [w] {
                w->IntLastMousePos = w->Memo1->caretPosition();
                w->MemoStatus();
            });
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton && w->m_pressedInText) {
                w->m_pressedInText = false;
                QTimer::singleShot(0, w, [w] {
                    w->IntLastMousePos = w->Memo1->caretPosition();
                    w->textViewClicked();
                });
            }
            break;
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton) {
                w->m_pressedInText = false;
                w->textViewDoubleClicked();
                return true;
            }
            break;
        case QEvent::MouseMove:
            if (w->m_pressedInText && (static_cast<QMouseEvent *>(e)->buttons() & Qt::LeftButton))
                QTimer::singleShot(0, w, [w] { w->selectionToSearchBar(); });
            break;
        default:
            break;
        }
        return false;
    }
    if (watched == w->Memo1) {
        if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
            const auto *k = static_cast<QKeyEvent *>(e);
            const bool onlyShift = (k->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier;
            QTimer::singleShot(0, w, [w, onlyShift, up = type == QEvent::KeyRelease] {
                if (onlyShift)
                    w->selectionToSearchBar();
                if (up) {
                    w->IntLastMousePos = w->Memo1->caretPosition();
                    w->MemoStatus();
                }
            });
        } else if (type == QEvent::Resize) {
            QTimer::singleShot(0, w, [w] { w->syncLineNumbers(); });
        }
        return false;
    }
    if (watched == w->MemoLineNumber->viewport()) {
        switch (type) {
        case QEvent::MouseButtonRelease: {
            const auto *m = static_cast<QMouseEvent *>(e);
            if (m->button() == Qt::LeftButton) {
                const Qt::KeyboardModifiers mods = m->modifiers();
                QTimer::singleShot(0, w, [w, mods] { w->lineNumberClicked(mods); });
            }
            break;
        }
        case QEvent::MouseButtonDblClick:
            w->BoolLineNumberDoubleClick = true;
            w->Timers[11]->start();
            return true;
        case QEvent::Wheel:
            // The numbers follow the text, never the other way round.
            QCoreApplication::sendEvent(w->Memo1->viewport(), e);
            return true;
        default:
            break;
        }
        return false;
    }
    if (watched == w) {
        if (type == QEvent::Resize && w->m_resizeLocked && w->size() != w->m_lockedSize) {
            // A frame that ignores the fixed size still gets its way for a
            // moment: put the size back and say why once per attempt.
            QTimer::singleShot(0, w, [w] {
                if (w->m_resizeLocked && !w->isMaximized())
                    w->resize(w->m_lockedSize);
            });
            w->Timers[7]->start();
        } else if (type == QEvent::WindowStateChange && w->m_resizeLocked && w->isMaximized()) {
            QTimer::singleShot(0, w, [w] {
                w->showNormal();
                w->resize(w->m_lockedSize);
            });
            w->Timers[7]->start();
        }
    }
    return false;
}

void TFormMain::registerViewCommands()
{
    constexpr auto textOnly = WhileDump::StandsStill;
    registerCommand(u"1401", [this] { setWrap(false); }, textOnly);
    registerCommand(u"1402", [this] { setWrap(true); }, textOnly);
    registerCommand(u"1403", [this] {
        m_settings.showLineNumber = !m_settings.showLineNumber;
        setViewItemChecked(u"1403", m_settings.showLineNumber);
        showLineNumberView();
    });
    registerCommand(u"1405", [this] {
        m_settings.selectLine = !m_settings.selectLine;
        setViewItemChecked(u"1405", m_settings.selectLine);
        if (!m_settings.selectLine)
            Memo1->setCaretPosition(Memo1->caretPosition());
    });
    for (int i = 0; i < 4; ++i) {
        registerCommand(markCodes[i], [this, i] { toggleMark(i); }, textOnly);
        registerCommand(tabCodes[i], [this, i] { setTabWidthItem(i); }, textOnly);
        registerCommand(statusBarCodes[i], [this, i] { toggleStatusBarItem(i); }, textOnly);
    }
    registerCommand(u"1501", [this] { chooseTextFont(); }, textOnly);
    registerCommand(u"1502", [this] { chooseTextBackColor(); }, textOnly);
    registerCommand(u"1503", [this] { chooseMarkColor(); }, textOnly);

    // The filer's appearance decides the colours while it is followed.
    for (CommandCode code : {CommandCode(u"1501"), CommandCode(u"1502"), CommandCode(u"1503")})
        setViewItemEnabled(code, !m_settings.sameAsHarbekan);

    // Check marks and view state as the settings left them.
    if (std::none_of(m_settings.tabs.begin(), m_settings.tabs.end(), [](bool b) { return b; }))
        m_settings.tabs[1] = true;
    syncViewCheckMarks();
    TEditMarks *em = Memo1->EditMarks();
    em->CrlfMark()->setEnabled(m_settings.markCrLf);
    em->EofMark()->setEnabled(m_settings.markEof);
    em->TabMark()->setEnabled(m_settings.markTab);
    em->SpaceMark()->setEnabled(m_settings.markDbcs);
    em->setColor(qcolor(m_settings.kigouColor));
    setViewItemChecked(u"1403", m_settings.showLineNumber);
    setViewItemChecked(u"1405", m_settings.selectLine);

    const bool wrap = m_settings.wrapWindowWidth;
    m_settings.wrapNone = !wrap;
    Memo1->setWrapMode(wrap ? TMemoExDark::WrapMode::WidgetWidth : TMemoExDark::WrapMode::NoWrap);
    setViewItemEnabled(u"1401", wrap);
    setViewItemEnabled(u"1402", !wrap);
    setViewItemEnabled(u"1403", !wrap);

    // The line-number view: no scroll bars of its own, no focus, no marks.
    MemoLineNumber->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoLineNumber->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoLineNumber->setFocusPolicy(Qt::NoFocus);
    MemoLineNumber->viewport()->setCursor(Qt::ArrowCursor);
    fitLineNumberWidth();

    for (QObject *o : std::initializer_list<QObject *>{Memo1, Memo1->viewport(), MemoLineNumber->viewport(), this})
        EventWatcher::watch(o, &m_receiver, [this](QObject *w, QEvent *e) { return viewEvent(w, e); });

    connect(Memo1, &TMemoExDark::vScrolled, &m_receiver, [this] { syncLineNumbers(); });
    connect(Memo1, &TMemoExDark::lineCountChanged, &m_receiver, [this] { refreshLineCountPanel(); });
    connect(Timers[6], &QTimer::timeout, this, &TFormMain::syncLineNumbers);
    connect(Timers[7], &QTimer::timeout, this, [this] {
        showMessage(MainMessages::resizeLocked(ResizeLineLimit));
    });
    connect(Timers[11], &QTimer::timeout, this, [this] { BoolLineNumberDoubleClick = false; });
    for (StatusPanels *bar : {StatusBarTop, StatusBarBottom}) {
        connect(bar, &StatusPanels::pressed, &m_receiver, [this](int x) { m_statusPressX = x; });
        connect(bar, &StatusPanels::clicked, &m_receiver, [this] { statusBarClicked(); });
    }
    showLineNumberView();
}

void TFormMain::setViewItemEnabled(CommandCode code, bool on)
{
    if (QAction *a = commandAction(code))
        a->setEnabled(on);
}

void TFormMain::setViewItemChecked(CommandCode code, bool on)
{
    if (QAction *a = commandAction(code))
        a->setChecked(on);
}

void TFormMain::syncViewCheckMarks()
{
    const bool marks[] = {m_settings.markCrLf, m_settings.markEof, m_settings.markTab, m_settings.markDbcs};
    const bool bars[] = {m_settings.statusBarTop, m_settings.statusBarBottom, m_settings.statusBarFormResize,
                         m_settings.showFileName};
    for (int i = 0; i < 4; ++i) {
        setViewItemChecked(markCodes[i], marks[i]);
        setViewItemChecked(statusBarCodes[i], bars[i]);
        if (m_settings.tabs[size_t(i)])
            setViewItemChecked(tabCodes[i], true);
    }
    setViewItemChecked(m_settings.wrapWindowWidth ? CommandCode(u"1402") : CommandCode(u"1401"), true);
}

// ---- status ------------------------------------------------------------------

void TFormMain::MemoStatus()
{
    if (!Memo1)
        return;
    // Line and column of the selection's start, both in display lines. The
    // column counts from the start of that same line, so a selection that
    // ends on a later line never yields a negative column.
    const int start = Memo1->selectionStart();
    const int line = Memo1->lineFromPosition(start);
    const int column = start - Memo1->lineStart(line) + 1;
    setPanel(1, BoolJapanese ? QStringLiteral("%1%2%3%4").arg(line + 1).arg(J(u"行,")).arg(column).arg(J(u"桁"))
                             : QStringLiteral("Row:%1 Col:%2").arg(line + 1).arg(column));
    refreshLineCountPanel();
}

void TFormMain::refreshLineCountPanel()
{
    int count = 0;
    if (Memo1 && Memo1->wrapMode() == TMemoExDark::WrapMode::WidgetWidth) {
        // Display lines; while the text is still being broken in the
        // background this is the count so far, refreshed when it is done.
        const int length = viewTextLength(Memo1);
        const bool endsWithLineEnd = length == 0 || viewTextRange(Memo1, length - 1, 1) == QLatin1String("\n");
        count = Memo1->lineCountSoFar() - (endsWithLineEnd ? 1 : 0);
    } else {
        count = StrListLoadFileTmp ? StrListLoadFileTmp->visibleLineCount() : 0;
    }
    setPanel(2, BoolJapanese ? QString::number(count) + J(u"行") : QStringLiteral("Row:") + QString::number(count));
    updateResizeLock();
}

void TFormMain::statusBarClicked()
{
    if (!m_settings.statusBarFormResize)
        return;
    const int width = StatusBarTop->isVisible() ? StatusBarTop->width() : StatusBarBottom->width();
    const int third = width / 3;
    if (m_statusPressX < third)
        showMinimized();
    else if (m_statusPressX < third * 2)
        showNormal();
    else
        showMaximized();
}

void TFormMain::toggleStatusBarItem(int index)
{
    bool *const flags[] = {&m_settings.statusBarTop, &m_settings.statusBarBottom, &m_settings.statusBarFormResize,
                           &m_settings.showFileName};
    const MainKey keys[] = {MainKey::StatusBarTop, MainKey::StatusBarBottom, MainKey::StatusBarFormResize,
                            MainKey::ShowFileName};
    bool *flag = flags[index];
    *flag = !*flag;
    setViewItemChecked(statusBarCodes[index], *flag);
    if (index == 0)
        StatusBarTop->setVisible(*flag);
    else if (index == 1)
        StatusBarBottom->setVisible(*flag);
    else if (index == 3)
        refreshPanel0();
    m_settings.save(m_ini, keys[index]);
}

// ---- text-view events --------------------------------------------------------

void TFormMain::textViewClicked()
{
    if (m_menus)
        m_menus->setMenuBarState(MenuBarState::Normal);
    MemoStatus();
    leaveLineNumberSelection();
}

void TFormMain::textViewDoubleClicked()
{
    // Back to where the button went down, then the word there.
    Memo1->setCaretPosition(IntLastMousePos);
    if (isRegistered(u"1212")) {
        runCommand(u"1212");
    } else {
        const int line = Memo1->lineFromPosition(IntLastMousePos);
        const int start = Memo1->lineStart(line);
        const QString text = viewLineText(Memo1, line);
        const auto span = TextViewGeometry::wordAt(text, IntLastMousePos - start);
        Memo1->select(start + span.start, start + span.start + span.length);
    }
    if (Memo1->hasSelection())
        ComboBoxSearch->setEditText(Memo1->selectedText());
    MemoStatus();
}

void TFormMain::selectionToSearchBar()
{
    // While the find dialog is up it keeps its own word.
    if ((FormFind && FormFind->isVisible()) || !PanelSearch->isVisible() || !Memo1->hasSelection())
        return;
    QString text = Memo1->selectedText();
    const qsizetype cr = text.indexOf(QLatin1Char('\r'));
    if (cr >= 0)
        text.truncate(cr);
    ComboBoxSearch->setEditText(text);
}

// ---- marks and tabs ----------------------------------------------------------

void TFormMain::toggleMark(int i)
{
    bool *flags[] = {&m_settings.markCrLf, &m_settings.markEof, &m_settings.markTab, &m_settings.markDbcs};
    bool &flag = *flags[i];
    flag = !flag;
    setViewItemChecked(markCodes[i], flag);
    TEditMarks *em = Memo1->EditMarks();
    TEditMark *marks[] = {em->CrlfMark(), em->EofMark(), em->TabMark(), em->SpaceMark()};
    marks[i]->setEnabled(flag);
}

void TFormMain::setTabWidthItem(int index)
{
    const int current = int(std::find(m_settings.tabs.begin(), m_settings.tabs.end(), true) - m_settings.tabs.begin());
    if (index == current) {
        if (current < 4)
            setViewItemChecked(tabCodes[current], true);
        return;
    }
    m_settings.tabs.fill(false);
    m_settings.tabs[size_t(index)] = true;
    setViewItemChecked(tabCodes[index], true);
    TabStops = (index + 1) * 8; // dialog units: 4 are one average character
    Memo1->setTabStopDialogUnits(TabStops);
}

// ---- wrapping ----------------------------------------------------------------

void TFormMain::setWrap(bool wrapAtWidth)
{
    if (m_settings.wrapWindowWidth == wrapAtWidth) {
        setViewItemChecked(wrapAtWidth ? CommandCode(u"1402") : CommandCode(u"1401"), true);
        return;
    }
    m_settings.wrapWindowWidth = wrapAtWidth;
    m_settings.wrapNone = !wrapAtWidth;
    setViewItemChecked(wrapAtWidth ? CommandCode(u"1402") : CommandCode(u"1401"), true);
    setViewItemEnabled(u"1401", wrapAtWidth);
    setViewItemEnabled(u"1402", !wrapAtWidth);
    setViewItemEnabled(u"1403", !wrapAtWidth);
    if (isRegistered(u"1404"))
        setViewItemEnabled(u"1404", !wrapAtWidth && m_settings.showLineNumber);
    m_settings.save(m_ini, MainKey::WrapNone);
    m_settings.save(m_ini, MainKey::WrapWindowWidth);
    Memo1->setWrapMode(wrapAtWidth ? TMemoExDark::WrapMode::WidgetWidth : TMemoExDark::WrapMode::NoWrap);
    showLineNumberView();
    if (wrapAtWidth)
        leaveLineNumberSelection();
    LoadFileSecondTime();
    MemoStatus();
}

void TFormMain::updateResizeLock()
{
    const bool lock = Memo1->wrapMode() == TMemoExDark::WrapMode::WidgetWidth
                      && Memo1->lineCountSoFar() > ResizeLineLimit;
    if (lock == m_resizeLocked)
        return;
    m_resizeLocked = lock;
    if (lock) {
        // X11 has no way to refuse a frame's resize after the fact, so the
        // window tells the frame its size is fixed while this holds.
        m_lockedSize = size();
        setFixedSize(m_lockedSize);
    } else {
        setMinimumSize(780, 240);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

// ---- line numbers ------------------------------------------------------------

void TFormMain::numberLines()
{
    m_settings.reload(m_ini, MainKey::LineZero);
    const int lineZero = m_settings.lineZero;
    const int lines = StrListLoadFileTmp ? StrListLoadFileTmp->visibleLineCount() : 0;
    MemoLineNumber->setSource(std::make_shared<const LineNumberSource>(LineNumberText::countFor(lines), lineZero));
    fitLineNumberWidth();
    IntTopLineMemo = -1;
    syncLineNumbers();
}

// "LineWidth" is the least width: a larger font or a seven-digit number
// widens the column rather than cutting its numbers.
void TFormMain::fitLineNumberWidth()
{
    MemoLineNumber->setFixedWidth(std::max({8, m_settings.lineWidth, MemoLineNumber->widthForLongestLine()}));
}

void TFormMain::showLineNumberView()
{
    const bool show = m_settings.showLineNumber && !m_settings.wrapWindowWidth;
    if (isRegistered(u"1404"))
        setViewItemEnabled(u"1404", show);
    if (show) {
        numberLines();
        MemoLineNumber->show();
        Timers[6]->start();
        syncLineNumbers();
    } else {
        MemoLineNumber->hide();
        Timers[6]->stop();
    }
}

void TFormMain::syncLineNumbers()
{
    if (!MemoLineNumber->isVisible())
        return;
    // Same text area height as the text view, whose horizontal scroll bar
    // may take a strip at the bottom: then both scroll to the same last line.
    QMargins m = MemoLineNumber->textMargins();
    const int extra = MemoLineNumber->viewport()->height() - Memo1->viewport()->height();
    const int bottom = Memo1->textMargins().bottom() + std::max(0, extra);
    if (m.bottom() != bottom) {
        m.setBottom(bottom);
        MemoLineNumber->setTextMargins(m);
    }
    const int top = Memo1->firstVisibleLine();
    if (top != IntTopLineMemo || MemoLineNumber->firstVisibleLine() != top) {
        MemoLineNumber->scrollLines(top - MemoLineNumber->firstVisibleLine());
        IntTopLineMemo = top;
    }
}

void TFormMain::afterTextLoaded()
{
    leaveLineNumberSelection();
    StrListSelectNumber.clear();
    if (MemoLineNumber->isVisible() || (m_settings.showLineNumber && !m_settings.wrapWindowWidth))
        numberLines();
}

void TFormMain::enterLineNumberSelection()
{
    BoolLineNumberSelect = true;
    setPanel(3, QStringLiteral("SelectNumberMode"));
}

void TFormMain::lineNumberClicked(Qt::KeyboardModifiers modifiers)
{
    if (BoolLineNumberDoubleClick)
        return;
    const int clicked = MemoLineNumber->lineFromPosition(MemoLineNumber->caretPosition());
    const bool extend = (modifiers & Qt::ShiftModifier) != 0;
    const LineNumberSelection s = LineNumberSelection::click(clicked, Memo1->lineCount(), IntLineNumberAnchor, extend);
    IntLineNumberEnd = s.line;
    if (!m_settings.selectLine) {
        Memo1->setCaretPosition(Memo1->lineStart(s.line));
    } else {
        IntLineNumberAnchor = s.anchor;
        if (extend)
            MemoLineNumber->setCaretPosition(MemoLineNumber->caretPosition());
        IntSelectStart = Memo1->lineStart(s.top);
        if (!s.withLineEnd)
            IntSelectEnd = IntSelectStart + Memo1->lineLength(s.bottom);
        else
            IntSelectEnd = s.bottom + 1 < Memo1->lineCount() ? Memo1->lineStart(s.bottom + 1) : viewTextLength(Memo1);
        if (s.caretAtTop)
            Memo1->select(IntSelectEnd, IntSelectStart);
        else
            Memo1->select(IntSelectStart, IntSelectEnd);
        StrListSelectNumber.clear();
        for (int l = s.top; l <= s.bottom; ++l)
            StrListSelectNumber.append(StrListLoadFileTmp ? StrListLoadFileTmp->line(l).toString() : QString());
        enterLineNumberSelection();
    }
    Memo1->setFocus();
    MemoStatus();
}

// ---- fonts and colours -------------------------------------------------------

void TFormMain::chooseTextFont()
{
    if (m_settings.sameAsHarbekan)
        return;
    QFont font;
    QColor color;
    if (!MessageService::dialogs().chooseFont(this, Memo1->font(), Memo1->textColor(), &font, &color))
        return;
    for (TMemoExDark *view : {Memo1, MemoLineNumber}) {
        view->setFont(font);
        view->setTextColor(color);
    }
    fitLineNumberWidth();
    m_settings.textFont.name = font.family();
    const int size = font.pointSize() > 0 ? font.pointSize() : m_settings.textFont.pointSize();
    m_settings.textFont.size = QString::number(size);
    m_settings.textFont.color = rgbToColor(color.rgb());
    for (MainKey key : {MainKey::FontNameReadOnly, MainKey::FontSizeReadOnly, MainKey::FontColorReadOnly})
        m_settings.save(m_ini, key);
    syncLineNumbers();
}

void TFormMain::chooseTextBackColor()
{
    if (m_settings.sameAsHarbekan)
        return;
    QColor color;
    if (!MessageService::dialogs().chooseColor(this, Memo1->backgroundColor(), &color))
        return;
    Memo1->setBackgroundColor(color);
    MemoLineNumber->setBackgroundColor(color);
    QPalette pal = PanelMain->palette();
    pal.setColor(QPalette::Window, color);
    PanelMain->setPalette(pal);
    m_settings.backColorReadOnly = rgbToColor(color.rgb());
    m_settings.save(m_ini, MainKey::BackColorReadOnly);
}

void TFormMain::chooseMarkColor()
{
    if (m_settings.sameAsHarbekan)
        return;
    QColor color;
    if (!MessageService::dialogs().chooseColor(this, Memo1->EditMarks()->CrlfMark()->color(), &color))
        return;
    Memo1->EditMarks()->setColor(color);
    m_settings.kigouColor = rgbToColor(color.rgb());
    m_settings.save(m_ini, MainKey::KigouColor);
}

} // namespace quillon
