#pragma once
// The help menu of the main window: the help window (1901) with the general
// help first. The grid window opens the same window with its own help
// through TFormHelp::openHelp.
#include <QObject>

namespace quillon {

class TFormMain;

class HelpController : public QObject {
public:
    explicit HelpController(TFormMain &window);

    void registerCommands();
    void showHelp();

private:
    TFormMain &m_w;
};

} // namespace quillon
