#pragma once
// The window's command line and whether a window can start at all; the "--"
// modes (--guess, --hexdump, ...) are dispatched before this by main().
//   Quillon [Qt options] [hwnd=HANDLE] [--] [FILE]
// Any other argument that starts with "--" before a "--" is an unknown option:
// it names a mode that does not exist or stands where no option belongs, and
// it must not be taken for a file name. After "--" everything is a file name.
#include <QString>
#include <QStringList>

namespace quillon {

struct WindowCommandLine {
    qsizetype optionCount = 0; // arguments before "--": Qt may take its own options from these
    QStringList afterDashes;   // arguments after "--", never options
    QString badOption;         // the first unknown "--" option, empty when none

    // args: the command line without the program name.
    [[nodiscard]] static WindowCommandLine parse(const QStringList &args);
};

// What the window would need to reach a display.
struct DisplayFacts {
    QString qpaPlatform;    // $QT_QPA_PLATFORM
    QString display;        // $DISPLAY
    QString waylandDisplay; // $WAYLAND_DISPLAY
    bool platformOption = false; // "-platform NAME" on the command line
};

class StartCheck {
public:
    // One line saying why no window can start, or empty when one may: a window
    // needs a display unless a platform is named (offscreen, vnc, ...).
    [[nodiscard]] static QString noDisplay(const DisplayFacts &facts);
    // One line for a window that could not start (Qt's reason appended).
    [[nodiscard]] static QString cannotStart(const QString &reason);
    // What still works without a display; ends both lines above.
    [[nodiscard]] static QString modesWithoutDisplay();
};

} // namespace quillon
