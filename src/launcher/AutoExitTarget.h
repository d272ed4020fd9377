#pragma once
// After a program started with auto-exit, the viewer brings that program's
// window to the front before it closes: the first top-level window whose
// title names the loaded file and is not a viewer's own.
#include <QStringList>

namespace quillon {

class AutoExitTarget {
public:
    AutoExitTarget() = delete;
    // Index into titles, or -1. Both tests ignore letter case. No file
    // loaded: no window is taken, since every title "contains" an empty path.
    [[nodiscard]] static int pick(const QStringList &titles, const QString &loadedFile);
};

} // namespace quillon
