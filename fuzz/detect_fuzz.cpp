// Detection must classify any bytes without reading past them, and its
// filtered copy holds only the bytes it keeps.
#include "CharCodeDetector.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const quillon::DetectResult r =
        quillon::detectCharCode(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (r.charCode < 1 || r.charCode > 10 || r.lineEnd < 0 || r.lineEnd > 3)
        std::abort();
    if (qsizetype(r.copy.size()) > qsizetype(size))
        std::abort();
    for (char c : r.copy) {
        const auto b = uint8_t(c);
        if (b < 0x20 && b != 0x09 && b != 0x0A && b != 0x0D)
            std::abort();
    }
    return 0;
}
