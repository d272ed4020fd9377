#pragma once
// The grid's status texts for a code and a line end (StrLoadChar,
// StrLoadReturn) and the read-encoding menu's code numbers.
#include <QString>

namespace quillon {

class GridCodes {
public:
    GridCodes() = delete;
    // Every code has its own name; a file of unknown characters is "BinaryFile".
    [[nodiscard]] static QString charText(int code, bool unknownChar, bool japanese);
    [[nodiscard]] static QString returnText(int lineEnd, bool japanese);
    // The code a hand choice reads with; 0 keeps the detected code.
    [[nodiscard]] static int codeInEffect(int readChoice, int detected);
};

} // namespace quillon
