#pragma once
// What the grid window takes from its opener: the file, the interface
// language, the developer switch and the theme (dark mode and its colour).
#include <QColor>
#include <QString>

namespace quillon {

struct GridContext {
    QString fileName;       // the file to show; a missing file shows none
    bool japanese = true;   // the opener's BoolJapanese
    bool developer = false; // [Developer] Enabled: Shift+Ctrl+J / E switch the language
    int skinStyle = 0;      // IntSkinStyle: not 0 draws in dark mode
    QColor darkBackColor;   // the main window's background in that theme
};

} // namespace quillon
