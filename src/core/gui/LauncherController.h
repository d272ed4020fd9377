#pragma once
// The external programs of the file menu: the five start commands (1011-1015)
// with their captions, the settings dialog (1511), and the auto-exit that
// closes the viewer once a program has started.
#include "LauncherOptions.h"
#include "ProgramStarter.h"

#include <QObject>
#include <QStringList>

#include <array>
#include <functional>

namespace quillon {

class TFormMain;

class LauncherController : public QObject {
public:
    explicit LauncherController(TFormMain &window);

    void registerCommands();
    // The five captions: the language's base and the program's file name.
    void SetMenuLauncher();
    // Starts a program detached in its folder; false (after saying why) when
    // it could not. Cancels a pending auto-exit; arms a new one on success
    // when autoExit is set.
    bool ExecuteProgramEx3(const QString &sExeName, const QStringList &arguments, bool bAutoExit);
    // What program n (1-5) would be given now: the file, the caret line.
    [[nodiscard]] LauncherContext context() const;

    // Brings the window showing the loaded file to the front (auto-exit);
    // the link to other programs' windows provides it. Unset: nothing moves.
    std::function<void(const QString &loadedFile)> raiseWindowShowing;

    // The five program paths as last read from the settings file.
    std::array<QString, 5> StrLauncherFolderFile;
    // The last start: what it was given (for the log and the tests).
    QString lastParameterText;
    QStringList lastArguments;

private:
    void MenuLauncherAutoClick(int number);
    void MenuLauncherSettingClick();
    void autoExitFindWindow();
    void autoExitClose();

    TFormMain &m_w;
};

} // namespace quillon
