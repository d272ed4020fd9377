#pragma once
// The find-all window: every line of the main window's text that holds the
// search word, beside its line number ("FindAll"), or every hit in the files
// of the loaded file's folder, beside its sequence number ("FindFileAll").
// The mode is the "Parent" key of [FormFind], written by the opener. The
// window has its own key map, asks for the word through the find dialog, and
// hands its list to the grid window through "Quillon-FindAll.txt".
#include "FolderSearch.h"
#include "PlacedDialog.h"
#include "TSearchOption.h"

#include <QHash>
#include <QStringView>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QTimer;

namespace quillon {

class FindAllHost;
class FolderSearchJob;
class LineSource;
class StatusPanels;
class TMemoExDark;

class TFormFindAll : public PlacedDialog {
    Q_OBJECT
public:
    // Reads the mode and the look; the search starts 200 ms after the window
    // is first shown (unless its key map had to be reset).
    explicit TFormFindAll(FindAllHost *host, QWidget *parent = nullptr);
    ~TFormFindAll() override;
    TFormFindAll(const TFormFindAll &) = delete;
    TFormFindAll &operator=(const TFormFindAll &) = delete;

    // State the program's documentation names.
    QString StrSearchValue;
    QString StrParentForm;
    TSearchInfo Info;
    bool BoolKeyMapSame = true;
    int IntTopLineMemo = 0;

    [[nodiscard]] bool fileMode() const { return StrParentForm == QLatin1String("FindFileAll"); }
    // The menu item of one of the window's codes ("1101"); null for others.
    [[nodiscard]] QAction *commandAction(QStringView code) const;
    // Runs a command as its menu item and key do (nothing when disabled).
    void runCommand(QStringView code);

    [[nodiscard]] TMemoExDark *list() const { return Memo1; }
    [[nodiscard]] TMemoExDark *numberColumn() const { return MemoLineNumber; }
    [[nodiscard]] StatusPanels *upperStatus() const { return StatusBarTop; }
    [[nodiscard]] StatusPanels *lowerStatus() const { return StatusBarBottom; }
    [[nodiscard]] QWidget *buttonPanel() const { return PanelButton; }
    [[nodiscard]] QPushButton *button(int tag) const; // 2201 .. 2209
    [[nodiscard]] QMenu *popupMenu() const { return PopupMenu; }
    // The multi-file search is running on its worker threads.
    [[nodiscard]] bool searching() const { return bool(m_job); }
    [[nodiscard]] QPushButton *stopButton() const { return ButtonStop; }
    // Stops a running multi-file search; the hits so far are shown.
    void stopSearch();

    // Writes the number column's and the list's lines to the hand-off file.
    bool writeHandOffFile();

protected:
    void shown() override;
    void done(int result) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void createMenus();
    QAction *addCommand(QMenu *menu, QStringView code, std::function<void()> handler, bool checkable = false);
    void applyLook();
    void applyKeyMap();
    void setMarks();
    void setShowButton(bool on);
    void updateCommandStates();

    // The commands.
    void askWord(const QString &mode, std::function<void()> onOk);
    void findAll();
    void findFileAll();
    void startFileSearch(const QStringList &files, TSearchOptions options);
    void takeFileOutcomes();
    void finishFileSearch();
    void findCommand();
    void searchList(bool next);
    void moveTo(int targetLine);
    void viewGrid();
    void openKeyboard();
    void toggleMark(int index);
    void copySelection();
    void selectAll();
    void doubleClicked();

    void showList(std::shared_ptr<const LineSource> numbers, std::shared_ptr<const LineSource> lines);
    void syncNumbers();
    void setStatusWord();
    void refreshStatus();
    void layoutStatus();
    [[nodiscard]] bool listEmpty() const;
    [[nodiscard]] int lineZero() const;
    [[nodiscard]] int caretLine() const;
    void message(const MessageText &text);

    FindAllHost *m_host;
    QHash<QString, QAction *> m_actions;
    bool m_firstShow = true;
    bool m_marks[4] = {false, false, false, false}; // CrLf, EOF, Tab, DBCS
    bool m_showButton = false;
    int m_listCount = 0;
    QMetaObject::Connection m_findConnection;

    // The multi-file search in progress.
    std::unique_ptr<FolderSearchJob> m_job;
    FolderSearchCollector m_collected;
    SearchError m_fileError;
    QString m_fileWord;
    TSearchOptions m_fileOptions;
    bool m_asking = false; // a message box of the run is open
    int m_fileCount = 0;

    QMenuBar *MainMenu = nullptr;
    StatusPanels *StatusBarTop = nullptr;
    StatusPanels *StatusBarBottom = nullptr;
    TMemoExDark *MemoLineNumber = nullptr;
    TMemoExDark *Memo1 = nullptr;
    QWidget *PanelButton = nullptr;
    QWidget *PanelProgress = nullptr;
    QLabel *LabelProgress = nullptr;
    QProgressBar *ProgressBar = nullptr;
    QPushButton *ButtonStop = nullptr;
    QHash<int, QPushButton *> m_buttons;
    QMenu *PopupMenu = nullptr;
    QTimer *Timer2 = nullptr; // starts the mode's search after the first showing
    QTimer *Timer3 = nullptr; // the key-map message
};

} // namespace quillon
