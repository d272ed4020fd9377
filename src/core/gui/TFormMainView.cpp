// Marks, line numbers, wrapping, status-bar and font commands of the main window.
#include "core/gui/TFormMain.h"

namespace quillon {

void TFormMain::registerViewCommands()
{
}

} // namespace quillon
