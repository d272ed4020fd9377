#include "Iso2022JpDecoder.h"

#include "Cp932Table.h"
#include "DecodeWriter.h"

#include <cstring>

namespace quillon {

namespace {

enum class Mode { Ascii, Katakana, Jis0208, Jis0212, Unchanged };

struct Escape {
    const char *seq; // after ESC
    int len;
    Mode mode;
};

// ESC & @ only announces the 1990 edition of JIS X 0208; it changes nothing.
constexpr Escape escapes[] = {
    {"$B", 2, Mode::Jis0208},  {"$@", 2, Mode::Jis0208}, {"(B", 2, Mode::Ascii},
    {"(J", 2, Mode::Ascii},    {"(I", 2, Mode::Katakana}, {"$(D", 3, Mode::Jis0212},
    {"$(B", 3, Mode::Jis0208}, {"&@", 2, Mode::Unchanged},
};

inline bool isJisByte(unsigned char b) { return b >= 0x21 && b <= 0x7E; }

} // namespace

// A state machine over the escape sequences. JIS X 0208 pairs become their
// Shift_JIS pairs and go through the code page 932 table, so NEC row 13 and
// the NEC-selected IBM rows come out as on Windows. What else it accepts, as
// Windows' decoder for this code page does:
// - SO (0x0E) shifts to half-width katakana until SI (0x0F), like ESC ( I;
// - ESC ( J (JIS X 0201 Roman) reads as ASCII: the 932 table maps 0x5C and
//   0x7E to themselves;
// - bytes 0x80-0xFF in any mode are read as Shift_JIS (8-bit katakana
//   0xA1-0xDF included).
// Invalid input becomes U+30FB, never an error:
// - a JIS X 0208 pair without a character in the 932 table;
// - every JIS X 0212 pair (ESC $ ( D): code page 932 has none of them;
// - a byte in a two-byte mode whose partner is missing (the input ends, or a
//   control or space follows): the lone byte is replaced, the control kept;
// - 0x60-0x7E in half-width katakana mode.
// An ESC that starts no known sequence is kept as U+001B and what follows it
// is read as text, so nothing at the end of the input is lost.
bool Iso2022JpDecoder::decode(QByteArrayView bytes, TextSink &sink, DecodeError *)
{
    DecodeWriter out(sink);
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    Mode mode = Mode::Ascii;
    bool shiftOut = false;
    while (p < end) {
        const unsigned char b = *p;
        if (b == 0x1B) {
            const Escape *found = nullptr;
            for (const Escape &e : escapes) {
                if (end - p > e.len && std::memcmp(p + 1, e.seq, size_t(e.len)) == 0) {
                    found = &e;
                    break;
                }
            }
            if (found) {
                if (found->mode != Mode::Unchanged)
                    mode = found->mode;
                p += 1 + found->len;
            } else {
                out.plain(u'\x1B');
                ++p;
            }
            continue;
        }
        if (b == 0x0E || b == 0x0F) {
            shiftOut = (b == 0x0E);
            ++p;
            continue;
        }
        if (b >= 0x80) {
            const int lead = cp932::leadIndex[b];
            if (lead < 0) {
                out.plain(cp932::singleByte[b]);
                ++p;
            } else if (end - p >= 2 && cp932::trailIndex[p[1]] >= 0) {
                const char16_t c = cp932::pair(b, p[1]);
                out.plain(c ? c : cp932::Replacement);
                p += 2;
            } else {
                out.plain(cp932::Replacement);
                ++p;
            }
            continue;
        }
        if (mode == Mode::Ascii && !shiftOut) {
            // Fast path: the run of ASCII up to the next ESC, SO or SI.
            const unsigned char *q = p + 1;
            while (q < end && *q < 0x80 && *q != 0x1B && *q != 0x0E && *q != 0x0F)
                ++q;
            out.ascii(reinterpret_cast<const char *>(p), q - p);
            p = q;
            continue;
        }
        if (!isJisByte(b)) { // controls, space and DEL are the same in every mode
            out.unit(b);
            ++p;
            continue;
        }
        if (shiftOut || mode == Mode::Katakana) {
            out.plain(b <= 0x5F ? cp932::halfWidthKatakana(b + 0x80) : cp932::Replacement);
            ++p;
            continue;
        }
        if (end - p >= 2 && isJisByte(p[1])) {
            const char16_t c = mode == Mode::Jis0208 ? cp932::jisPair(b, p[1]) : char16_t(0);
            out.plain(c ? c : cp932::Replacement);
            p += 2;
        } else {
            out.plain(cp932::Replacement);
            ++p;
        }
    }
    return true;
}

} // namespace quillon
