#pragma once
// Byte-to-text decoders. Each legacy Japanese code decodes exactly as the
// Windows code page named for it does; all decoders share this interface so
// one contract test runs against every one of them.
#include "TextBuffer.h"

#include <QByteArrayView>
#include <QString>
#include <memory>

namespace quillon {

enum class DecoderKind {
    Cp932,       // Shift_JIS, code page 932
    Iso2022Jp,   // JIS, code page 50220
    EucJp,       // code page 20932
    Utf7,        // code page 65000
    Utf8Strict,  // any invalid sequence is an error
    Utf8Lenient, // invalid sequences become U+FFFD
    Utf16Be,
    Utf16Le,
};

struct DecodeError {
    qsizetype byteOffset = 0; // where in the input the decoder gave up
    QString japanese;         // the decoder's error text in both languages
    QString english;
};

class Decoder {
public:
    virtual ~Decoder() = default;
    // Decodes the whole input into sink, flushing any state at the end so no
    // byte at the tail is lost. Returns false and fills error only for the
    // strict decoders (UTF-8 strict, UTF-16 with a one-byte body).
    virtual bool decode(QByteArrayView bytes, TextSink &sink, DecodeError *error) = 0;
};

[[nodiscard]] std::unique_ptr<Decoder> createDecoder(DecoderKind kind);

// Upper bound of UTF-16 units the decoder may produce for the input,
// line-end normalisation included (for TextSink's capacity hint).
[[nodiscard]] qsizetype decodedCapacityHint(DecoderKind kind, QByteArrayView bytes);
// Whether the decoder gives at most one unit for every byte but 0D and 0A,
// and a CR or LF only for those bytes (Shift_JIS, EUC-JP, UTF-8; not UTF-7,
// which can spell a CR in base64, nor UTF-16). Then every line after the
// first starts after one of them.
[[nodiscard]] bool lineBreaksAreBytes(DecoderKind kind);
// The same bound, tighter for such a decoder, for a caller that has counted
// the input's 0D and 0A bytes.
[[nodiscard]] qsizetype decodedCapacityHint(DecoderKind kind, QByteArrayView bytes, qsizetype lineBreakBytes);

} // namespace quillon
