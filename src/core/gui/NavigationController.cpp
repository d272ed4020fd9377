#include "NavigationController.h"

#include "EventWatcher.h"
#include "LanguageController.h"
#include "MainSettings.h"
#include "TFormMain.h"
#include "ViewController.h"

#include "BinaryController.h"

#include "Navigator.h"
#include "TFormJump.h"
#include "TFormPageSetting.h"
#include "TMemoExDark.h"
#include "ViewText.h"
#include "WordFinder.h"
#include "MainMenuBuilder.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

namespace quillon {

namespace {

// Line counts as the view shows them: display lines while wrapping.
Navigator::Lines viewLines(const TMemoExDark *view)
{
    const int count = view->lineCount();
    return {count, view->lineLength(count - 1)};
}

bool viewIsEmpty(const TMemoExDark *view)
{
    return viewTextLength(view) == 0;
}

} // namespace

NavigationController::NavigationController(TFormMain &window)
    : m_w(window)
    , m_settings(window.settings())
    , m_ini(window.ini())
    , Memo1(window.textView())
{
    for (int i = 1; i <= 100; ++i)
        StrListScrollVale.append(QString::number(i));
    readScrollAmounts();
}

void NavigationController::readScrollAmounts()
{
    auto scrollValue = [this](int index) { return StrListScrollVale.value(index, QStringLiteral("1")).toInt(); };
    IntScroll3 = scrollValue(m_settings.scrollPlusPlusPlusIndex);
    IntScroll2 = scrollValue(m_settings.scrollPlusPlusIndex);
    IntScroll1 = scrollValue(m_settings.scrollPlusIndex);
}

void NavigationController::registerCommands()
{
    constexpr auto textOnly = TFormMain::WhileDump::StandsStill;
    auto reg = [this](CommandCode code, std::function<void()> fn) { m_w.registerCommand(code, std::move(fn), textOnly); };
    // The scroll commands move the dump while it is shown.
    auto scroll = [this](CommandCode code, std::function<void()> fn) { m_w.registerCommand(code, std::move(fn)); };
    scroll(u"1231", [this] { documentEdgeCommand(false); });
    scroll(u"1261", [this] { documentEdgeCommand(false); });
    scroll(u"1232", [this] { pageCommand(IntScroll3, false); });
    scroll(u"1233", [this] { pageCommand(IntScroll2, false); });
    scroll(u"1262", [this] { pageCommand(IntScroll2, false); });
    scroll(u"1234", [this] { pageCommand(IntScroll1, false); });
    scroll(u"1263", [this] { pageCommand(IntScroll1, false); });
    scroll(u"1235", [this] { pageCommand(IntScroll1, true); });
    scroll(u"1264", [this] { pageCommand(IntScroll1, true); });
    scroll(u"1236", [this] { pageCommand(IntScroll2, true); });
    scroll(u"1265", [this] { pageCommand(IntScroll2, true); });
    scroll(u"1237", [this] { pageCommand(IntScroll3, true); });
    scroll(u"1238", [this] { documentEdgeCommand(true); });
    scroll(u"1266", [this] { documentEdgeCommand(true); });
    reg(u"1241", [this] { lineEdgeCommand(false); });
    reg(u"1242", [this] { lineEdgeCommand(true); });
    reg(u"1201", [this] { copySelection(false); });
    reg(u"1202", [this] { copySelection(true); });
    reg(u"1203", [this] { selectAllCommand(); });
    reg(u"1211", [this] { copyOneLine(); });
    reg(u"1212", [this] { selectWordCommand(); });
    reg(u"1221", [this] { openJumpDialog(); });
    // The cursor commands move the caret in the text view even over the dump.
    m_w.registerCommand(u"1271", [this] { cursorKeyCommand(Qt::Key_Right); });
    m_w.registerCommand(u"1272", [this] { cursorKeyCommand(Qt::Key_Left); });
    m_w.registerCommand(u"1273", [this] { cursorKeyCommand(Qt::Key_PageUp); });
    m_w.registerCommand(u"1274", [this] { cursorKeyCommand(Qt::Key_Up); });
    m_w.registerCommand(u"1275", [this] { cursorKeyCommand(Qt::Key_Down); });
    m_w.registerCommand(u"1276", [this] { cursorKeyCommand(Qt::Key_PageDown); });
    m_w.registerCommand(u"1711", [this] { openPageSettingDialog(); });

    // The text view's popup runs the same commands as the Edit menu.
    struct PopupItem {
        const char *name;
        CommandCode code;
    };
    const PopupItem popupItems[] = {
        {"PopupCopy", u"1201"}, {"PopupAddCopy", u"1202"}, {"PopupSelectAll", u"1203"}, {"PopupCopyOneLine", u"1211"}};
    for (const auto &[name, code] : popupItems) {
        if (QAction *a = m_w.menus().actionByName(QString::fromLatin1(name)))
            connect(a, &QAction::triggered, m_w.signalContext(), [this, code] { m_w.runCommand(code); });
    }
    // The popup's keys (Shift+C, Ctrl+Alt+C ...) work in the text view, not
    // only while the popup is open. A key the menus hold never gets here: it
    // was taken as their shortcut first.
    EventWatcher::watch(Memo1, m_w.signalContext(), [this, popupItems](QObject *, QEvent *e) {
        if (e->type() != QEvent::KeyPress)
            return false;
        const QKeySequence pressed(static_cast<QKeyEvent *>(e)->keyCombination());
        for (const auto &[name, code] : popupItems) {
            const QAction *a = m_w.menus().actionByName(QString::fromLatin1(name));
            if (a && a->shortcut() == pressed) {
                m_w.runCommand(code);
                return true;
            }
        }
        return false;
    });
    connect(m_w.menus().popupMenu(), &QMenu::aboutToShow, m_w.signalContext(), [this] { updatePopupMenu(); });
    updatePopupMenu();
}

int NavigationController::caretLine() const
{
    return Memo1->lineFromPosition(Memo1->selectionStart());
}

// The scroll commands move the dump while it is shown, without status.
TMemoExDark *NavigationController::scrolledView() const
{
    return m_w.binary().shown() ? m_w.binary().dump() : Memo1;
}

void NavigationController::scrollAndPlaceCaret(int scrollBy, int targetLine)
{
    TMemoExDark *view = scrolledView();
    view->scrollLines(scrollBy);
    view->setCaretPosition(std::max<TextPos>(0, view->lineStart(targetLine)));
    // Normally a no-op: the view moved with the caret. A caret that was out
    // of sight before is brought back.
    view->ensureCaretVisible();
    view->setFocus();
    if (view != Memo1)
        return;
    m_w.view().leaveLineNumberSelection();
    m_w.MemoStatus();
}

void NavigationController::pageCommand(int amount, bool down)
{
    TMemoExDark *view = scrolledView();
    const int a = view->lineFromPosition(view->selectionStart());
    const Navigator::Move m = down ? Navigator::pageDown(a, amount, viewLines(view)) : Navigator::pageUp(a, amount);
    scrollAndPlaceCaret(m.scrollBy, m.targetLine);
}

void NavigationController::documentEdgeCommand(bool end)
{
    TMemoExDark *view = scrolledView();
    const int a = view->lineFromPosition(view->selectionStart());
    const Navigator::Move m = end ? Navigator::documentEnd(a, viewLines(view)) : Navigator::documentTop(a);
    scrollAndPlaceCaret(m.scrollBy, m.targetLine);
}

void NavigationController::lineEdgeCommand(bool end)
{
    const int line = caretLine();
    const int start = Memo1->lineStart(line);
    Memo1->setCaretPosition(end ? start + Memo1->lineLength(line) : start);
    Memo1->ensureCaretVisible();
    m_w.view().leaveLineNumberSelection();
    m_w.MemoStatus();
}

void NavigationController::cursorKeyCommand(int key)
{
    using K = Navigator::CursorKey;
    K which = K::Right;
    switch (key) {
    case Qt::Key_Left: which = K::Left; break;
    case Qt::Key_PageUp: which = K::PageUp; break;
    case Qt::Key_Up: which = K::Up; break;
    case Qt::Key_Down: which = K::Down; break;
    case Qt::Key_PageDown: which = K::PageDown; break;
    default: break;
    }
    if (!Navigator::cursorKeyAllowed(which, Memo1->selectionStart(), caretLine(), viewLines(Memo1)))
        return;
    // event() is called directly: sent through the application, a key press
    // that is not spontaneous is first tried as a shortcut, and the arrow and
    // page keys are the window's own scroll shortcuts.
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QObject *view = Memo1;
    view->event(&press);
    view->event(&release);
    m_w.view().leaveLineNumberSelection();
    m_w.MemoStatus();
}

void NavigationController::copySelection(bool append)
{
    if (!Memo1->hasSelection())
        return;
    QString text = m_w.view().BoolLineNumberSelect ? Navigator::joinedLines(m_w.view().StrListSelectNumber) : Memo1->selectedText();
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (append)
        text.prepend(clipboard->text());
    clipboard->setText(text);
}

void NavigationController::copyOneLine()
{
    if (viewIsEmpty(Memo1))
        return;
    QString text;
    if (m_w.view().BoolLineNumberSelect) {
        text = Navigator::joinedLines(m_w.view().StrListSelectNumber);
    } else {
        const int line = caretLine();
        text = viewLineText(Memo1, line);
    }
    // An empty line leaves the clipboard as it was rather than wiping it.
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void NavigationController::selectAllCommand()
{
    if (viewIsEmpty(Memo1))
        return;
    Memo1->selectAll();
    m_w.view().leaveLineNumberSelection();
    m_w.MemoStatus();
}

void NavigationController::selectWordCommand()
{
    if (viewIsEmpty(Memo1))
        return;
    const int line = caretLine();
    const int start = Memo1->lineStart(line);
    const QString text = viewLineText(Memo1, line);
    const auto span = WordFinder::betweenDelimiters(text, Memo1->selectionStart() - start, WordFinder::Before::WithinLimit);
    Memo1->setSelection(start + span.start, span.length);
    m_w.view().leaveLineNumberSelection();
    m_w.MemoStatus();
}

void NavigationController::openDialog(QDialog *dialog, const QString &languageFile,
                                      void (NavigationController::*accepted)())
{
    // Opened window-modal without a nested loop; the answer comes back through finished().
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_w.language().applyWindowLanguage(dialog, languageFile);
    connect(dialog, &QDialog::finished, m_w.signalContext(), [this, accepted](int result) {
        if (result == QDialog::Accepted)
            (this->*accepted)();
        Memo1->setFocus();
    });
    dialog->open();
}

void NavigationController::openJumpDialog()
{
    openDialog(new TFormJump(m_w.BoolJapanese, &m_w,
                             [this](const QString &japanese, const QString &english) {
                                 m_w.showMessage(japanese, english);
                             }),
               QStringLiteral("Jump.txt"), &NavigationController::applyJump);
}

void NavigationController::applyJump()
{
    m_settings.reload(m_ini, MainKey::Jump);
    const Navigator::Move m = Navigator::jump(caretLine(), m_settings.jump, viewLines(Memo1));
    scrollAndPlaceCaret(m.scrollBy, m.targetLine);
}

void NavigationController::openPageSettingDialog()
{
    openDialog(new TFormPageSetting(m_w.BoolJapanese, &m_w), QStringLiteral("PageSetting.txt"),
               &NavigationController::applyPageSetting);
}

void NavigationController::applyPageSetting()
{
    for (MainKey key : {MainKey::ScrollPlusPlusPlusIndex, MainKey::ScrollPlusPlusIndex, MainKey::ScrollPlusIndex})
        m_settings.reload(m_ini, key);
    readScrollAmounts();
}

void NavigationController::updatePopupMenu()
{
    const bool selection = Memo1->hasSelection();
    const bool empty = viewIsEmpty(Memo1);
    const bool allSelected = Memo1->selectionStart() == 0 && Memo1->selectionLength() == viewTextLength(Memo1);
    auto enable = [this](const char *name, bool on) {
        if (QAction *a = m_w.menus().actionByName(QString::fromLatin1(name)))
            a->setEnabled(on);
    };
    enable("PopupCopy", selection);
    enable("PopupAddCopy", selection);
    enable("PopupSelectAll", !empty && !allSelected);
    enable("PopupCopyOneLine", !empty);
}

} // namespace quillon
