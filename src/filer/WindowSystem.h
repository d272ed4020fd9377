#pragma once
// Other programs' top-level windows, as the filer link needs them: list them
// with their titles (topmost first), bring one to the front, test and undo
// minimising, ask one to close, and hand one a block of data (the
// show-in-filer message). The desktop's implementation speaks X11; tests use
// InMemoryWindowSystem. Both pass the same contract tests.
#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

namespace quillon {

using WindowHandle = quint64;

struct TopWindow {
    WindowHandle handle = 0;
    QString title;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // False on a desktop that does not let a program see other programs'
    // windows (a Wayland session without X11): every call below then does
    // nothing and the list is empty.
    [[nodiscard]] virtual bool available() const = 0;
    // Every top-level window that has a title, topmost first.
    [[nodiscard]] virtual QList<TopWindow> topLevelWindows() = 0;
    // The window that has the keyboard focus of the desktop; 0 when unknown.
    [[nodiscard]] virtual WindowHandle foreground() = 0;
    virtual void setForeground(WindowHandle window) = 0;
    [[nodiscard]] virtual bool isIconic(WindowHandle window) = 0;
    virtual void restore(WindowHandle window) = 0;
    // Asks the window to close, as its close button does.
    virtual void close(WindowHandle window) = 0;
    // Hands data with a tag to window, from sender; returns once the receiver
    // has taken it (or could not be reached: false).
    virtual bool sendData(WindowHandle window, WindowHandle sender, quint32 tag, const QByteArray &data) = 0;

    // The desktop's window system: X11 when a display can be reached, else one
    // that is not available. A test may put its own in place (nullptr: the
    // desktop's again); the caller keeps ownership.
    [[nodiscard]] static WindowSystem &desktop();
    // The one of a platform without a desktop: nothing is available.
    [[nodiscard]] static WindowSystem &none();
    static void setForTesting(WindowSystem *system);
    [[nodiscard]] static bool isReplacedForTesting();
};

} // namespace quillon
