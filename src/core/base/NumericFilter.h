#pragma once
// Which typed characters a numeric edit box takes, by its numeric type.
#include <QChar>
#include <QStringView>

namespace quillon {

enum class TNumericalType { DecimalUnSigned, DecimalSigned, DoubleUnSigned, DoubleSigned };

class NumericFilter {
public:
    NumericFilter() = delete;
    // c: the typed character (Backspace is '\b'); text and caret: the box's
    // text and caret position before the key.
    [[nodiscard]] static bool accepts(TNumericalType type, QChar c, QStringView text, int caret);
};

} // namespace quillon
