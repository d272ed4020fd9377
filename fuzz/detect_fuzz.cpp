// Detection must classify any bytes without reading past them, and its
// filtered copy holds only the bytes it keeps. Read in two halves at once it
// must decide exactly as in one piece (checked on one input in 512), and a
// text without 00 bytes must get the line end that counting its CR and LF
// bytes one by one gives.
#include "CharCodeDetector.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const quillon::DetectResult r = quillon::detectCharCode(bytes);
    if (r.charCode < 1 || r.charCode > 10 || r.lineEnd < 0 || r.lineEnd > 3)
        std::abort();
    if (qsizetype(r.copy.size()) > qsizetype(size))
        std::abort();
    for (char c : r.copy) {
        const auto b = uint8_t(c);
        if (b < 0x20 && b != 0x09 && b != 0x0A && b != 0x0D)
            std::abort();
    }
    // The halves run on threads of their own, which costs fifty times the
    // rest and, over millions of runs, memory the sanitizers keep for every
    // thread: one input in 512, by a hash of its bytes (which no mutation
    // steers, so the corpus does not fill with split inputs), is split.
    uint32_t hash = 2166136261u;
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    if (hash % 512 == 0 && !(quillon::detectCharCode(bytes, 2) == r))
        std::abort();

    size_t cr = 0, lf = 0, zeros = 0;
    for (size_t i = 0; i < size; ++i) {
        cr += data[i] == 0x0D;
        lf += data[i] == 0x0A;
        zeros += data[i] == 0x00;
    }
    if (zeros == 0 && size > 0) {
        const int lineEnd = cr && lf ? quillon::LineEndCrLf
            : cr                     ? quillon::LineEndCr
            : lf                     ? quillon::LineEndLf
                                     : quillon::LineEndNone;
        if (r.lineEnd != lineEnd || r.lfInCrLf != (cr && lf && cr != lf))
            std::abort();
    }
    return 0;
}
