#pragma once
// The help window: one of the two help texts, read-only, with a menu to
// switch between them, a find bar that searches the text shown, and its own
// placement ("FormHelp"). Modal over the window that opened it.
#include "HelpFile.h"
#include "PlacedDialog.h"

class QAction;
class QLineEdit;
class QMenuBar;
class QPushButton;

namespace quillon {

class TMemoExDark;

class TFormHelp : public PlacedDialog {
    Q_OBJECT
public:
    static constexpr int DefaultWidth = 880, DefaultHeight = 600;

    TFormHelp(bool japanese, HelpFile::Kind first, QWidget *parent = nullptr);
    ~TFormHelp() override;

    // Opens the help window modal over parent (which gets the focus back when
    // it closes) with the given text first; the window deletes itself.
    static TFormHelp *openHelp(QWidget *parent, bool japanese, HelpFile::Kind first);

    // "ヘルプ表示(&V)" and "ヘルプ表示(CSV)(&Y)": the text replaced.
    void showHelp(HelpFile::Kind kind);
    // The find bar: shown with the word, next and previous from the selection.
    void openFind();
    bool findNext();
    bool findPrevious();

    [[nodiscard]] TMemoExDark *memo() const { return MemoHelp; }
    [[nodiscard]] QLineEdit *findBox() const { return EditFind; }
    // Menu items by their tags: 1001, 1002, 1003 (exit), 1101-1103 (find).
    [[nodiscard]] QAction *item(int tag) const;
    [[nodiscard]] HelpFile::Kind shownKind() const { return m_kind; }

    void done(int result) override;

protected:
    void shown() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *addItem(QMenu *menu, const char16_t *caption, const char *name, int tag);
    void applyKeyMap();
    void restoreGeometry();
    bool find(bool forward);

    HelpFile::Kind m_kind;
    QMenuBar *MainMenu = nullptr;
    TMemoExDark *MemoHelp = nullptr;
    QWidget *PanelFind = nullptr;
    QLineEdit *EditFind = nullptr;
    QPushButton *ButtonFindNext = nullptr;
    QPushButton *ButtonFindPrev = nullptr;
};

} // namespace quillon
