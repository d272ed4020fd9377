// Scrolling, cursor and selection commands of the main window.
#include "core/gui/TFormMain.h"

namespace quillon {

void TFormMain::registerNavigationCommands()
{
}

} // namespace quillon
