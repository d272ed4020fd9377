#include "DialogPlacement.h"

#include "IniFile.h"
#include "Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quillon {

void DialogPlacement::restore(const IniFile &ini, const QString &section, QWidget *dialog)
{
    // Without a record the dialog opens where Qt puts it (over its owner).
    if (!ini.hasKey(section, QStringLiteral("Left")))
        return;
    const QSize size = dialog->size();
    const Placement p = PlacementRecord::read(ini, section, size);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect virtualScreen = screen ? screen->virtualGeometry() : QRect(0, 0, 1920, 1080);
    if (!PlacementRecord::fitsVirtualScreen(p.rect, virtualScreen))
        return;
    dialog->move(p.rect.topLeft());
    dialog->resize(p.rect.size().expandedTo(dialog->minimumSize()));
}

void DialogPlacement::save(IniFile &ini, const QString &section, const QWidget *dialog)
{
    const QString state = dialog->isMaximized() ? QStringLiteral("MAX")
                          : dialog->isMinimized() ? QStringLiteral("MIN")
                                                  : QStringLiteral("NORMAL");
    PlacementRecord::write(ini, section, state, QRect(dialog->pos(), dialog->size()));
}

} // namespace quillon
