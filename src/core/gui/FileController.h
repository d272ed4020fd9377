#pragma once
// The file area of the main window: opening a file, the read settings, the
// close keys (with the key preview that closes the window) and the window
// size commands.
#include <QObject>

class QKeyEvent;

namespace quillon {

class TFormMain;

class FileController : public QObject {
public:
    explicit FileController(TFormMain &window);

    void registerCommands();
    // From the first show on, the close keys are seen before the focused control.
    void watchCloseKeys();
    // The read-setting and close-key check marks as the settings say.
    void syncCheckMarks();
    void openFileDialog();

private:
    void setReadSetting(int number);
    void toggleCloseKey(int index);
    bool handleCloseKey(QKeyEvent *event);
    void closeViewer();

    TFormMain &m_w;
};

} // namespace quillon
