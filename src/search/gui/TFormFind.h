#pragma once
// The find dialog. Created hidden with the main window and kept until exit.
// In parent mode "Main" it is modeless and searches the main window's text;
// for "FindAll" / "FindFileAll" it is modal and only asks for the word and
// the options (the opener reads them back from the settings file when the
// dialog ends with Accepted). The mode is the "Parent" key of [FormFind],
// written by the opener just before it opens the dialog.
#include "PlacedDialog.h"

#include <QStringList>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QTimer;

namespace quillon {

class FindHost;

class TFormFind : public PlacedDialog {
    Q_OBJECT
public:
    explicit TFormFind(FindHost *host, QWidget *parent = nullptr);
    ~TFormFind() override;
    TFormFind(const TFormFind &) = delete;
    TFormFind &operator=(const TFormFind &) = delete;

    // Shows the dialog for the mode in the settings file: modeless for
    // "Main" and "TextEx", application-modal (without a nested event loop)
    // for the others; finished() tells the opener the result.
    void showFind();
    // "閉じる(&C)": writes geometry, MatchCase and AutoClose and closes.
    void closeFind();
    void searchNext() { runSearch(true); }
    void searchPrevious() { runSearch(false); }

    // State other windows and tests read.
    QString StrSearchValue;
    QString StrParentForm = QStringLiteral("Main");
    int IntSearchNext = 1;

    [[nodiscard]] QComboBox *wordBox() const { return ComboBoxFind; }
    [[nodiscard]] QCheckBox *matchCaseBox() const { return CheckBoxMatchCase; }
    [[nodiscard]] QCheckBox *autoCloseBox() const { return CheckBoxAutoClose; }
    [[nodiscard]] QPushButton *previousButton() const { return ButtonPrev; }
    [[nodiscard]] QMenuBar *dialogMenuBar() const { return MainMenuFind; }
    [[nodiscard]] QMenuBar *wordBoxMenuBar() const { return MainMenuFindEdit; }
    // The entries of both menus: 1031 exit, 1102 next, 1103 previous, and
    // 1201 copy, 1202 cut, 1203 paste; wordBoxMenu picks the second set.
    [[nodiscard]] QAction *menuAction(int code, bool wordBoxMenu) const;
    [[nodiscard]] bool isModalMode() const;

    // Gives the menus the keys of 1031, 1102 and 1103 from the key-map
    // file, or from the main window's map when the file is missing.
    void applyKeyMap();

protected:
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    void reject() override;

private:
    QMetaObject::Connection m_focusWatch;
    void createControls();
    QMenuBar *createMenuBar(bool wordBoxMenu);
    void loadValues();
    void saveValues();
    void setControlsForMode();
    void runSearch(bool next);
    void updateMenuForFocus();
    void copyToClipboard(bool cut);
    void pasteFromClipboard();
    void bringToFront();

    FindHost *m_host;
    QStringList m_history;

    QLabel *LabelFind = nullptr;
    QComboBox *ComboBoxFind = nullptr;
    QGroupBox *GroupBoxOption = nullptr;
    QCheckBox *CheckBoxMatchCase = nullptr;
    QCheckBox *CheckBoxWholeWord = nullptr;
    QCheckBox *CheckBoxIncludeCRLF = nullptr;
    QCheckBox *CheckBoxRegExp = nullptr;
    QCheckBox *CheckBoxAutoClose = nullptr;
    QPushButton *ButtonPrev = nullptr;
    QPushButton *ButtonNext = nullptr;
    QPushButton *ButtonClose = nullptr;
    QLineEdit *EditClipboard = nullptr; // hidden go-between for the clipboard
    QMenuBar *MainMenuFind = nullptr;     // while the word box does not have the focus
    QMenuBar *MainMenuFindEdit = nullptr; // while it has
    QTimer *Timer1 = nullptr;             // brings the dialog back after a hit
};

} // namespace quillon
