#pragma once
// The mark-position dialog: how far the line-end, end-of-file, tab and
// full-width-space marks are shifted. While the marks follow the filer's
// viewer ("SameAsHarbekan") the values are the filer's, in [Harbekan];
// otherwise our own, in [Editor].
#include "PlacedDialog.h"

#include <array>
#include <functional>

class QLabel;
class QPushButton;

namespace quillon {

class TDecEdit;

class TFormKigouSetting : public PlacedDialog {
    Q_OBJECT
public:
    using MessageHook = std::function<void(const QString &, const QString &)>;

    // sameAsHarbekan: the main window's switch as it stands.
    TFormKigouSetting(bool japanese, bool sameAsHarbekan, QWidget *parent = nullptr, MessageHook message = {});
    ~TFormKigouSetting() override;

    // 0 line end, 1 end of file, 2 tab, 3 full-width space.
    [[nodiscard]] TDecEdit *edit(int index) const { return m_edits[size_t(index)]; }
    [[nodiscard]] QPushButton *okButton() const { return ButtonOK; }
    [[nodiscard]] QPushButton *cancelButton() const { return ButtonCancel; }

protected:
    void shown() override;

private:
    void onOk();

    MessageHook m_message;
    bool m_sameAsHarbekan;
    std::array<QLabel *, 4> m_labels{};
    std::array<TDecEdit *, 4> m_edits{};
    QPushButton *ButtonOK = nullptr;
    QPushButton *ButtonCancel = nullptr;
};

} // namespace quillon
