#include "SystemCodePage.h"

#include <clocale>
#include <langinfo.h>

namespace quillon {

DecoderKind decoderKindForCharset(const QByteArray &charset)
{
    const QByteArray c = charset.toUpper();
    if (c == "SHIFT_JIS" || c == "SHIFT-JIS" || c == "SJIS" || c == "CP932" || c == "WINDOWS-31J"
        || c == "MS932" || c == "MS_KANJI")
        return DecoderKind::Cp932;
    if (c == "EUC-JP" || c == "EUCJP" || c == "EUC_JP")
        return DecoderKind::EucJp;
    // UTF-8 and anything else (the C locale's ASCII included): lenient UTF-8
    // reads ASCII the same and never refuses a byte.
    return DecoderKind::Utf8Lenient;
}

DecoderKind systemDecoderKind()
{
    static const DecoderKind kind = [] {
        // Ask for the user's locale without changing the program's own.
        const char *previous = std::setlocale(LC_CTYPE, nullptr);
        const QByteArray saved = previous ? QByteArray(previous) : QByteArray("C");
        std::setlocale(LC_CTYPE, "");
        const QByteArray charset(nl_langinfo(CODESET));
        std::setlocale(LC_CTYPE, saved.constData());
        return decoderKindForCharset(charset);
    }();
    return kind;
}

} // namespace quillon
