#pragma once
// What main() does around the window that is no part of the window itself.
#include <QString>

class QWidget;

namespace quillon {

class WindowStart {
public:
    WindowStart() = delete;
    // Qt ends the process from inside QApplication's constructor when no
    // platform plugin starts (an unreachable display, a missing plugin). From
    // this call until platformStarted() its reason becomes one line on stderr
    // and exit status 1, not an abort with a core
    // dump; the platform's warnings meanwhile are held and shown once it did start.
    // lineFor turns Qt's reason into that line.
    using LineFor = QString (*)(const QString &reason);
    static void guardPlatformStart(LineFor lineFor);
    static void platformStarted();
    // SIGTERM (logging out, kill), SIGINT (Ctrl+C in the terminal) and SIGHUP
    // close the window as its close button does, so its settings are kept.
    static void closeOnSignals(QWidget *window);
};

} // namespace quillon
