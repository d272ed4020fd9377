#pragma once
// The recent files and reading positions of the main window: the six recent
// items of the file menu, "open at the top line" (1561), recording where the
// user leaves a file (before the open dialog, before a recent item, on close)
// and going back there after a load (Timer1).
#include "ReadingHistory.h"
#include "RecentFiles.h"

#include <QObject>
#include <optional>

namespace quillon {

class TFormMain;
class TMemoExDark;

class HistoryController : public QObject {
public:
    // Reads both lists; a file that cannot be read is said once the window shows.
    explicit HistoryController(TFormMain &window);

    void registerCommands();

    // Records the line of the selection start of the file shown.
    void UpdateHistory();
    // Timer1: the position recorded for the file shown, unless every file
    // opens at its top; after a reload of the same file, where the user was.
    void JumpHistory();
    // After every successful load: the file goes on top of the recent list.
    void UpdateRecent();
    void SetMenuRecent();
    // The file shown is loaded again (another read setting, renumbered
    // lines): the coming JumpHistory keeps the line the user is on.
    void keepPositionForReload();
    // The window closes: the position is recorded and both files are saved,
    // a failure said while the window is still there.
    void recordOnClose();
    // The window is destroyed: whatever changed since is saved.
    void saveAtExit();

    // A recent item of the menu (0-5), as its click does.
    void openRecent(int index);

    [[nodiscard]] const QStringList &StrListRecent() const { return m_recent.entries(); }
    [[nodiscard]] const QStringList &StrListHistory() const { return m_history.entries(); }

private:
    // false when a file could not be written (the reason is shown when asked).
    bool save(bool report);
    void toggleStartTopLine();
    [[nodiscard]] int caretLine() const;

    TFormMain &m_w;
    TMemoExDark *const Memo1;
    RecentFiles m_recent;
    ReadingHistory m_history;
    bool m_dirty = false;
    struct Kept {
        QString file;
        int line = 0;
    };
    std::optional<Kept> m_kept;
};

} // namespace quillon
