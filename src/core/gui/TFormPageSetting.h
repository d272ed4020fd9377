#pragma once
// The scroll-amount dialog: how many lines the page commands with three, two
// and one plus signs move, each chosen from 1 to 100 and stored as an index.
#include "IniFile.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace quillon {

class TFormPageSetting : public QDialog {
    Q_OBJECT
public:
    explicit TFormPageSetting(bool japanese, QWidget *parent = nullptr);
    ~TFormPageSetting() override;

    bool BoolJapanese = true;
    QString StrLanguageFileName;

    // 0: three plus signs, 1: two, 2: one.
    [[nodiscard]] QComboBox *combo(int i) const { return m_combos[size_t(i)]; }
    [[nodiscard]] QPushButton *okButton() const { return ButtonOk; }
    [[nodiscard]] QPushButton *cancelButton() const { return ButtonCancel; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void onOk();
    void tabToFirstList();

    IniFile m_ini;
    bool m_placed = false;
    std::array<QComboBox *, 3> m_combos{};
    QPushButton *ButtonOk = nullptr;
    QPushButton *ButtonCancel = nullptr;
};

} // namespace quillon
