#include "HistoryController.h"

#include "HistoryMessages.h"
#include "MainMenuBuilder.h"
#include "MainSettings.h"
#include "Navigator.h"
#include "PathMatch.h"
#include "TFormMain.h"
#include "TMemoExDark.h"

#include <QAction>
#include <QFileInfo>
#include <QTimer>

namespace quillon {

HistoryController::HistoryController(TFormMain &window)
    : m_w(window)
    , Memo1(window.textView())
{
    QStringList unreadable;
    if (m_history.load() == ListFile::State::Unreadable)
        unreadable.append(ReadingHistory::path());
    if (m_recent.load() == ListFile::State::Unreadable)
        unreadable.append(RecentFiles::path());
    for (const QString &file : std::as_const(unreadable)) {
        QTimer::singleShot(0, m_w.signalContext(), [this, file] {
            m_w.showMessage(HistoryMessages::notRead(file));
        });
    }
}

void HistoryController::registerCommands()
{
    if (QAction *a = m_w.commandAction(u"1561"))
        a->setChecked(m_w.settings().startTopLine);
    m_w.registerCommand(u"1561", [this] { toggleStartTopLine(); });

    const QList<QAction *> items = m_w.menus().recentFileActions();
    for (int i = 0; i < int(items.size()); ++i) {
        items[i]->setEnabled(true);
        connect(items[i], &QAction::triggered, m_w.signalContext(), [this, i] { openRecent(i); });
    }
    SetMenuRecent();
}

void HistoryController::toggleStartTopLine()
{
    MainSettings &settings = m_w.settings();
    settings.startTopLine = !settings.startTopLine;
    if (QAction *a = m_w.commandAction(u"1561"))
        a->setChecked(settings.startTopLine);
}

int HistoryController::caretLine() const
{
    return Memo1->lineFromPosition(Memo1->selectionStart());
}

void HistoryController::UpdateHistory()
{
    m_kept.reset();
    if (m_w.StrLoadFileName.isEmpty())
        return;
    m_history.UpdateHistory(m_w.StrLoadFileName, caretLine());
    m_dirty = true;
}

void HistoryController::keepPositionForReload()
{
    if (!m_w.StrLoadFileName.isEmpty())
        m_kept = Kept{m_w.StrLoadFileName, caretLine()};
}

void HistoryController::JumpHistory()
{
    std::optional<int> recorded;
    if (m_kept && PathMatch::samePath(m_kept->file, m_w.StrLoadFileName))
        recorded = m_kept->line;
    else if (!m_w.settings().startTopLine)
        recorded = m_history.lineOf(m_w.StrLoadFileName);
    m_kept.reset();
    if (!recorded)
        return;
    // Display lines while wrapping, an empty last line not counted.
    const int count = Memo1->lineCount();
    const Navigator::Lines lines{count, Memo1->lineLength(count - 1)};
    const int target = ReadingHistory::clampedLine(*recorded, lines.lastTextLine());
    Memo1->scrollLines(target - caretLine());
    Memo1->setCaretPosition(std::max<TextPos>(0, Memo1->lineStart(target)));
    m_w.MemoStatus();
}

void HistoryController::UpdateRecent()
{
    m_recent.UpdateRecent(m_w.StrLoadFileName);
    m_dirty = true;
    SetMenuRecent();
}

void HistoryController::SetMenuRecent()
{
    const QList<QAction *> items = m_w.menus().recentFileActions();
    const QStringList &entries = m_recent.entries();
    for (int i = 0; i < int(items.size()) && i < int(entries.size()); ++i)
        items[i]->setText(RecentFiles::caption(i, entries[i]));
}

void HistoryController::openRecent(int index)
{
    m_w.onlyWhileTextShown([this, index] {
        const QString file = m_recent.entries().value(index);
        if (file.isEmpty() || !QFileInfo(file).isFile()) {
            m_w.showMessage(fileNotExistMessage());
            return;
        }
        UpdateHistory();
        m_w.StrLoadFileName = QFileInfo(file).absoluteFilePath();
        m_w.SetLoadIndexFromMenu();
        m_w.LoadFile();
    })();
}

void HistoryController::recordOnClose()
{
    UpdateHistory();
    save(true);
}

void HistoryController::saveAtExit()
{
    if (m_dirty)
        save(false);
}

bool HistoryController::save(bool report)
{
    m_dirty = false;
    bool ok = true;
    auto write = [&](WriteResult result, const QString &file) {
        if (result.ok)
            return;
        ok = false;
        if (report)
            m_w.showMessage(HistoryMessages::notSaved(file, result.error));
    };
    // A file not read at start was said then and is kept as it is.
    if (!m_history.keptUnread())
        write(m_history.save(), ReadingHistory::path());
    if (!m_recent.keptUnread())
        write(m_recent.save(), RecentFiles::path());
    return ok;
}

} // namespace quillon
