#pragma once
// The navigation area of the main window: paging and scrolling, the cursor
// commands, selection and copying, the jump and scroll-amount dialogs and the
// text view's popup menu.
#include "CommandCode.h"

#include <QObject>
#include <QStringList>

#include <functional>

class QDialog;

namespace quillon {

class IniFile;
class TFormMain;
class TMemoExDark;
struct MainSettings;

class NavigationController : public QObject {
public:
    explicit NavigationController(TFormMain &window);

    void registerCommands();

    // The scroll amounts the page-setting dialog offers, "1" to "100".
    QStringList StrListScrollVale;
    // Lines per step of the three paging commands (+, ++, +++).
    int IntScroll1 = 3, IntScroll2 = 17, IntScroll3 = 17;

private:
    void readScrollAmounts();
    [[nodiscard]] TMemoExDark *scrolledView() const;
    void scrollAndPlaceCaret(int scrollBy, int targetLine);
    void pageCommand(int amount, bool down);
    void documentEdgeCommand(bool end);
    void lineEdgeCommand(bool end);
    void cursorKeyCommand(int key);
    void copySelection(bool append);
    void copyOneLine();
    void selectAllCommand();
    void selectWordCommand();
    // Opens a small dialog over the window; accepted runs when it ends with OK.
    void openDialog(QDialog *dialog, const QString &languageFile, void (NavigationController::*accepted)());
    void openJumpDialog();
    void applyJump();
    void openPageSettingDialog();
    void applyPageSetting();
    void updatePopupMenu();
    [[nodiscard]] int caretLine() const;

    TFormMain &m_w;
    MainSettings &m_settings;
    IniFile &m_ini;
    TMemoExDark *const Memo1;
};

} // namespace quillon
