#pragma once
// The go-to-line dialog: one line number, stored in [Editor] "Jump" on OK.
// The main window reads the number back and moves there.
#include "PlacedDialog.h"

#include <functional>

class QLabel;
class QPushButton;

namespace quillon {

class TDecEdit;

class TFormJump : public PlacedDialog {
    Q_OBJECT
public:
    // Shows a message in the window's language (Japanese, English).
    using MessageHook = std::function<void(const QString &, const QString &)>;

    TFormJump(bool japanese, QWidget *parent = nullptr, MessageHook message = {});
    ~TFormJump() override;

    [[nodiscard]] TDecEdit *edit() const { return EditNumber; }
    [[nodiscard]] QPushButton *okButton() const { return ButtonOk; }
    [[nodiscard]] QPushButton *cancelButton() const { return ButtonCancel; }

    // Entries longer than this are refused.
    static constexpr int MaxDigits = 9;

protected:
    void shown() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onOk();

    MessageHook m_message;
    QLabel *LabelNumber = nullptr;
    TDecEdit *EditNumber = nullptr;
    QPushButton *ButtonOk = nullptr;
    QPushButton *ButtonCancel = nullptr;
};

} // namespace quillon
