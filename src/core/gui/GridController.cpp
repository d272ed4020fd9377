#include "GridController.h"

#include "GridMessages.h"
#include "TFormMain.h"
#include "TFormViewGrid.h"

#include <QFileInfo>

namespace quillon {

GridController::GridController(TFormMain &window)
    : QObject(&window)
    , m_w(window)
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
    c.developer = m_w.BoolDeveloper;
    c.skinStyle = m_w.IntSkinStyle;
    const TColor dark = m_w.IntSkinStyle == 1   ? m_w.FTextColorCarbon
                        : m_w.IntSkinStyle == 2 ? m_w.FTextColorCharcoal
                                                : m_w.FTextColorDark;
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
