#pragma once
// The four themes: the platform's standard look and three dark ones. The
// stored name ([SkinStyle] "Text") decides which one the next start applies;
// the running program keeps the theme it started with.
#include "IniFile.h"

#include <QString>

namespace quillon {

class Theme {
public:
    Theme() = delete;
    static constexpr int Count = 4;
    // 0 "Windows", 1 "Carbon", 2 "Charcoal Dark Slate", 3 "Windows10 Dark".
    [[nodiscard]] static QString name(int number);
    // Any other text is the standard look, 0.
    [[nodiscard]] static int number(const QString &name);
    // The theme the settings file names now.
    [[nodiscard]] static int stored(const IniAccess &ini);
    static void store(IniAccess &ini, int number);
};

} // namespace quillon
