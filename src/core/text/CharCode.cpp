#include "CharCode.h"

namespace quillon {

QString charCodeName(int code, bool japanese)
{
    struct Names { const char16_t *ja; const char16_t *en; };
    static constexpr Names names[] = {
        {u"自動検出", u"Auto Detect"},
        {u"Shift_JIS", u"Shift_JIS"},
        {u"JIS", u"JIS"},
        {u"EUC-JP", u"EUC-JP"},
        {u"UTF7", u"UTF7"},
        {u"UTF8  [BOM有]", u"UTF8  [WithBOM]"},
        {u"UTF8  [BOM無]", u"UTF8  [NonBOM]"},
        {u"UTF16 [BOM有 BigEndian]", u"UTF16 [WithBOM BigEndian]"},
        {u"UTF16 [BOM無 BigEndian]", u"UTF16 [NonBOM BigEndian]"},
        {u"UTF16 [BOM有 LittleEndian]", u"UTF16 [WithBOM LittleEndian]"},
        {u"UTF16 [BOM無 LittleEndian]", u"UTF16 [NonBOM LittleEndian]"},
    };
    if (code < CodeFirst || code > CodeLast)
        return unknownCodeName(japanese);
    return QString::fromUtf16(japanese ? names[code].ja : names[code].en);
}

QString lineEndName(int lineEnd, bool japanese)
{
    switch (lineEnd) {
    case LineEndCrLf: return QStringLiteral("Cr+Lf(Windows) ");
    case LineEndCr: return QStringLiteral("Cr(OS9)");
    case LineEndLf: return QStringLiteral("Lf(OSX,Android)");
    default: return japanese ? QString::fromUtf16(u"無し") : QStringLiteral("None");
    }
}

QString unknownCodeName(bool japanese)
{
    return japanese ? QString::fromUtf16(u"不明") : QStringLiteral("UnKnown");
}

QString binaryFileName(bool japanese)
{
    return japanese ? QString::fromUtf16(u"バイナリファイル") : QStringLiteral("BinaryFile");
}

} // namespace quillon
