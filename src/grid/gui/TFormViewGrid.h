#pragma once
// The grid window: a file read as comma- or tab-separated cells, shown in a
// grid with the current cell in a memo above it. Cells can be edited in
// memory and copied to the clipboard; the file is never written. Reading runs
// on a worker thread so a large file keeps the window responsive and can be
// closed while it loads.
#include "GridContext.h"
#include "GridLoad.h"
#include "GridSettings.h"
#include "PlacedDialog.h"

#include <QHash>
#include <QPointer>
#include <atomic>
#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QThread;
class QTimer;

namespace quillon {

class GridModel;
struct MessageText;
class GridStatusBar;
class TMLStringGrid;
class TMemoCrLf;

class TFormViewGrid : public PlacedDialog {
    Q_OBJECT
public:
    explicit TFormViewGrid(const GridContext &context, QWidget *parent = nullptr);
    ~TFormViewGrid() override;
    TFormViewGrid(const TFormViewGrid &) = delete;
    TFormViewGrid &operator=(const TFormViewGrid &) = delete;

    // The way every opener shows the grid: writes the Parent key ("Main" or
    // "FindAll"), shows a fresh window modally on `filePath` and destroys it.
    // The find-all window passes its hand-off file, findAllHandOffPath().
    static int open(QWidget *parent, const QString &filePath, const QString &opener, GridContext context);
    [[nodiscard]] static QString findAllHandOffPath();

    // The window's state, named as the program's documentation names it.
    QString StrLoadFileName;
    QString StrFindParentForm;
    quint32 IntLoadFileSize = 0;
    int IntReadEncode1 = 20;
    int IntReadReturn1 = 3;
    bool BoolLfInLine = false;
    bool BoolUnKnownCharCode = false;
    bool BoolFileReadOnly = false;
    QString StrLoadChar, StrLoadReturn, StrSeparater;
    int IntStrToCsvIndex = 0;
    int IntTextHeight = 22;
    int IntLastCol = 0, IntLastRow = 0; // grid column and row the memo shows
    bool BoolEditModified = false;
    bool BoolMemoShift = false;
    bool BoolKeyRun = false;

    // Runs a menu item by its language-file tag, as its click does.
    void runCommand(int tag);
    [[nodiscard]] QAction *action(int tag) const { return m_actions.value(tag); }
    [[nodiscard]] bool isLoading() const { return m_loading; }
    [[nodiscard]] bool editMode() const;

    [[nodiscard]] GridModel *model() const { return m_model; }
    [[nodiscard]] TMLStringGrid *grid() const { return StringGrid1; }
    [[nodiscard]] TMemoCrLf *memo() const { return Memo1; }
    [[nodiscard]] GridStatusBar *upperStatus() const { return StatusBarTop; }
    [[nodiscard]] GridStatusBar *lowerStatus() const { return StatusBarBottom; }
    [[nodiscard]] GridStatusBar *memoStatus() const { return StatusBarMemo; }
    [[nodiscard]] QLineEdit *searchBox() const { return EditSearch; }
    [[nodiscard]] QWidget *memoPanel() const { return PanelMemo; }

    // Routines of the window.
    void LoadCsvFile();
    void Reload();
    void StringGrid1SelectCell(int column, int row); // grid coordinates (data from 2, 2)
    void MemoStatus();
    void searchGrid(bool forward);
    void searchMemo(bool forward);
    void MenuCopyToClipClick();

    void reject() override;

protected:
    void firstShown() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    enum class ReadKind { Show, Reload, Encoding };
    void createLayout();
    void createMenus();
    QAction *addItem(QMenu *menu, int tag, const QString &caption, const QKeySequence &key = {},
                     bool checkable = false);
    void applySettings();
    void applyFontAndColors();
    // The grid's and the memo's look from the 1432 toggle: the filer's or the window's own.
    void SetSameAsHarbekan();
    void MenuSameAsHarbekanClick();
    void applyLanguage();
    void writeSettings();

    void startRead(ReadKind kind);
    void finishRead(ReadKind kind, GridLoadResult result);
    void showStatusPanels();
    void clearStatusPanels();
    void selectFirstCell();
    void setPanelBoth(int panel, const QString &text);
    void showMessage(const MessageText &text);
    void storeMemo();
    void enterEditMode();
    void endEditMode();
    void setReadChoice(int code);
    void setSplitMode(int mode);
    void setRowHeightRatio(int ratio);
    void setMemoHeightIndex(int index);
    void setStatusOrder(bool columnFirst);
    void moveCurrentCell(int dColumn, int dRow);
    void chooseFont();
    void chooseColor(int tag);
    void initFontAndColors();
    void memoCopy(bool cut);
    void memoPaste();

    GridContext m_ctx;
    GridSettings m_settings;
    int m_ratio = 1;
    GridModel *m_model = nullptr;
    QHash<int, QAction *> m_actions;

    // Reading in the background.
    bool m_loading = false;
    QThread *m_thread = nullptr;
    std::shared_ptr<std::atomic_bool> m_cancel;
    std::shared_ptr<std::atomic_int> m_progress;
    QTimer *m_progressTimer = nullptr;

    QMenuBar *MenuBar = nullptr;
    GridStatusBar *StatusBarTop = nullptr;
    QWidget *PanelMemo = nullptr;
    TMemoCrLf *Memo1 = nullptr;
    GridStatusBar *StatusBarMemo = nullptr;
    QLabel *LabelMemoSearch = nullptr;
    QPushButton *ButtonMemoNext = nullptr;
    QPushButton *ButtonMemoPrev = nullptr;
    TMLStringGrid *StringGrid1 = nullptr;
    QLabel *LabelSearch = nullptr;
    QLineEdit *EditSearch = nullptr;
    QPushButton *ButtonGridNext = nullptr;
    QPushButton *ButtonGridPrev = nullptr;
    QProgressBar *ProgressLoad = nullptr;
    GridStatusBar *StatusBarBottom = nullptr;
    QMenu *PopupMemo = nullptr;
    QTimer *TimerUnknown = nullptr; // the unknown-character notice
    QTimer *TimerLf = nullptr;      // the LF notice
};

} // namespace quillon
