#include "HelpController.h"

#include "TFormHelp.h"
#include "TFormMain.h"
#include "TMemoExDark.h"

namespace quillon {

HelpController::HelpController(TFormMain &window)
    : m_w(window)
{
}

void HelpController::registerCommands()
{
    m_w.registerCommand(u"1901", [this] { showHelp(); }, TFormMain::WhileDump::StandsStill);
}

void HelpController::showHelp()
{
    TFormHelp *help = TFormHelp::openHelp(&m_w, m_w.BoolJapanese, HelpFile::Kind::General);
    connect(help, &QDialog::finished, m_w.signalContext(), [this] { m_w.textView()->setFocus(); });
}

} // namespace quillon
