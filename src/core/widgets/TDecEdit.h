#pragma once
// A single-line edit box that takes only the characters of its numeric type:
// digits and Backspace always, "-" at the start for the signed types, one "."
// for the decimal-fraction types. Any other typed character is dropped.
#include "NumericFilter.h"

#include <QLineEdit>

namespace quillon {

class TDecEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(Qt::Alignment Alignment READ alignment WRITE setAlignment)

public:
    explicit TDecEdit(QWidget *parent = nullptr);

    [[nodiscard]] TNumericalType numericType() const { return m_type; }
    void setNumericType(TNumericalType type) { m_type = type; }

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    TNumericalType m_type = TNumericalType::DecimalUnSigned;
};

} // namespace quillon
