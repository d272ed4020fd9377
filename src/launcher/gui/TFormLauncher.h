#pragma once
// The settings of the five external programs: a list of the entries and the
// editors of the selected one. Edits go to the list at once; OK writes all
// five to the settings file, Cancel and Esc forget them.
#include "LauncherEntry.h"
#include "PlacedDialog.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace quillon {

class TFormLauncher : public PlacedDialog {
    Q_OBJECT
public:
    explicit TFormLauncher(bool japanese, QWidget *parent = nullptr);
    ~TFormLauncher() override;

    // The five rows as they stand in the list now.
    [[nodiscard]] std::array<LauncherEntry, LauncherEntry::Count> entries() const;

    [[nodiscard]] QTreeWidget *list() const { return ListView1; }
    [[nodiscard]] QLineEdit *fileEdit() const { return Edit1; }
    [[nodiscard]] QLineEdit *optionsEdit() const { return Edit2; }
    [[nodiscard]] QComboBox *examples() const { return ComboBox2; }
    [[nodiscard]] QCheckBox *autoExitBox() const { return CheckBoxAutoExit; }
    [[nodiscard]] QPushButton *browseButton() const { return ButtonBrowse; }
    [[nodiscard]] QPushButton *okButton() const { return ButtonOK; }
    [[nodiscard]] QPushButton *cancelButton() const { return ButtonCancel; }

    // The open dialog's filter for the program file.
    static QString browseFilter();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadRow();
    void writeColumn(int column, const QString &text);
    void exampleChosen(int index);
    void browse();
    void onOk();
    void markSelectedRow(bool listHasFocus);
    [[nodiscard]] QString enabledText(bool on) const;

    bool m_loading = false;
    QTreeWidget *ListView1 = nullptr;
    QLabel *LabelFileName = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *ButtonBrowse = nullptr;
    QLabel *LabelMery = nullptr;
    QCheckBox *CheckBoxAutoExit = nullptr;
    QLabel *LabelOptions = nullptr;
    QComboBox *ComboBox2 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QPushButton *ButtonOK = nullptr;
    QPushButton *ButtonCancel = nullptr;
};

} // namespace quillon
