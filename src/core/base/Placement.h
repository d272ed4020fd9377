#pragma once
// Where a window was left: its section (class name without the leading "T")
// holds Left, Top, Width, Height and State. A saved rectangle is used only
// when it still lies on the virtual screen spanning all monitors.
#include "IniFile.h"

#include <QRect>
#include <QString>

namespace quillon {

struct Placement {
    QRect rect;                       // as saved, or the default
    QString state = QStringLiteral("NORMAL"); // "NORMAL", "MAX" or "MIN"
};

class PlacementRecord {
public:
    [[nodiscard]] static Placement read(const IniAccess &ini, const QString &section, QSize defaultSize);
    // The rectangle to apply: the saved one when it passes the virtual-screen
    // check, else left 0, top 0 and the default size.
    [[nodiscard]] static QRect restoredRect(const Placement &p, const QRect &virtualScreen, QSize defaultSize);
    [[nodiscard]] static bool fitsVirtualScreen(const QRect &saved, const QRect &virtualScreen);
    // Writes State; Left/Top/Width/Height only for a normal window, so a
    // maximised or minimised one keeps its last normal rectangle.
    static void write(IniAccess &ini, const QString &section, const QString &state, const QRect &normalRect);
};

} // namespace quillon
