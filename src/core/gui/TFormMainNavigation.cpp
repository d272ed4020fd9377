// Scrolling, cursor and selection commands of the main window.
#include "TFormMain.h"

#include "BinaryController.h"

#include "Navigator.h"
#include "TFormJump.h"
#include "TFormPageSetting.h"
#include "TMemoExDark.h"
#include "ViewText.h"
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

void TFormMain::registerNavigationCommands()
{
    constexpr auto textOnly = WhileDump::StandsStill;
    auto reg = [this](CommandCode code, std::function<void()> fn) { registerCommand(code, std::move(fn), textOnly); };
    auto scroll = [this](CommandCode code, std::function<void()> fn) { registerCommand(code, std::move(fn)); };
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
    registerCommand(u"1271", [this] { cursorKeyCommand(Qt::Key_Right); });
    registerCommand(u"1272", [this] { cursorKeyCommand(Qt::Key_Left); });
    registerCommand(u"1273", [this] { cursorKeyCommand(Qt::Key_PageUp); });
    registerCommand(u"1274", [this] { cursorKeyCommand(Qt::Key_Up); });
    registerCommand(u"1275", [this] { cursorKeyCommand(Qt::Key_Down); });
    registerCommand(u"1276", [this] { cursorKeyCommand(Qt::Key_PageDown); });
    registerCommand(u"1711", [this] { openPageSettingDialog(); });

    // The text view's popup runs the same commands as the Edit menu.
    struct PopupItem {
        const char *name;
        CommandCode code;
    };
    const PopupItem popupItems[] = {
        {"PopupCopy", u"1201"}, {"PopupAddCopy", u"1202"}, {"PopupSelectAll", u"1203"}, {"PopupCopyOneLine", u"1211"}};
    for (const auto &[name, code] : popupItems) {
        if (QAction *a = m_menus->actionByName(QString::fromLatin1(name)))
            connect(a, &QAction::triggered, &m_receiver, [this, code] { runCommand(code); });
    }
    connect(m_menus->popupMenu(), &QMenu::aboutToShow, &m_receiver, [this] { updatePopupMenu(); });
    updatePopupMenu();
}

int TFormMain::caretLine() const
{
    return Memo1->lineFromPosition(Memo1->selectionStart());
}

// The scroll commands move the dump while it is shown, without status.
TMemoExDark *TFormMain::scrolledView() const
{
    return m_binary->shown() ? m_binary->dump() : Memo1;
}

void TFormMain::scrollAndPlaceCaret(int scrollBy, int targetLine)
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
    leaveLineNumberSelection();
    MemoStatus();
}

void TFormMain::pageCommand(int amount, bool down)
{
    TMemoExDark *view = scrolledView();
    const int a = view->lineFromPosition(view->selectionStart());
    const Navigator::Move m = down ? Navigator::pageDown(a, amount, viewLines(view)) : Navigator::pageUp(a, amount);
    scrollAndPlaceCaret(m.scrollBy, m.targetLine);
}

void TFormMain::documentEdgeCommand(bool end)
{
    TMemoExDark *view = scrolledView();
    const int a = view->lineFromPosition(view->selectionStart());
    const Navigator::Move m = end ? Navigator::documentEnd(a, viewLines(view)) : Navigator::documentTop(a);
    scrollAndPlaceCaret(m.scrollBy, m.targetLine);
}

void TFormMain::lineEdgeCommand(bool end)
{
    const int line = caretLine();
    const int start = Memo1->lineStart(line);
    Memo1->setCaretPosition(end ? start + Memo1->lineLength(line) : start);
    Memo1->ensureCaretVisible();
    leaveLineNumberSelection();
    MemoStatus();
}

void TFormMain::cursorKeyCommand(int key)
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
    leaveLineNumberSelection();
    MemoStatus();
}

void TFormMain::copySelection(bool append)
{
    if (!Memo1->hasSelection())
        return;
    QString text = BoolLineNumberSelect ? Navigator::joinedLines(StrListSelectNumber) : Memo1->selectedText();
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (append)
        text.prepend(clipboard->text());
    clipboard->setText(text);
}

void TFormMain::copyOneLine()
{
    if (viewIsEmpty(Memo1))
        return;
    QString text;
    if (BoolLineNumberSelect) {
        text = Navigator::joinedLines(StrListSelectNumber);
    } else {
        const int line = caretLine();
        text = viewLineText(Memo1, line);
    }
    // An empty line leaves the clipboard as it was rather than wiping it.
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void TFormMain::selectAllCommand()
{
    if (viewIsEmpty(Memo1))
        return;
    Memo1->selectAll();
    leaveLineNumberSelection();
    MemoStatus();
}

void TFormMain::selectWordCommand()
{
    if (viewIsEmpty(Memo1))
        return;
    const int line = caretLine();
    const int start = Memo1->lineStart(line);
    const QString text = viewLineText(Memo1, line);
    const Navigator::Span span = Navigator::wordAround(text, Memo1->selectionStart() - start);
    Memo1->setSelection(start + span.start, span.length);
    leaveLineNumberSelection();
    MemoStatus();
}

void TFormMain::openJumpDialog()
{
    // Opened window-modal without a nested loop; the answer comes back through finished().
    auto *dialog = new TFormJump(BoolJapanese, this, [this](const QString &japanese, const QString &english) {
        showMessage(japanese, english);
    });
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    applyWindowLanguage(dialog, QStringLiteral("Jump.txt"));
    connect(dialog, &QDialog::finished, &m_receiver, [this](int result) {
        if (result == QDialog::Accepted)
            applyJump();
        Memo1->setFocus();
    });
    dialog->open();
}

void TFormMain::applyJump()
{
    m_settings.reload(m_ini, MainKey::Jump);
    const Navigator::Move m = Navigator::jump(caretLine(), m_settings.jump, viewLines(Memo1));
    scrollAndPlaceCaret(m.scrollBy, m.targetLine);
}

void TFormMain::openPageSettingDialog()
{
    auto *dialog = new TFormPageSetting(BoolJapanese, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    applyWindowLanguage(dialog, QStringLiteral("PageSetting.txt"));
    connect(dialog, &QDialog::finished, &m_receiver, [this](int result) {
        if (result == QDialog::Accepted)
            applyPageSetting();
        Memo1->setFocus();
    });
    dialog->open();
}

void TFormMain::applyPageSetting()
{
    for (MainKey key : {MainKey::ScrollPlusPlusPlusIndex, MainKey::ScrollPlusPlusIndex, MainKey::ScrollPlusIndex})
        m_settings.reload(m_ini, key);
    auto scrollValue = [this](int index) { return StrListScrollVale.value(index, QStringLiteral("1")).toInt(); };
    IntScroll3 = scrollValue(m_settings.scrollPlusPlusPlusIndex);
    IntScroll2 = scrollValue(m_settings.scrollPlusPlusIndex);
    IntScroll1 = scrollValue(m_settings.scrollPlusIndex);
}

void TFormMain::updatePopupMenu()
{
    const bool selection = Memo1->hasSelection();
    const bool empty = viewIsEmpty(Memo1);
    const bool allSelected = Memo1->selectionStart() == 0 && Memo1->selectionLength() == viewTextLength(Memo1);
    auto enable = [this](const char *name, bool on) {
        if (QAction *a = m_menus->actionByName(QString::fromLatin1(name)))
            a->setEnabled(on);
    };
    enable("PopupCopy", selection);
    enable("PopupAddCopy", selection);
    enable("PopupSelectAll", !empty && !allSelected);
    enable("PopupCopyOneLine", !empty);
}

} // namespace quillon
