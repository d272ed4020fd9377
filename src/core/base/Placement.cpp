#include "Placement.h"

namespace quillon {

Placement PlacementRecord::read(const IniAccess &ini, const QString &section, QSize defaultSize)
{
    Placement p;
    p.rect = QRect(ini.readInteger(section, QStringLiteral("Left"), 0),
                   ini.readInteger(section, QStringLiteral("Top"), 0),
                   ini.readInteger(section, QStringLiteral("Width"), defaultSize.width()),
                   ini.readInteger(section, QStringLiteral("Height"), defaultSize.height()));
    p.state = ini.readString(section, QStringLiteral("State"), QStringLiteral("NORMAL"));
    return p;
}

bool PlacementRecord::fitsVirtualScreen(const QRect &saved, const QRect &vs)
{
    // Edges as the window frame reports them: right = left + width.
    const int left = saved.x(), top = saved.y();
    const int right = left + saved.width(), bottom = top + saved.height();
    const int vLeft = vs.x(), vTop = vs.y();
    const int vRight = vLeft + vs.width(), vBottom = vTop + vs.height();
    if (saved.width() <= 0 || saved.height() <= 0)
        return false;
    if (top < vTop - 9 || top > vBottom)
        return false;
    if (bottom < vTop || bottom > vBottom)
        return false;
    if (left < vLeft - 9 || left > vRight)
        return false;
    if (right < vLeft || right > vRight)
        return false;
    return true;
}

QRect PlacementRecord::restoredRect(const Placement &p, const QRect &virtualScreen, QSize defaultSize)
{
    if (fitsVirtualScreen(p.rect, virtualScreen))
        return p.rect;
    return QRect(QPoint(0, 0), defaultSize);
}

void PlacementRecord::write(IniAccess &ini, const QString &section, const QString &state, const QRect &normalRect)
{
    ini.writeString(section, QStringLiteral("State"), state);
    if (state == QLatin1String("NORMAL")) {
        ini.writeInteger(section, QStringLiteral("Left"), normalRect.x());
        ini.writeInteger(section, QStringLiteral("Top"), normalRect.y());
        ini.writeInteger(section, QStringLiteral("Width"), normalRect.width());
        ini.writeInteger(section, QStringLiteral("Height"), normalRect.height());
    }
}

} // namespace quillon
