#include "ViewController.h"

#include "TFormFind.h"
#include "TFormMain.h"

#include "ColorText.h"
#include "LineNumberSource.h"
#include "LineNumberSelection.h"
#include "MainMessages.h"
#include "LineNumberText.h"
#include "StatusPanels.h"
#include "TMemoExDark.h"
#include "EventWatcher.h"
#include "ViewText.h"
#include "WordFinder.h"
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

ViewController::ViewController(TFormMain &window)
    : m_w(window)
    , m_settings(window.settings())
    , m_ini(window.ini())
    , Memo1(window.textView())
    , MemoLineNumber(window.lineNumberView())
{
    IntSkinStyle = m_settings.skinStyle;
    FTextColorCarbon = m_settings.colorCarbon;
    FTextColorCharcoal = m_settings.colorCharcoal;
    FTextColorDark = m_settings.colorDark;
    // The filer's own settings decide the marks only when its file is beside us.
    if (m_settings.sameAsHarbekan) {
        IntSfiftRet = m_settings.harbekanShiftRet;
        IntShiftEof = m_settings.harbekanShiftEof;
        IntShiftTab = m_settings.harbekanShiftTab;
        IntShiftDbcs = m_settings.harbekanShiftDbcs;
    } else {
        IntSfiftRet = m_settings.shiftRet;
        IntShiftEof = m_settings.shiftEof;
        IntShiftTab = m_settings.shiftTab;
        IntShiftDbcs = m_settings.shiftDbcs;
    }
}

void ViewController::applySettingsToViews()
{
    QFont font(m_settings.textFont.name, m_settings.textFont.pointSize());
    for (TMemoExDark *view : {Memo1, MemoLineNumber}) {
        view->setFont(font);
        view->setTextColor(qcolor(m_settings.textFont.color));
        view->setBackgroundColor(qcolor(m_settings.backColorReadOnly));
        // Dark margins follow the theme.
        view->setDarkMode(IntSkinStyle != 0);
        const TColor dark = darkBackColor();
        view->setDarkBackColor(qcolor(dark));
    }
    Memo1->setShiftRet(IntSfiftRet);
    Memo1->setShiftEof(IntShiftEof);
    Memo1->setShiftTab(IntShiftTab);
    Memo1->setShiftDBCS(IntShiftDbcs);
    TabStops = m_settings.tabWidth() * 4;
    Memo1->setTabStopDialogUnits(TabStops);
}

// The events of the text view, the line-number view and the window itself;
// only a double click in either view is taken.
bool ViewController::viewEvent(QObject *watched, QEvent *e)
{
    const QEvent::Type type = e->type();
    if (watched == Memo1->viewport()) {
        switch (type) {
        case QEvent::MouseButtonPress:
            m_pressedInText = true;
            // The view moves its caret first; the position is taken after.
            QTimer::singleShot(0, this, [this] {
                IntLastMousePos = Memo1->caretPosition();
                m_w.MemoStatus();
            });
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton && m_pressedInText) {
                m_pressedInText = false;
                QTimer::singleShot(0, this, [this] {
                    IntLastMousePos = Memo1->caretPosition();
                    textViewClicked();
                });
            }
            break;
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton) {
                m_pressedInText = false;
                textViewDoubleClicked();
                return true;
            }
            break;
        case QEvent::MouseMove:
            if (m_pressedInText && (static_cast<QMouseEvent *>(e)->buttons() & Qt::LeftButton))
                QTimer::singleShot(0, this, [this] { selectionToSearchBar(); });
            break;
        default:
            break;
        }
        return false;
    }
    if (watched == Memo1) {
        if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
            const auto *k = static_cast<QKeyEvent *>(e);
            const bool onlyShift = (k->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier;
            QTimer::singleShot(0, this, [this, onlyShift, up = type == QEvent::KeyRelease] {
                if (onlyShift)
                    selectionToSearchBar();
                if (up) {
                    IntLastMousePos = Memo1->caretPosition();
                    m_w.MemoStatus();
                }
            });
        } else if (type == QEvent::Resize) {
            QTimer::singleShot(0, this, [this] { syncLineNumbers(); });
        }
        return false;
    }
    if (watched == MemoLineNumber->viewport()) {
        switch (type) {
        case QEvent::MouseButtonRelease: {
            const auto *m = static_cast<QMouseEvent *>(e);
            if (m->button() == Qt::LeftButton) {
                const Qt::KeyboardModifiers mods = m->modifiers();
                QTimer::singleShot(0, this, [this, mods] { lineNumberClicked(mods); });
            }
            break;
        }
        case QEvent::MouseButtonDblClick:
            BoolLineNumberDoubleClick = true;
            m_w.Timers[11]->start();
            return true;
        case QEvent::Wheel:
            // The numbers follow the text, never the other way round.
            QCoreApplication::sendEvent(Memo1->viewport(), e);
            return true;
        default:
            break;
        }
        return false;
    }
    if (watched == &m_w) {
        if (type == QEvent::Resize && m_resizeLocked && m_w.size() != m_lockedSize) {
            // A frame that ignores the fixed size still gets its way for a
            // moment: put the size back and say why once per attempt.
            QTimer::singleShot(0, this, [this] {
                if (m_resizeLocked && !m_w.isMaximized())
                    m_w.resize(m_lockedSize);
            });
            m_w.Timers[7]->start();
        } else if (type == QEvent::WindowStateChange && m_resizeLocked && m_w.isMaximized()) {
            QTimer::singleShot(0, this, [this] {
                m_w.showNormal();
                m_w.resize(m_lockedSize);
            });
            m_w.Timers[7]->start();
        }
    }
    return false;
}

