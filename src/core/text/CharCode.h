#pragma once
// Character code and line-end numbers shared by every window that shows or
// saves them. The numbers are stored in settings and passed between windows,
// so they never change.
#include <QString>

namespace quillon {

enum CharCodeNumber : int {
    CodeAuto = 0,        // read setting only: detect
    CodeShiftJis = 1,    // code page 932
    CodeJis = 2,         // code page 50220 (ISO-2022-JP)
    CodeEucJp = 3,       // code page 20932
    CodeUtf7 = 4,        // code page 65000, only by choice
    CodeUtf8Bom = 5,
    CodeUtf8 = 6,
    CodeUtf16BeBom = 7,
    CodeUtf16Be = 8,
    CodeUtf16LeBom = 9,
    CodeUtf16Le = 10,
};
constexpr int CodeFirst = 0;
constexpr int CodeLast = 10;

enum LineEndNumber : int {
    LineEndCrLf = 0,
    LineEndCr = 1,
    LineEndLf = 2,
    LineEndNone = 3,
};

// Display names as the status bar and --guess show them.
[[nodiscard]] QString charCodeName(int code, bool japanese);
[[nodiscard]] QString lineEndName(int lineEnd, bool japanese);
// "不明" / "UnKnown" and "バイナリファイル" / "BinaryFile".
[[nodiscard]] QString unknownCodeName(bool japanese);
[[nodiscard]] QString binaryFileName(bool japanese);

} // namespace quillon
