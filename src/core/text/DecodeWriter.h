#pragma once
// A small staging buffer between a decoder's loop and TextSink: units are
// collected without a call per unit and handed over with putPlain; line
// breaks and ASCII runs go to the sink directly, which normalises them.
#include "TextBuffer.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quillon {

// Length of the run of bytes below 0x80 that starts at p.
[[nodiscard]] inline qsizetype asciiRun(const unsigned char *p, const unsigned char *end)
{
    const unsigned char *q = p;
    while (end - q >= 8) {
        uint64_t w;
        std::memcpy(&w, q, 8);
        if (w & 0x8080808080808080ull)
            break;
        q += 8;
    }
    while (q < end && *q < 0x80)
        ++q;
    return q - p;
}

class DecodeWriter {
public:
    explicit DecodeWriter(TextSink &sink)
        : m_sink(sink)
    {
    }
    ~DecodeWriter() { flush(); }
    DecodeWriter(const DecodeWriter &) = delete;
    DecodeWriter &operator=(const DecodeWriter &) = delete;

    // A unit known not to be CR or LF.
    inline void plain(char16_t c)
    {
        if (m_n == Size)
            flush();
        m_buf[m_n++] = c;
    }
    // Any unit; CR and LF go through the sink's line-end handling.
    inline void unit(char16_t c)
    {
        if (c == u'\r' || c == u'\n') {
            flush();
            m_sink.put(c);
        } else {
            plain(c);
        }
    }
    // Copies the run of bytes below 0x80 that starts at p; returns its end.
    inline const unsigned char *asciiFrom(const unsigned char *p, const unsigned char *end)
    {
#if defined(__SSE2__)
        // Japanese text mixes short ASCII runs with its characters, so a run
        // is measured and widened sixteen bytes at a time, whatever its
        // length: each step stages all sixteen units and keeps those before
        // the first byte of 0x80 up or line break. Line breaks go through
        // the sink one by one.
        const __m128i zero = _mm_setzero_si128();
        const __m128i cr = _mm_set1_epi8('\r');
        const __m128i lf = _mm_set1_epi8('\n');
        while (end - p >= 16) {
            const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
            const unsigned stops = unsigned(
                _mm_movemask_epi8(_mm_or_si128(w, _mm_or_si128(_mm_cmpeq_epi8(w, cr), _mm_cmpeq_epi8(w, lf)))));
            if (!(stops & 1u)) {
                const int run = stops ? __builtin_ctz(stops) : 16;
                if (m_n > Size - 16)
                    flush();
                _mm_storeu_si128(reinterpret_cast<__m128i *>(m_buf + m_n), _mm_unpacklo_epi8(w, zero));
                _mm_storeu_si128(reinterpret_cast<__m128i *>(m_buf + m_n + 8), _mm_unpackhi_epi8(w, zero));
                m_n += run;
                p += run;
                continue;
            }
            if (*p >= 0x80)
                return p;
            unit(char16_t(*p++)); // CR or LF
        }
        while (p < end && *p < 0x80)
            unit(char16_t(*p++));
        return p;
#else
        const qsizetype n = asciiRun(p, end);
        ascii(reinterpret_cast<const char *>(p), n);
        return p + n;
#endif
    }
    // Bytes 0x00-0x7F, one unit each. Short runs (a space or a digit between
    // Japanese characters) are staged like any unit; long ones go to the
    // sink in bulk.
    inline void ascii(const char *s, qsizetype n)
    {
        if (n >= 64) {
            flush();
            m_sink.putLatin1(s, n);
            return;
        }
        for (qsizetype i = 0; i < n; ++i)
            unit(char16_t(s[i]));
    }
    inline void codePoint(char32_t cp)
    {
        if (cp < 0x10000) {
            unit(char16_t(cp));
        } else {
            plain(char16_t(0xD800 + ((cp - 0x10000) >> 10)));
            plain(char16_t(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        }
    }
    void flush()
    {
        if (m_n) {
            m_sink.putPlain(m_buf, m_n);
            m_n = 0;
        }
    }

private:
    static constexpr int Size = 4096;
    TextSink &m_sink;
    int m_n = 0;
    char16_t m_buf[Size];
};


} // namespace quillon
