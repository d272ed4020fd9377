#include "Utf8Decoder.h"

#include "DecodeWriter.h"

namespace quillon {

DecodeError Utf8Decoder::invalidSequenceError(qsizetype byteOffset)
{
    DecodeError e;
    e.byteOffset = byteOffset;
    e.japanese = QString::fromUtf16(u"UTF-8 として正しくないバイト列があります (先頭から %1 バイト目の位置)")
                     .arg(byteOffset);
    e.english = QStringLiteral("The text is not valid UTF-8: invalid byte sequence at byte offset %1.")
                    .arg(byteOffset);
    return e;
}

// An invalid sequence is the longest start of a well-formed sequence that is
// cut short (at least one byte); overlong forms, surrogates and values above
// U+10FFFF never start one. Each gives one U+FFFD when lenient, so a bad byte
// never swallows the character after it.
bool Utf8Decoder::decode(QByteArrayView bytes, TextSink &sink, DecodeError *error)
{
    DecodeWriter out(sink);
    const auto *begin = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *p = begin;
    const auto *end = p + bytes.size();
    while (p < end) {
        const unsigned char b = *p;
        if (b < 0x80) {
            p = out.asciiFrom(p, end);
            continue;
        }
        int need;                          // continuation bytes
        unsigned char lo = 0x80, hi = 0xBF; // range of the first of them
        char32_t cp;
        if (b >= 0xC2 && b <= 0xDF) {
            need = 1;
            cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            need = 2;
            cp = b & 0x0F;
            if (b == 0xE0)
                lo = 0xA0;
            else if (b == 0xED)
                hi = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            need = 3;
            cp = b & 0x07;
            if (b == 0xF0)
                lo = 0x90;
            else if (b == 0xF4)
                hi = 0x8F;
        } else {
            need = -1;
            cp = 0;
        }
        int used = 1;
        bool ok = need > 0;
        for (int k = 0; ok && k < need; ++k) {
            if (p + used >= end) {
                ok = false;
                break;
            }
            const unsigned char c = p[used];
            if (c < (k == 0 ? lo : 0x80) || c > (k == 0 ? hi : 0xBF)) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (c & 0x3F);
            ++used;
        }
        if (ok) {
            out.codePoint(cp);
            p += used;
            continue;
        }
        if (m_strict) {
            out.flush();
            if (error)
                *error = invalidSequenceError(p - begin);
            return false;
        }
        out.plain(u'\xFFFD');
        p += used;
    }
    return true;
}

} // namespace quillon
