// The key map of the main window: reconciling the key-map file and the editor cursor mode.
#include "core/gui/TFormMain.h"

namespace quillon {

void TFormMain::registerKeyMapCommands()
{
}

} // namespace quillon
