#include "EucJpDecoder.h"

#include "Cp932Table.h"
#include "DecodeWriter.h"

namespace quillon {

namespace {
inline bool isEucByte(unsigned char b) { return b >= 0xA1 && b <= 0xFE; }
} // namespace

// A pair of 0xA1-0xFE bytes is a JIS X 0208 row/cell plus 0x80 and is decoded
// through the code page 932 table, so NEC row 13 and the NEC-selected IBM
// rows (0xF9-0xFC leads) come out as with Shift_JIS. 0x8E + 0xA1-0xDF is
// half-width katakana.
// Invalid input becomes U+30FB, the replacement of the 932 table:
// - 0x8F starts a JIS X 0212 character, which code page 20932 has no mapping
//   for: 0x8F with up to two following 0xA1-0xFE bytes becomes one U+30FB, so
//   the text after it stays in step.
// - A lead byte (0xA1-0xFE, 0x8E) whose next byte does not fit, or that ends
//   the input, becomes U+30FB alone; the next byte is decoded afresh.
// - 0x80-0xA0 other than 0x8E/0x8F, and 0xFF, are no characters: U+30FB.
bool EucJpDecoder::decode(QByteArrayView bytes, TextSink &sink, DecodeError *)
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
        const bool hasNext = end - p >= 2;
        if (isEucByte(b)) {
            if (hasNext && isEucByte(p[1])) {
                const char16_t c = cp932::jisPair(b - 0x80, p[1] - 0x80);
                out.plain(c ? c : cp932::Replacement);
                p += 2;
            } else {
                out.plain(cp932::Replacement);
                ++p;
            }
        } else if (b == 0x8E) {
            if (hasNext && p[1] >= 0xA1 && p[1] <= 0xDF) {
                out.plain(cp932::halfWidthKatakana(p[1]));
                p += 2;
            } else {
                out.plain(cp932::Replacement);
                ++p;
            }
        } else if (b == 0x8F) {
            ++p;
            for (int k = 0; k < 2 && p < end && isEucByte(*p); ++k)
                ++p;
            out.plain(cp932::Replacement);
        } else {
            out.plain(cp932::Replacement);
            ++p;
        }
    }
    return true;
}

} // namespace quillon
