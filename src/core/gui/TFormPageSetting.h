#pragma once
// The scroll-amount dialog: how many lines the page commands with three, two
// and one plus signs move, each chosen from 1 to 100 and stored as an index.
#include "PlacedDialog.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace quillon {

class TFormPageSetting : public PlacedDialog {
    Q_OBJECT
public:
    explicit TFormPageSetting(bool japanese, QWidget *parent = nullptr);
    ~TFormPageSetting() override;

    // 0: three plus signs, 1: two, 2: one.
    [[nodiscard]] QComboBox *combo(int i) const { return m_combos[size_t(i)]; }
    [[nodiscard]] QPushButton *okButton() const { return ButtonOk; }
    [[nodiscard]] QPushButton *cancelButton() const { return ButtonCancel; }

protected:
    void shown() override;

private:
    void onOk();
    void tabToFirstList();

    std::array<QComboBox *, 3> m_combos{};
    QPushButton *ButtonOk = nullptr;
    QPushButton *ButtonCancel = nullptr;
};

} // namespace quillon
