// The interface language of the main window.
#include "core/gui/TFormMain.h"

namespace quillon {

void TFormMain::registerLanguageCommands()
{
}

} // namespace quillon
