#pragma once
// The three small windows of the main window: the line-number settings
// (1404), the mark positions (1562) and the start log (1831). Each opens
// modal over the main window; the main window applies what OK stored.
#include <QObject>

class QDialog;

namespace quillon {

class TFormMain;

class SmallDialogController : public QObject {
public:
    explicit SmallDialogController(TFormMain &window);

    void registerCommands();

    void openLineSetting();
    void openKigouSetting();
    void openLog();

private:
    // Opened window-modal without a nested loop; accepted runs after OK.
    void open(QDialog *dialog, const QString &languageFile, void (SmallDialogController::*accepted)());
    void applyLineSetting();
    void applyKigouSetting();

    TFormMain &m_w;
};

} // namespace quillon
