// Every decoder over the same bytes: no crash, no read past the input, never
// more units than the capacity hint, and a line index that matches the text.
// Shift_JIS is also decoded a byte at a time straight from the table, with
// every line end made CR LF, and must come out the same: the decoder's fast
// paths (ASCII runs taken many bytes at once, units staged between the loop
// and the text) may not change a unit.
#include "Cp932Table.h"
#include "Decoder.h"

#include <cstddef>
#include <cstdint>

using namespace quillon;

namespace {

QString cp932ByteByByte(const uint8_t *p, size_t n)
{
    QString out;
    bool afterCr = false;
    for (size_t i = 0; i < n;) {
        const uint8_t b = p[i];
        if (b == '\r' || b == '\n') {
            if (!(b == '\n' && afterCr))
                out += QStringLiteral("\r\n");
            afterCr = b == '\r' && !(b == '\n' && afterCr);
            ++i;
            continue;
        }
        afterCr = false;
        if (cp932::leadIndex[b] < 0) {
            out += QChar(cp932::singleByte[b]);
            ++i;
        } else if (i + 1 < n && cp932::trailIndex[p[i + 1]] >= 0) {
            const char16_t c = cp932::pair(b, p[i + 1]);
            out += QChar(c ? c : cp932::Replacement);
            i += 2;
        } else {
            out += QChar(cp932::Replacement);
            ++i;
        }
    }
    return out;
}

} // namespace

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
        // The tighter bound of a loader that counted the line-break bytes;
        // in the codes it serves, every line after the first starts after
        // one of them (UTF-7 can spell a CR in base64, UTF-16 in two bytes).
        qsizetype breaks = 0;
        for (size_t i = 0; i < size; ++i)
            breaks += data[i] == '\r' || data[i] == '\n';
        if (text.length() > decodedCapacityHint(kind, bytes, breaks))
            __builtin_trap();
        if (lineBreaksAreBytes(kind) && text.lineCount() > breaks + 1)
            __builtin_trap();
        if (!ok && (error.byteOffset < 0 || error.byteOffset >= qsizetype(size) || error.english.isEmpty()))
            __builtin_trap();
        for (int line = 0; line + 1 < text.lineCount(); ++line) {
            const int end = text.lineStart(line) + text.lineLength(line);
            if (text.text().at(end) != u'\r' || text.text().at(end + 1) != u'\n')
                __builtin_trap();
        }
        if (kind == DecoderKind::Cp932 && text.text() != cp932ByteByByte(data, size))
            __builtin_trap();
    }
    return 0;
}