void ViewController::registerCommands()
{
    constexpr auto textOnly = TFormMain::WhileDump::StandsStill;
    m_w.registerCommand(u"1401", [this] { setWrap(false); }, textOnly);
    m_w.registerCommand(u"1402", [this] { setWrap(true); }, textOnly);
    m_w.registerCommand(u"1403", [this] {
        m_settings.showLineNumber = !m_settings.showLineNumber;
        setItemChecked(u"1403", m_settings.showLineNumber);
        showLineNumberView();
    });
    m_w.registerCommand(u"1405", [this] {
        m_settings.selectLine = !m_settings.selectLine;
        setItemChecked(u"1405", m_settings.selectLine);
        if (!m_settings.selectLine)
            Memo1->setCaretPosition(Memo1->caretPosition());
    });
    for (int i = 0; i < 4; ++i) {
        m_w.registerCommand(markCodes[i], [this, i] { toggleMark(i); }, textOnly);
        m_w.registerCommand(tabCodes[i], [this, i] { setTabWidthItem(i); }, textOnly);
        m_w.registerCommand(statusBarCodes[i], [this, i] { toggleStatusBarItem(i); }, textOnly);
    }
    m_w.registerCommand(u"1501", [this] { chooseTextFont(); }, textOnly);
    m_w.registerCommand(u"1502", [this] { chooseTextBackColor(); }, textOnly);
    m_w.registerCommand(u"1503", [this] { chooseMarkColor(); }, textOnly);

    // The filer's appearance decides the colours while it is followed.
    for (CommandCode code : {CommandCode(u"1501"), CommandCode(u"1502"), CommandCode(u"1503")})
        setItemEnabled(code, !m_settings.sameAsHarbekan);

    // Check marks and view state as the settings left them.
    if (std::none_of(m_settings.tabs.begin(), m_settings.tabs.end(), [](bool b) { return b; }))
        m_settings.tabs[1] = true;
    syncCheckMarks();
    TEditMarks *em = Memo1->EditMarks();
    em->CrlfMark()->setEnabled(m_settings.markCrLf);
    em->EofMark()->setEnabled(m_settings.markEof);
    em->TabMark()->setEnabled(m_settings.markTab);
    em->SpaceMark()->setEnabled(m_settings.markDbcs);
    em->setColor(qcolor(m_settings.kigouColor));
    setItemChecked(u"1403", m_settings.showLineNumber);
    setItemChecked(u"1405", m_settings.selectLine);

    const bool wrap = m_settings.wrapWindowWidth;
    m_settings.wrapNone = !wrap;
    Memo1->setWrapMode(wrap ? TMemoExDark::WrapMode::WidgetWidth : TMemoExDark::WrapMode::NoWrap);
    setItemEnabled(u"1401", wrap);
    setItemEnabled(u"1402", !wrap);
    setItemEnabled(u"1403", !wrap);

    // The line-number view: no scroll bars of its own, no focus, no marks.
    MemoLineNumber->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoLineNumber->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoLineNumber->setFocusPolicy(Qt::NoFocus);
    MemoLineNumber->viewport()->setCursor(Qt::ArrowCursor);
    fitLineNumberWidth();

    for (QObject *o : std::initializer_list<QObject *>{Memo1, Memo1->viewport(), MemoLineNumber->viewport(), &m_w})
        EventWatcher::watch(o, m_w.signalContext(), [this](QObject *w, QEvent *e) { return viewEvent(w, e); });

    connect(Memo1, &TMemoExDark::vScrolled, m_w.signalContext(), [this] { syncLineNumbers(); });
    connect(Memo1, &TMemoExDark::lineCountChanged, m_w.signalContext(), [this] { m_w.refreshLineCountPanel(); });
    connect(m_w.Timers[6], &QTimer::timeout, this, [this] { syncLineNumbers(); });
    connect(m_w.Timers[7], &QTimer::timeout, this, [this] {
        m_w.showMessage(MainMessages::resizeLocked(ResizeLineLimit));
    });
    connect(m_w.Timers[11], &QTimer::timeout, this, [this] { BoolLineNumberDoubleClick = false; });
    for (StatusPanels *bar : {m_w.upperStatus(), m_w.lowerStatus()}) {
        connect(bar, &StatusPanels::pressed, m_w.signalContext(), [this](int x) { m_statusPressX = x; });
        connect(bar, &StatusPanels::clicked, m_w.signalContext(), [this] { statusBarClicked(); });
    }
    showLineNumberView();
}

