#pragma once
// The look of the main window: the filer's look for the text view (1504,
// from "Harbek.ini") and the theme menu (1852-1855), whose choice the next
// start applies.
#include <QObject>

namespace quillon {

class TFormMain;

class AppearanceController : public QObject {
public:
    explicit AppearanceController(TFormMain &window);

    void registerCommands();
    // The text view's font and colours, its own or the filer's as the toggle
    // says, copied to the line-number view and the panel behind them.
    void applyTextViewLook();

private:
    void MenuSameAsHarbekanClick();
    void chooseTheme(int number);
    void syncThemeMarks(int number);

    TFormMain &m_w;
};

} // namespace quillon
