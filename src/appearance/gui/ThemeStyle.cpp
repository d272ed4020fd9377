#include "ThemeStyle.h"

#include "AppPaths.h"
#include "IniFile.h"
#include "Theme.h"

#include <QApplication>
#include <QStyleFactory>

namespace quillon {

namespace {

struct DarkColors {
    QRgb window, base, alternate, text, button, highlight, link, disabled;
};

// Carbon: neutral greys; Charcoal Dark Slate: blue-grey slate; Windows10
// Dark: the near-black of that system's dark mode with its blue accent.
constexpr DarkColors darkColors[] = {
    {0x2B2B2B, 0x191919, 0x232323, 0xE6E6E6, 0x333333, 0x5A7FA8, 0x7FB2F0, 0x808080},
    {0x2F353B, 0x232323, 0x2A3036, 0xDDE3EA, 0x39414A, 0x4F7A99, 0x88C0D0, 0x7A8590},
    {0x202020, 0x000000, 0x191919, 0xF2F2F2, 0x2D2D2D, 0x0078D7, 0x4CC2FF, 0x7A7A7A},
};

} // namespace

QPalette ThemeStyle::palette(int number)
{
    const DarkColors &c = darkColors[std::clamp(number, 1, 3) - 1];
    QPalette p;
    p.setColor(QPalette::Window, QColor(c.window));
    p.setColor(QPalette::WindowText, QColor(c.text));
    p.setColor(QPalette::Base, QColor(c.base));
    p.setColor(QPalette::AlternateBase, QColor(c.alternate));
    p.setColor(QPalette::ToolTipBase, QColor(c.button));
    p.setColor(QPalette::ToolTipText, QColor(c.text));
    p.setColor(QPalette::PlaceholderText, QColor(c.disabled));
    p.setColor(QPalette::Text, QColor(c.text));
    p.setColor(QPalette::Button, QColor(c.button));
    p.setColor(QPalette::ButtonText, QColor(c.text));
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(c.highlight));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(c.link));
    p.setColor(QPalette::LinkVisited, QColor(c.link));
    p.setColor(QPalette::Light, QColor(c.button).lighter(140));
    p.setColor(QPalette::Midlight, QColor(c.button).lighter(120));
    p.setColor(QPalette::Mid, QColor(c.button).darker(120));
    p.setColor(QPalette::Dark, QColor(c.window).darker(140));
    p.setColor(QPalette::Shadow, Qt::black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(c.disabled));
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(c.button));
    return p;
}

void ThemeStyle::apply(int number)
{
    if (number < 1 || number >= Theme::Count)
        return; // the platform's own look
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setPalette(palette(number));
}

int ThemeStyle::applyStored()
{
    const int number = Theme::stored(IniFile(AppPaths::settingsPath()));
    apply(number);
    return number;
}

} // namespace quillon
