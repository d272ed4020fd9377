#include "Cp932Decoder.h"

#include "Cp932Table.h"
#include "DecodeWriter.h"

namespace quillon {

// Invalid input, as Windows' MultiByteToWideChar handles it for code page 932
// without MB_ERR_INVALID_CHARS, except where noted:
// - 0x80, 0xA0 and 0xFD-0xFF are characters of their own (U+0080, U+F8F0,
//   U+F8F1-U+F8F3), as in Windows' table.
// - A lead byte and a byte of the trail range (0x40-0x7E, 0x80-0xFC) are one
//   pair, even when the pair has no character: it becomes one U+30FB.
// - A lead byte followed by a byte that cannot be a trail (a control, a space,
//   0x7F, 0xFD-0xFF), or ending the input, becomes U+30FB on its own and the
//   next byte is decoded afresh. Windows may take such a byte as the lead's
//   partner; we never let a bad lead byte eat a line break or a character.
bool Cp932Decoder::decode(QByteArrayView bytes, TextSink &sink, DecodeError *)
{
    DecodeWriter out(sink);
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    while (p < end) {
        const unsigned char b = *p;
        if (b < 0x80) {
            p = out.asciiFrom(p, end);
            continue;
        }
        const int lead = cp932::leadIndex[b];
        if (lead < 0) {
            out.plain(cp932::singleByte[b]);
            ++p;
            continue;
        }
        if (end - p >= 2) {
            const int trail = cp932::trailIndex[p[1]];
            if (trail >= 0) {
                const char16_t c = cp932::pairs[lead][trail];
                out.plain(c ? c : cp932::Replacement);
                p += 2;
                continue;
            }
        }
        out.plain(cp932::Replacement);
        ++p;
    }
    return true;
}

} // namespace quillon
