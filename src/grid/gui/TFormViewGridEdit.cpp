// The grid window's commands: the cell memo and edit mode, titles, column
// widths, searching, the clipboard, the fixed keys and the close question.
#include "TFormViewGrid.h"

#include "TFormHelp.h"

#include "GridMessages.h"
#include "GridModel.h"
#include "GridStatusBar.h"
#include "GridTexts.h"
#include "MessageService.h"
#include "TMLStringGrid.h"
#include "TMemoCrLf.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextBlock>

namespace quillon {

bool TFormViewGrid::editMode() const
{
    return m_actions.value(1111)->isChecked();
}

void TFormViewGrid::runCommand(int tag)
{
    // Reading refuses commands; closing the window still works.
    if (m_loading && tag != 1003)
        return;
    QAction *a = m_actions.value(tag);
    if (!a || !a->isEnabled())
        return;
    if (tag >= 1041 && tag <= 1051) {
        a->setChecked(true);
        setReadChoice(tag == 1051 ? 0 : tag - 1040);
    } else if (tag >= 1031 && tag <= 1033) {
        a->setChecked(true);
        setSplitMode(tag - 1031);
    } else if (tag >= 1151 && tag <= 1160) {
        setMemoHeightIndex(tag - 1150);
    } else if (tag >= 1351 && tag <= 1360) {
        setRowHeightRatio(tag - 1350);
    } else if (tag == 1121 || tag == 1122 || tag == 1123 || tag == 1125) {
        a->setChecked(true);
        m_settings.setClipStyle(tag == 1125 ? 3 : tag - 1121);
    } else {
        switch (tag) {
        case 1011: Reload(); break;
        case 1021: break; // the check mark alone; the next read takes it
        case 1003: reject(); break;
        case 1111: enterEditMode(); break;
        case 1124: MenuCopyToClipClick(); break;
        case 1211:
        case 1212:
            if (Memo1->hasFocus())
                searchMemo(tag == 1211);
            else
                searchGrid(tag == 1211);
            break;
        case 1311: StringGrid1->fitAllColumns(); break;
        case 1321: m_model->setTitleRow(StringGrid1->currentIndex().row()); break;
        case 1322: m_model->clearTitleRow(); break;
        case 1331:
            m_model->setTitleColumn(StringGrid1->currentIndex().column());
            StringGrid1->FixedColumnWidthAdjust();
            break;
        case 1332:
            m_model->clearTitleColumn();
            StringGrid1->FixedColumnWidthAdjust();
            break;
        case 1341: setStatusOrder(false); break;
        case 1342: setStatusOrder(true); break;
        case 1411: chooseFont(); break;
        case 1412:
        case 1413:
        case 1414:
        case 1421: chooseColor(tag); break;
        case 1431: initFontAndColors(); break;
        case 1432: MenuSameAsHarbekanClick(); break;
        case 1501: TFormHelp::openHelp(this, BoolJapanese, HelpFile::Kind::Grid); break;
        case 1901: memoCopy(false); break;
        case 1902: memoCopy(true); break;
        case 1903: memoPaste(); break;
        case 1904: Memo1->selectAll(); break;
        default: break;
        }
    }
}

void TFormViewGrid::storeMemo()
{
    // Only a memo the user changed goes back: a cell's lone CR stays a CR.
    if (!editMode() || IntLastCol < 2 || IntLastRow < 2 || !Memo1->document()->isModified())
        return;
    m_model->setCell(IntLastRow - 2, IntLastCol - 2, Memo1->cellText());
    BoolEditModified = true;
}

void TFormViewGrid::StringGrid1SelectCell(int column, int row)
{
    if (editMode() && (column != IntLastCol || row != IntLastRow))
        storeMemo();
    Memo1->setCellText(m_model->cell(row - 2, column - 2));
    BoolMemoShift = false;
    MemoStatus();
    IntLastCol = column;
    IntLastRow = row;
    setPanelBoth(0, GridTexts::position(column - 2, row - 2, m_actions.value(1342)->isChecked()));
}

void TFormViewGrid::setStatusOrder(bool columnFirst)
{
    m_actions.value(columnFirst ? 1342 : 1341)->setChecked(true);
    if (IntLastCol >= 2 && IntLastRow >= 2)
        setPanelBoth(0, GridTexts::position(IntLastCol - 2, IntLastRow - 2, columnFirst));
}

void TFormViewGrid::MemoStatus()
{
    const QString text = Memo1->toPlainText();
    int line = 0, column = 0, lines = 0;
    if (!text.isEmpty()) {
        const QTextCursor c = Memo1->textCursor();
        QTextCursor start(Memo1->document());
        start.setPosition(c.selectionStart());
        line = start.blockNumber() + 1;
        column = c.hasSelection() ? 0 : c.positionInBlock() + 1;
        lines = Memo1->document()->blockCount();
    }
    StatusBarMemo->setPanelText(0, GridTexts::memoCaret(line, column, BoolJapanese));
    StatusBarMemo->setPanelText(1, GridTexts::memoLines(lines, BoolJapanese));
}

void TFormViewGrid::enterEditMode()
{
    QAction *a = m_actions.value(1111);
    // The checkable item has already flipped when the menu or key ran it.
    a->setChecked(true);
    a->setEnabled(false);
    Memo1->document()->setModified(false);
    MemoStatus();
    Memo1->setReadOnly(false);
    Memo1->setTextInteractionFlags(Qt::TextEditorInteraction);
    setPanelBoth(1, GridTexts::editing(BoolJapanese));
}

void TFormViewGrid::endEditMode()
{
    storeMemo();
    m_actions.value(1111)->setChecked(false);
    Memo1->setReadOnly(true);
    Memo1->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    setPanelBoth(1, QString());
}

void TFormViewGrid::searchGrid(bool forward)
{
    const QModelIndex cur = StringGrid1->currentIndex();
    if (m_model->rowCount() > 0) {
        const auto hit = m_model->find(EditSearch->text(), cur.isValid() ? cur.row() : 0,
                                       cur.isValid() ? cur.column() : (forward ? -1 : m_model->columnCount()),
                                       forward);
        if (hit) {
            StringGrid1->setCurrentIndex(m_model->index(hit->row, hit->column));
            StringGrid1->scrollTo(StringGrid1->currentIndex());
        } else {
            showMessage(GridMessages::searchNotFound());
        }
    } else {
        showMessage(GridMessages::searchNotFound());
    }
    StringGrid1->setFocus();
}

void TFormViewGrid::searchMemo(bool forward)
{
    QTextCursor c = Memo1->textCursor();
    const QString word = EditSearch->text();
    const qsizetype at = GridTexts::findInMemo(Memo1->toPlainText(), word,
                                               forward ? c.selectionEnd() : c.selectionStart(), forward);
    if (at < 0) {
        showMessage(GridMessages::searchNotFound());
    } else {
        c.setPosition(int(at));
        c.setPosition(int(at + word.size()), QTextCursor::KeepAnchor);
        Memo1->setTextCursor(c);
        MemoStatus();
    }
    Memo1->setFocus();
}

void TFormViewGrid::MenuCopyToClipClick()
{
    if (BoolKeyRun)
        return;
    BoolKeyRun = true;
    int top = 0, left = 0, bottom = 0, right = 0;
    if (StringGrid1->selectionRect(&top, &left, &bottom, &right)) {
        const QString text = m_model->copyText(top, left, bottom, right, ClipStyle(m_settings.clipStyle()));
        QGuiApplication::clipboard()->setText(text);
    }
    BoolKeyRun = false;
}

void TFormViewGrid::memoCopy(bool cut)
{
    const QTextCursor c = Memo1->textCursor();
    if (!c.hasSelection())
        return;
    QGuiApplication::clipboard()->setText(c.selectedText().replace(QChar::ParagraphSeparator, QStringLiteral("\r\n")));
    // Outside edit mode the memo is read-only: cut copies and removes nothing.
    if (cut && !Memo1->isReadOnly())
        Memo1->textCursor().removeSelectedText();
}

void TFormViewGrid::memoPaste()
{
    if (!Memo1->isReadOnly())
        Memo1->insertPlainText(QGuiApplication::clipboard()->text());
}

void TFormViewGrid::moveCurrentCell(int dColumn, int dRow)
{
    const QModelIndex cur = StringGrid1->currentIndex();
    if (!cur.isValid())
        return;
    const int row = std::clamp(cur.row() + dRow, 0, m_model->rowCount() - 1);
    const int column = std::clamp(cur.column() + dColumn, 0, m_model->columnCount() - 1);
    if (row != cur.row() || column != cur.column())
        StringGrid1->setCurrentIndex(m_model->index(row, column));
}

bool TFormViewGrid::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        // The window sees its keys before its controls.
        if (key->key() == Qt::Key_Escape && mods == Qt::NoModifier) {
            if (!editMode())
                reject();
            return true;
        }
        if (watched == Memo1 && mods == Qt::ControlModifier) {
            // Ctrl+arrows move the grid's cell; the memo keeps the key as well.
            switch (key->key()) {
            case Qt::Key_Up: moveCurrentCell(0, -1); break;
            case Qt::Key_Down: moveCurrentCell(0, 1); break;
            case Qt::Key_Left: moveCurrentCell(-1, 0); break;
            case Qt::Key_Right: moveCurrentCell(1, 0); break;
            default: break;
            }
        }
        if (watched == Memo1 && (mods & Qt::ShiftModifier))
            BoolMemoShift = true;
    }
    if (watched == Memo1 || watched == Memo1->viewport()) {
        if (type == QEvent::MouseMove && (static_cast<QMouseEvent *>(event)->buttons() & Qt::LeftButton))
            BoolMemoShift = true;
        if (type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::MouseButtonRelease
            || type == QEvent::MouseButtonPress) {
            // After the memo has handled the event.
            QMetaObject::invokeMethod(this, [this] { MemoStatus(); }, Qt::QueuedConnection);
            if ((type == QEvent::KeyRelease || type == QEvent::MouseButtonRelease) && BoolMemoShift)
                Memo1->viewport()->update();
        }
    }
    return PlacedDialog::eventFilter(watched, event);
}

void TFormViewGrid::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!editMode())
            reject();
        return;
    }
    PlacedDialog::keyPressEvent(event);
}

void TFormViewGrid::reject()
{
    if (m_loading) {
        // Closing while reading: the read stops, nothing was edited yet.
        m_cancel->store(true);
        PlacedDialog::reject();
        return;
    }
    storeMemo();
    if (BoolEditModified || Memo1->document()->isModified()) {
        const MessageText q = GridMessages::closeWhenModified();
        if (MessageService::show(this, BoolJapanese ? q.japanese : q.english, MessageButtons::YesNo)
            != MessageAnswer::Yes)
            return;
    }
    PlacedDialog::reject();
}

} // namespace quillon
