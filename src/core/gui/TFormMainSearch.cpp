// The main window's search commands and its search bar.
#include "core/gui/TFormMain.h"

namespace quillon {

void TFormMain::registerSearchCommands()
{
}

} // namespace quillon
