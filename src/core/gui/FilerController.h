#pragma once
// The filer link of the main window: show the file in the filer's viewer
// (1021) and its two toggles (1022, 1023), the next running viewer (1801),
// the filer-selection window (1811), the filer to the front (1821), and the
// two link options (1841 bring the filer forward on exit, 1842 exit when the
// filer does, with its watch on Timer8). Also the start rule (the filer's own
// viewer of our file closes), the close rule and the windows in the log.
#include "CommandCode.h"
#include "StartLog.h"
#include "WindowSystem.h"

#include <QList>
#include <QObject>

namespace quillon {

class TFormMain;

class FilerController : public QObject {
public:
    explicit FilerController(TFormMain &window);

    void registerCommands();
    void syncCheckMarks();
    // The window is shown: the filer watch starts when it is on.
    void startWatch();
    // Timer8: the viewer closes once the filer's window is gone.
    void watchTick();
    // Started by the filer with a file that loaded: its viewer of the file closes.
    void filerStartLoaded();
    // The window closes: the file's window or the filer forward.
    void onClose();
    // The viewers and filers found, for the log.
    [[nodiscard]] QList<FoundWindow> logWindows();

    // HarboHandle as a number; 0 when none.
    [[nodiscard]] WindowHandle filerHandle() const;
    // The desktop's window system; none on a platform without a desktop.
    [[nodiscard]] WindowSystem &windows() const;
    // After a launch with auto-exit: the started program's window (the first
    // one whose title names the file and is not a viewer) comes forward.
    void bringForwardWindowNaming(const QString &file);

private:
    void showInFiler();
    void bringFilerForward();
    void selectViewer();
    void openSelectFiler();
    // False (and said) when the desktop keeps other windows from us.
    bool desktopAllows();
    void toggle(bool *flag, CommandCode code);
    [[nodiscard]] WindowHandle ownHandle() const;

    TFormMain &m_w;
};

} // namespace quillon
