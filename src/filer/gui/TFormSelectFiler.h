#pragma once
// The filer-selection window: every window whose title holds one of four
// title patterns ("Quillon-Title.txt"), our own viewers never; the chosen one
// comes to the front. The patterns can be switched, edited, searched again,
// saved and put back to their defaults. Modal; deleted when closed.
#include "PlacedDialog.h"
#include "WindowSystem.h"

#include <array>

class QAction;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QMenuBar;

namespace quillon {

struct FoundWindow;

class TFormSelectFiler : public PlacedDialog {
    Q_OBJECT
public:
    static constexpr int DefaultWidth = 680, DefaultHeight = 350;

    TFormSelectFiler(bool japanese, WindowSystem &windows, QWidget *parent = nullptr);
    ~TFormSelectFiler() override;

    // "実行(&O)": the selected window forward, then close.
    void run();
    // "再取得(&G)": the lines from the boxes (in memory only), searched again.
    void searchAgain();
    // "保存(&S)": the lines from the boxes written to the file, then close.
    void save();
    // "初期化(&I)": the default boxes; nothing written or searched.
    void initialise();

    [[nodiscard]] QListWidget *list() const { return ListBoxFiler; }
    [[nodiscard]] QCheckBox *enabledBox(int row) const { return m_checks[size_t(row)]; }
    [[nodiscard]] QLineEdit *patternBox(int row) const { return m_patterns[size_t(row)]; }
    // Menu items by tag: 1001 run, 1002 exit.
    [[nodiscard]] QAction *item(int tag) const;
    [[nodiscard]] const QStringList &lines() const { return m_lines; }

protected:
    void shown() override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void search();
    void showLines();
    [[nodiscard]] QStringList linesFromBoxes() const;
    void applyKeyMap();

    WindowSystem &m_windows;
    QStringList m_lines;
    QList<WindowHandle> m_found;
    QMenuBar *MainMenu = nullptr;
    QListWidget *ListBoxFiler = nullptr;
    std::array<QCheckBox *, 4> m_checks{};
    std::array<QLineEdit *, 4> m_patterns{};
};

} // namespace quillon
