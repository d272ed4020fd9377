#include "Utf16Decoder.h"

#include "DecodeWriter.h"

namespace quillon {

DecodeError Utf16Decoder::oneByteError()
{
    DecodeError e;
    e.byteOffset = 0;
    e.japanese = QString::fromUtf16(u"UTF-16 として読めません: 本文が 1 バイトしかありません");
    e.english = QStringLiteral("Cannot read the text as UTF-16: it is only one byte long.");
    return e;
}

bool Utf16Decoder::decode(QByteArrayView bytes, TextSink &sink, DecodeError *error)
{
    if (bytes.size() == 1) {
        if (error)
            *error = oneByteError();
        return false;
    }
    DecodeWriter out(sink);
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + (bytes.size() & ~qsizetype(1));
    if (m_bigEndian) {
        for (; p < end; p += 2)
            out.unit(char16_t(p[0] << 8 | p[1]));
    } else {
        for (; p < end; p += 2)
            out.unit(char16_t(p[1] << 8 | p[0]));
    }
    return true;
}

} // namespace quillon
