// The grid window's reading: the file steps when it is shown, Reload, the
// read-encoding and splitting choices, and the status panels they fill.
#include "TFormViewGrid.h"

#include "AppPaths.h"
#include "GridCodes.h"
#include "GridMessages.h"
#include "GridModel.h"
#include "GridStatusBar.h"
#include "TMLStringGrid.h"
#include "TMemoCrLf.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenuBar>
#include <QProgressBar>
#include <QThread>
#include <QTimer>

namespace quillon {

void TFormViewGrid::clearStatusPanels()
{
    for (int i = 0; i < 7; ++i)
        setPanelBoth(i, QString());
}

void TFormViewGrid::showStatusPanels()
{
    StrLoadChar = GridCodes::charText(IntReadEncode1, BoolUnKnownCharCode, BoolJapanese);
    StrLoadReturn = GridCodes::returnText(IntReadReturn1, BoolJapanese);
    setPanelBoth(2, BoolFileReadOnly ? QString::fromUtf16(u"ファイル読取専用") : QString());
    setPanelBoth(3, StrSeparater);
    setPanelBoth(4, StrLoadChar);
    setPanelBoth(5, StrLoadReturn);
}

void TFormViewGrid::LoadCsvFile()
{
    startRead(ReadKind::Encoding);
}

void TFormViewGrid::Reload()
{
    startRead(ReadKind::Reload);
}

void TFormViewGrid::startRead(ReadKind kind)
{
    if (m_loading)
        return;
    if (kind == ReadKind::Reload) {
        endEditMode();
        m_actions.value(1111)->setEnabled(true);
        StatusBarMemo->setPanelText(0, QString());
        StatusBarMemo->setPanelText(1, QString());
    } else {
        // A read never loses what the memo holds in edit mode.
        storeMemo();
    }
    if (StrLoadFileName.isEmpty()) {
        // No file: no data rows, and the separator is unknown.
        GridLoadResult none;
        none.StrSeparater = QStringLiteral("UnKnown");
        finishRead(kind, std::move(none));
        return;
    }
    if (!QFileInfo::exists(StrLoadFileName)) {
        showMessage(GridMessages::fileNotExist());
        // The grid is built again from the lines already held.
        m_model->setTable(CsvTable::build(m_model->table().lines(), CsvMode(IntStrToCsvIndex)),
                          kind == ReadKind::Encoding);
        StringGrid1->FixedColumnWidthAdjust();
        setRowHeightRatio(1);
        IntLastCol = IntLastRow = 0;
        selectFirstCell();
        return;
    }

    GridLoadRequest request;
    request.path = StrLoadFileName;
    request.readChoice = m_settings.readChoice();
    request.lfToTab = m_actions.value(1021)->isChecked();
    request.mode = CsvMode(IntStrToCsvIndex);
    request.copyPath = AppPaths::besideProgram(CsvFileReader::unknownCopyName());

    m_loading = true;
    m_cancel = std::make_shared<std::atomic_bool>(false);
    m_progress = std::make_shared<std::atomic_int>(0);
    ProgressLoad->setValue(0);
    ProgressLoad->show();
    m_progressTimer->start();
    MenuBar->setEnabled(false);
    setCursor(Qt::BusyCursor);
    auto result = std::make_shared<GridLoadResult>();
    auto cancel = m_cancel;
    auto progress = m_progress;
    m_thread = QThread::create([request, result, cancel, progress] {
        *result = loadGrid(request, [&](int permille) {
            progress->store(permille);
            return !cancel->load();
        });
    });
    connect(m_thread, &QThread::finished, this, [this, kind, result] {
        m_thread->deleteLater();
        m_thread = nullptr;
        m_loading = false;
        m_progressTimer->stop();
        ProgressLoad->hide();
        MenuBar->setEnabled(true);
        unsetCursor();
        if (!m_cancel->load())
            finishRead(kind, std::move(*result));
    });
    m_thread->start();
}

void TFormViewGrid::finishRead(ReadKind kind, GridLoadResult result)
{
    CsvFile &f = result.file;
    switch (f.status) {
    case CsvFile::Status::Ok:
        break;
    case CsvFile::Status::NotFound:
        // Gone between the look-up and the read.
        showMessage(GridMessages::fileNotExist());
        return;
    case CsvFile::Status::CannotRead:
        showMessage(GridMessages::cannotRead(StrLoadFileName, f.reason));
        return;
    case CsvFile::Status::TooLarge:
        showMessage(GridMessages::tooLarge(StrLoadFileName));
        return;
    }
    const bool read = !StrLoadFileName.isEmpty();
    if (read) {
        // LoadCsvFile's status steps.
        clearStatusPanels();
        IntLoadFileSize = f.IntLoadFileSize;
        IntReadEncode1 = f.IntReadEncode1;
        IntReadReturn1 = f.IntReadReturn1;
        BoolLfInLine = f.BoolLfInLine;
        BoolUnKnownCharCode = f.BoolUnKnownCharCode;
        BoolFileReadOnly = f.readOnly();
        showStatusPanels();
        if (BoolUnKnownCharCode)
            TimerUnknown->start();
    }
    // SetCsvFile.
    StrSeparater = result.StrSeparater;
    setPanelBoth(3, StrSeparater);
    StringGrid1->setUpdatesEnabled(false);
    m_model->setTable(std::move(result.table), kind == ReadKind::Encoding);
    StringGrid1->FixedColumnWidthAdjust();
    StringGrid1->setUpdatesEnabled(true);
    setRowHeightRatio(1);
    IntLastCol = IntLastRow = 0;
    selectFirstCell();
    if (read && BoolLfInLine)
        TimerLf->start();
}

void TFormViewGrid::selectFirstCell()
{
    // A grid without data rows has no current cell.
    if (m_model->rowCount() == 0 || m_model->columnCount() == 0) {
        Memo1->setCellText(QString());
        MemoStatus();
        return;
    }
    const QModelIndex first = m_model->index(0, 0);
    if (StringGrid1->currentIndex() == first)
        StringGrid1SelectCell(2, 2);
    else
        StringGrid1->setCurrentIndex(first); // runs the cell selection
    StringGrid1->scrollToTop();
}

void TFormViewGrid::setReadChoice(int code)
{
    // Choosing the checked item does nothing; the group keeps one checked.
    if (m_settings.readChoice() == code)
        return;
    m_settings.setReadChoice(code);
    if (!StrLoadFileName.isEmpty())
        startRead(ReadKind::Encoding);
}

void TFormViewGrid::setSplitMode(int mode)
{
    IntStrToCsvIndex = mode;
    Reload();
}

} // namespace quillon
