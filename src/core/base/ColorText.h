#pragma once
// Colours in the settings files: one of twenty names, or "$" and eight
// hexadecimal digits 00BBGGRR; reading also takes a decimal number.
#include "IniFile.h"

#include <QString>

namespace quillon {

[[nodiscard]] QString colorToText(TColor color);
[[nodiscard]] bool textToColor(const QString &text, TColor *color);

// Qt's colour from the stored 00BBGGRR value and back.
[[nodiscard]] inline uint32_t colorToRgb(TColor c)
{
    return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
[[nodiscard]] inline TColor rgbToColor(uint32_t rgb)
{
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

} // namespace quillon
