#pragma once
// The line-number settings dialog: the width of the line-number column in
// pixels ([Editor] "LineWidth") and how numbers are padded ("LineZero": 0
// spaces, 1 zeros). OK writes both; the main window applies them.
#include "PlacedDialog.h"

#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quillon {

class TDecEdit;

class TFormLineSetting : public PlacedDialog {
    Q_OBJECT
public:
    // Shows a message in the window's language (Japanese, English).
    using MessageHook = std::function<void(const QString &, const QString &)>;

    TFormLineSetting(bool japanese, QWidget *parent = nullptr, MessageHook message = {});
    ~TFormLineSetting() override;

    [[nodiscard]] TDecEdit *widthEdit() const { return EditWidth; }
    // 0: padded with spaces, 1: with zeros.
    [[nodiscard]] QRadioButton *paddingItem(int index) const;
    [[nodiscard]] QPushButton *okButton() const { return ButtonOK; }
    [[nodiscard]] QPushButton *cancelButton() const { return ButtonCancel; }

protected:
    void shown() override;

private:
    void onOk();

    MessageHook m_message;
    QLabel *LabelWidth = nullptr;
    TDecEdit *EditWidth = nullptr;
    QLabel *LabelWidthDefault = nullptr;
    QGroupBox *RadioGroupLineZero = nullptr;
    QPushButton *ButtonOK = nullptr;
    QPushButton *ButtonCancel = nullptr;
};

} // namespace quillon