void ViewController::setItemEnabled(CommandCode code, bool on)
{
    if (QAction *a = m_w.commandAction(code))
        a->setEnabled(on);
}

void ViewController::setItemChecked(CommandCode code, bool on)
{
    if (QAction *a = m_w.commandAction(code))
        a->setChecked(on);
}

void ViewController::syncCheckMarks()
{
    const bool marks[] = {m_settings.markCrLf, m_settings.markEof, m_settings.markTab, m_settings.markDbcs};
    const bool bars[] = {m_settings.statusBarTop, m_settings.statusBarBottom, m_settings.statusBarFormResize,
                         m_settings.showFileName};
    for (int i = 0; i < 4; ++i) {
        setItemChecked(markCodes[i], marks[i]);
        setItemChecked(statusBarCodes[i], bars[i]);
        if (m_settings.tabs[size_t(i)])
            setItemChecked(tabCodes[i], true);
    }
    setItemChecked(m_settings.wrapWindowWidth ? CommandCode(u"1402") : CommandCode(u"1401"), true);
}

void ViewController::statusBarClicked()
{
    if (!m_settings.statusBarFormResize)
        return;
    const int width = m_w.upperStatus()->isVisible() ? m_w.upperStatus()->width() : m_w.lowerStatus()->width();
    const int third = width / 3;
    if (m_statusPressX < third)
        m_w.showMinimized();
    else if (m_statusPressX < third * 2)
        m_w.showNormal();
    else
        m_w.showMaximized();
}

void ViewController::toggleStatusBarItem(int index)
{
    bool *const flags[] = {&m_settings.statusBarTop, &m_settings.statusBarBottom, &m_settings.statusBarFormResize,
                           &m_settings.showFileName};
    const MainKey keys[] = {MainKey::StatusBarTop, MainKey::StatusBarBottom, MainKey::StatusBarFormResize,
                            MainKey::ShowFileName};
    bool *flag = flags[index];
    *flag = !*flag;
    setItemChecked(statusBarCodes[index], *flag);
    if (index == 0)
        m_w.upperStatus()->setVisible(*flag);
    else if (index == 1)
        m_w.lowerStatus()->setVisible(*flag);
    else if (index == 3)
        m_w.refreshPanel0();
    m_settings.save(m_ini, keys[index]);
}

// ---- text-view events --------------------------------------------------------

void ViewController::textViewClicked()
{
    m_w.menus().setMenuBarState(MenuBarState::Normal);
    m_w.MemoStatus();
    leaveLineNumberSelection();
}

void ViewController::textViewDoubleClicked()
{
    // Back to where the button went down, then the word there.
    Memo1->setCaretPosition(IntLastMousePos);
    if (m_w.isRegistered(u"1212")) {
        m_w.runCommand(u"1212");
    } else {
        const int line = Memo1->lineFromPosition(IntLastMousePos);
        const int start = Memo1->lineStart(line);
        const QString text = viewLineText(Memo1, line);
        const auto span = WordFinder::runAt(text, IntLastMousePos - start);
        Memo1->select(start + span.start, start + span.start + span.length);
    }
    if (Memo1->hasSelection())
        m_w.searchCombo()->setEditText(Memo1->selectedText());
    m_w.MemoStatus();
}

