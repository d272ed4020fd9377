#pragma once
// The go-to-line dialog: one line number, stored in [Editor] "Jump" on OK.
// The main window reads the number back and moves there.
#include "IniFile.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace quillon {

class TDecEdit;

class TFormJump : public QDialog {
    Q_OBJECT
public:
    // Shows a message in the window's language (Japanese, English).
    using MessageHook = std::function<void(const QString &, const QString &)>;

    TFormJump(bool japanese, QWidget *parent = nullptr, MessageHook message = {});
    ~TFormJump() override;

    bool BoolJapanese = true;
    QString StrLanguageFileName;

    [[nodiscard]] TDecEdit *edit() const { return EditNumber; }
    [[nodiscard]] QPushButton *okButton() const { return ButtonOk; }
    [[nodiscard]] QPushButton *cancelButton() const { return ButtonCancel; }

    // Entries longer than this are refused.
    static constexpr int MaxDigits = 9;

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onOk();

    IniFile m_ini;
    MessageHook m_message;
    bool m_placed = false;
    QLabel *LabelNumber = nullptr;
    TDecEdit *EditNumber = nullptr;
    QPushButton *ButtonOk = nullptr;
    QPushButton *ButtonCancel = nullptr;
};

} // namespace quillon
