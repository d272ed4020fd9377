#pragma once
#include "Decoder.h"

namespace quillon {

// UTF-8. Strict: the first invalid sequence stops the decoding with an error.
// Lenient: each invalid sequence becomes U+FFFD, as Windows' default code page
// does on a UTF-8 system.
class Utf8Decoder final : public Decoder {
public:
    explicit Utf8Decoder(bool strict)
        : m_strict(strict)
    {
    }
    bool decode(QByteArrayView bytes, TextSink &sink, DecodeError *error) override;

    // The error text for an invalid sequence at byteOffset.
    [[nodiscard]] static DecodeError invalidSequenceError(qsizetype byteOffset);

private:
    bool m_strict;
};

} // namespace quillon
