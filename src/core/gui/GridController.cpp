#include "GridController.h"

#include "GridMessages.h"
#include "TFormMain.h"
#include "ViewController.h"
#include "MainSettings.h"
#include "TFormViewGrid.h"

#include <QFileInfo>

namespace quillon {

GridController::GridController(TFormMain &window)
    : m_w(window)
{
}

void GridController::registerCommands()
{
    m_w.registerCommand(u"1051", [this] { openGrid(); });
}

GridContext GridController::context() const
{
    GridContext c;
    c.fileName = m_w.StrLoadFileName;
    c.japanese = m_w.BoolJapanese;
    c.developer = m_w.settings().developer;
    c.skinStyle = m_w.view().skinStyle();
    const TColor dark = m_w.view().darkBackColor();
    c.darkBackColor = QColor(int(dark & 0xFF), int((dark >> 8) & 0xFF), int((dark >> 16) & 0xFF));
    return c;
}

void GridController::openGrid()
{
    if (m_w.StrLoadFileName.isEmpty()) {
        m_w.showMessage(GridMessages::noFileLoaded());
        return;
    }
    if (!QFileInfo::exists(m_w.StrLoadFileName)) {
        m_w.showMessage(GridMessages::fileNotExist());
        return;
    }
    TFormViewGrid::open(&m_w, m_w.StrLoadFileName, QStringLiteral("Main"), context());
}

} // namespace quillon
