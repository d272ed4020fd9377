#include "Utf7Decoder.h"

#include "DecodeWriter.h"

namespace quillon {

namespace {
inline int base64Value(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}
} // namespace

// As Windows decodes code page 65000:
// - every byte outside a '+' sequence is a character of its own, bytes
//   0x80-0xFF included (they become U+0080-U+00FF);
// - "+-" is '+'; '+' starts base64 that runs to the first byte that is no
//   base64 digit: a '-' there is swallowed, any other byte is read as text;
// - bits left over when base64 ends (fewer than 16) are dropped, so a '+' at
//   the very end gives nothing. Units are passed on as they come, unpaired
//   surrogates included.
bool Utf7Decoder::decode(QByteArrayView bytes, TextSink &sink, DecodeError *)
{
    DecodeWriter out(sink);
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    while (p < end) {
        const unsigned char b = *p;
        if (b >= 0x80) {
            out.plain(char16_t(b));
            ++p;
            continue;
        }
        if (b != '+') {
            const unsigned char *q = p + 1;
            while (q < end && *q < 0x80 && *q != '+')
                ++q;
            out.ascii(reinterpret_cast<const char *>(p), q - p);
            p = q;
            continue;
        }
        ++p;
        if (p < end && *p == '-') {
            out.plain(u'+');
            ++p;
            continue;
        }
        uint32_t bits = 0;
        int bitCount = 0;
        while (p < end) {
            const int v = base64Value(*p);
            if (v < 0) {
                if (*p == '-')
                    ++p;
                break;
            }
            bits = (bits << 6) | uint32_t(v);
            bitCount += 6;
            if (bitCount >= 16) {
                bitCount -= 16;
                out.unit(char16_t(bits >> bitCount));
                bits &= (1u << bitCount) - 1;
            }
            ++p;
        }
    }
    return true;
}

} // namespace quillon
