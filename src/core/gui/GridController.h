#pragma once
// The grid area of the main window: command 1051 opens the grid window on
// the file the window shows.
#include <QObject>

namespace quillon {

class TFormMain;
struct GridContext;

class GridController : public QObject {
public:
    explicit GridController(TFormMain &window);

    void registerCommands();
    void openGrid();
    // What the grid window takes from the main window.
    [[nodiscard]] GridContext context() const;

private:
    TFormMain &m_w;
};

} // namespace quillon
