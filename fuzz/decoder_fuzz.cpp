// Every decoder over the same bytes: no crash, no read past the input, never
// more units than the capacity hint, and a line index that matches the text.
#include "Decoder.h"

#include <cstddef>
#include <cstdint>

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static constexpr DecoderKind kinds[] = {
        DecoderKind::Cp932,      DecoderKind::Iso2022Jp,   DecoderKind::EucJp,   DecoderKind::Utf7,
        DecoderKind::Utf8Strict, DecoderKind::Utf8Lenient, DecoderKind::Utf16Be, DecoderKind::Utf16Le,
    };
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (DecoderKind kind : kinds) {
        const qsizetype hint = decodedCapacityHint(kind, bytes);
        TextSink sink(hint);
        DecodeError error;
        const bool ok = createDecoder(kind)->decode(bytes, sink, &error);
        const TextBuffer text = sink.finish();
        if (text.length() > hint)
            __builtin_trap();
        if (!ok && (error.byteOffset < 0 || error.byteOffset >= qsizetype(size) || error.english.isEmpty()))
            __builtin_trap();
        for (int line = 0; line + 1 < text.lineCount(); ++line) {
            const int end = text.lineStart(line) + text.lineLength(line);
            if (text.text().at(end) != u'\r' || text.text().at(end + 1) != u'\n')
                __builtin_trap();
        }
    }
    return 0;
}
