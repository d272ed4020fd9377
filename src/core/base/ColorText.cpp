#include "ColorText.h"

namespace quillon {

namespace {
struct NamedColor {
    const char *name;
    TColor value;
};
constexpr NamedColor namedColors[] = {
    {"clBlack", 0x000000},  {"clMaroon", 0x000080}, {"clGreen", 0x008000},
    {"clOlive", 0x008080},  {"clNavy", 0x800000},   {"clPurple", 0x800080},
    {"clTeal", 0x808000},   {"clGray", 0x808080},   {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},    {"clLime", 0x00FF00},   {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},  {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},  {"clMedGray", 0xA4A0A0},
};
} // namespace

QString colorToText(TColor color)
{
    for (const auto &nc : namedColors) {
        if (nc.value == color)
            return QLatin1String(nc.name);
    }
    return QLatin1Char('$') + QStringLiteral("%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
}

bool textToColor(const QString &text, TColor *color)
{
    const QString t = text.trimmed();
    for (const auto &nc : namedColors) {
        if (t.compare(QLatin1String(nc.name), Qt::CaseInsensitive) == 0) {
            *color = nc.value;
            return true;
        }
    }
    int v = 0;
    if (!IniFile::parseInteger(t, &v))
        return false;
    *color = TColor(v);
    return true;
}

} // namespace quillon