void ViewController::selectionToSearchBar()
{
    // While the find dialog is up it keeps its own word.
    const TFormFind *find = m_w.findDialog();
    if ((find && find->isVisible()) || !m_w.searchPanel()->isVisible() || !Memo1->hasSelection())
        return;
    QString text = Memo1->selectedText();
    const qsizetype cr = text.indexOf(QLatin1Char('\r'));
    if (cr >= 0)
        text.truncate(cr);
    m_w.searchCombo()->setEditText(text);
}

// ---- marks and tabs ----------------------------------------------------------

void ViewController::toggleMark(int i)
{
    bool *flags[] = {&m_settings.markCrLf, &m_settings.markEof, &m_settings.markTab, &m_settings.markDbcs};
    bool &flag = *flags[i];
    flag = !flag;
    setItemChecked(markCodes[i], flag);
    TEditMarks *em = Memo1->EditMarks();
    TEditMark *marks[] = {em->CrlfMark(), em->EofMark(), em->TabMark(), em->SpaceMark()};
    marks[i]->setEnabled(flag);
}

void ViewController::setTabWidthItem(int index)
{
    const int current = int(std::find(m_settings.tabs.begin(), m_settings.tabs.end(), true) - m_settings.tabs.begin());
    if (index == current) {
        if (current < 4)
            setItemChecked(tabCodes[current], true);
        return;
    }
    m_settings.tabs.fill(false);
    m_settings.tabs[size_t(index)] = true;
    setItemChecked(tabCodes[index], true);
    TabStops = (index + 1) * 8; // dialog units: 4 are one average character
    Memo1->setTabStopDialogUnits(TabStops);
}

// ---- wrapping ----------------------------------------------------------------

void ViewController::setWrap(bool wrapAtWidth)
{
    if (m_settings.wrapWindowWidth == wrapAtWidth) {
        setItemChecked(wrapAtWidth ? CommandCode(u"1402") : CommandCode(u"1401"), true);
        return;
    }
    m_settings.wrapWindowWidth = wrapAtWidth;
    m_settings.wrapNone = !wrapAtWidth;
    setItemChecked(wrapAtWidth ? CommandCode(u"1402") : CommandCode(u"1401"), true);
    setItemEnabled(u"1401", wrapAtWidth);
    setItemEnabled(u"1402", !wrapAtWidth);
    setItemEnabled(u"1403", !wrapAtWidth);
    if (m_w.isRegistered(u"1404"))
        setItemEnabled(u"1404", !wrapAtWidth && m_settings.showLineNumber);
    m_settings.save(m_ini, MainKey::WrapNone);
    m_settings.save(m_ini, MainKey::WrapWindowWidth);
    Memo1->setWrapMode(wrapAtWidth ? TMemoExDark::WrapMode::WidgetWidth : TMemoExDark::WrapMode::NoWrap);
    showLineNumberView();
    if (wrapAtWidth)
        leaveLineNumberSelection();
    m_w.LoadFileSecondTime();
    m_w.MemoStatus();
}

