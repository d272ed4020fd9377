#pragma once
// Puts a theme on the whole application: the three dark themes are Qt's
// Fusion style with a dark palette each; the standard look is left to the
// platform. Applied once, before the first window, for the life of the process.
#include <QPalette>

namespace quillon {

class ThemeStyle {
public:
    ThemeStyle() = delete;
    // Reads the stored theme from the settings file and applies it.
    static int applyStored();
    // number: 0 standard (nothing applied), 1-3 dark.
    static void apply(int number);
    // The palette of a dark theme (1-3).
    [[nodiscard]] static QPalette palette(int number);
};

} // namespace quillon
