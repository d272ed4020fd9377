#include "GridCodes.h"

#include "CharCode.h"

namespace quillon {

QString GridCodes::charText(int code, bool unknownChar, bool japanese)
{
    if (unknownChar)
        return binaryFileName(japanese);
    switch (code) {
    case CodeShiftJis:
    case CodeJis:
    case CodeEucJp:
    case CodeUtf8Bom:
    case CodeUtf8:
    case CodeUtf16BeBom:
    case CodeUtf16Be:
    case CodeUtf16LeBom:
    case CodeUtf16Le:
        return charCodeName(code, japanese);
    case CodeUtf7:
        return QStringLiteral("UTF-7");
    default:
        return unknownCodeName(japanese);
    }
}

QString GridCodes::returnText(int lineEnd, bool japanese)
{
    if (lineEnd < LineEndCrLf || lineEnd > LineEndNone)
        return unknownCodeName(japanese);
    return lineEndName(lineEnd, japanese);
}

int GridCodes::codeInEffect(int readChoice, int detected)
{
    return readChoice >= CodeShiftJis && readChoice <= CodeLast ? readChoice : detected;
}

} // namespace quillon