void ViewController::updateResizeLock()
{
    const bool lock = Memo1->wrapMode() == TMemoExDark::WrapMode::WidgetWidth
                      && Memo1->lineCountSoFar() > ResizeLineLimit;
    if (lock == m_resizeLocked)
        return;
    m_resizeLocked = lock;
    if (lock) {
        // X11 has no way to refuse a frame's resize after the fact, so the
        // window tells the frame its size is fixed while this holds.
        m_lockedSize = m_w.size();
        m_w.setFixedSize(m_lockedSize);
    } else {
        m_w.setMinimumSize(780, 240);
        m_w.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

// ---- line numbers ------------------------------------------------------------

void ViewController::numberLines()
{
    m_settings.reload(m_ini, MainKey::LineZero);
    const int lineZero = m_settings.lineZero;
    const int lines = m_w.shownLineCount();
    MemoLineNumber->setSource(std::make_shared<const LineNumberSource>(LineNumberText::countFor(lines), lineZero));
    fitLineNumberWidth();
    IntTopLineMemo = -1;
    syncLineNumbers();
}

// "LineWidth" is the least width: a larger font or a seven-digit number
// widens the column rather than cutting its numbers.
void ViewController::fitLineNumberWidth()
{
    MemoLineNumber->setFixedWidth(std::max({8, m_settings.lineWidth, MemoLineNumber->widthForLongestLine()}));
}

void ViewController::lineSettingChanged()
{
    m_settings.reload(m_ini, MainKey::LineWidth);
    m_settings.reload(m_ini, MainKey::LineZero);
    fitLineNumberWidth();
}

void ViewController::reloadMarkShifts()
{
    const bool harbekan = m_settings.sameAsHarbekan;
    static constexpr MainKey harbekanKeys[] = {MainKey::HarbekanShiftRet, MainKey::HarbekanShiftEof,
                                               MainKey::HarbekanShiftTab, MainKey::HarbekanShiftDbcs};
    static constexpr MainKey editorKeys[] = {MainKey::ShiftRet, MainKey::ShiftEof, MainKey::ShiftTab,
                                             MainKey::ShiftDbcs};
    for (MainKey key : harbekan ? harbekanKeys : editorKeys)
        m_settings.reload(m_ini, key);
    IntSfiftRet = harbekan ? m_settings.harbekanShiftRet : m_settings.shiftRet;
    IntShiftEof = harbekan ? m_settings.harbekanShiftEof : m_settings.shiftEof;
    IntShiftTab = harbekan ? m_settings.harbekanShiftTab : m_settings.shiftTab;
    IntShiftDbcs = harbekan ? m_settings.harbekanShiftDbcs : m_settings.shiftDbcs;
    Memo1->setShiftRet(IntSfiftRet);
    Memo1->setShiftEof(IntShiftEof);
    Memo1->setShiftTab(IntShiftTab);
    Memo1->setShiftDBCS(IntShiftDbcs);
}

void ViewController::showLineNumberView()
{
    const bool show = m_settings.showLineNumber && !m_settings.wrapWindowWidth;
    if (m_w.isRegistered(u"1404"))
        setItemEnabled(u"1404", show);
    if (show) {
        numberLines();
        MemoLineNumber->show();
        m_w.Timers[6]->start();
        syncLineNumbers();
    } else {
        MemoLineNumber->hide();
        m_w.Timers[6]->stop();
    }
}

void ViewController::syncLineNumbers()
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

void ViewController::afterTextLoaded()
{
    leaveLineNumberSelection();
    StrListSelectNumber.clear();
    if (MemoLineNumber->isVisible() || (m_settings.showLineNumber && !m_settings.wrapWindowWidth))
        numberLines();
}

void ViewController::textGrew()
{
    if (MemoLineNumber->isVisible())
        numberLines();
}

void ViewController::leaveLineNumberSelection()
{
    BoolLineNumberSelect = false;
    m_w.refreshReadOnlyPanel();
}

void ViewController::enterLineNumberSelection()
{
    BoolLineNumberSelect = true;
    m_w.setPanel(3, QStringLiteral("SelectNumberMode"));
}

void ViewController::lineNumberClicked(Qt::KeyboardModifiers modifiers)
{
    if (BoolLineNumberDoubleClick)
        return;
    const int clicked = MemoLineNumber->lineFromPosition(MemoLineNumber->caretPosition());
    const bool extend = (modifiers & Qt::ShiftModifier) != 0;
    const LineNumberSelection s = LineNumberSelection::click(clicked, Memo1->lineCount(), IntLineNumberAnchor, extend);
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
            StrListSelectNumber.append(m_w.StrListLoadFileTmp ? m_w.StrListLoadFileTmp->line(l).toString() : QString());
        enterLineNumberSelection();
    }
    Memo1->setFocus();
    m_w.MemoStatus();
}

// ---- fonts and colours -------------------------------------------------------

void ViewController::chooseTextFont()
{
    if (m_settings.sameAsHarbekan)
        return;
    QFont font;
    QColor color;
    if (!MessageService::dialogs().chooseFont(&m_w, Memo1->font(), Memo1->textColor(), &font, &color))
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

void ViewController::chooseTextBackColor()
{
    if (m_settings.sameAsHarbekan)
        return;
    QColor color;
    if (!MessageService::dialogs().chooseColor(&m_w, Memo1->backgroundColor(), &color))
        return;
    Memo1->setBackgroundColor(color);
    MemoLineNumber->setBackgroundColor(color);
    QPalette pal = m_w.mainPanel()->palette();
    pal.setColor(QPalette::Window, color);
    m_w.mainPanel()->setPalette(pal);
    m_settings.backColorReadOnly = rgbToColor(color.rgb());
    m_settings.save(m_ini, MainKey::BackColorReadOnly);
}

void ViewController::chooseMarkColor()
{
    if (m_settings.sameAsHarbekan)
        return;
    QColor color;
    if (!MessageService::dialogs().chooseColor(&m_w, Memo1->EditMarks()->CrlfMark()->color(), &color))
        return;
    Memo1->EditMarks()->setColor(color);
    m_settings.kigouColor = rgbToColor(color.rgb());
    m_settings.save(m_ini, MainKey::KigouColor);
}

} // namespace quillon
