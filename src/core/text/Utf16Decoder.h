#pragma once
#include "Decoder.h"

namespace quillon {

// UTF-16 of either byte order. A single byte left at the end is ignored; an
// input of exactly one byte is an error. Unpaired surrogates are kept.
class Utf16Decoder final : public Decoder {
public:
    explicit Utf16Decoder(bool bigEndian)
        : m_bigEndian(bigEndian)
    {
    }
    bool decode(QByteArrayView bytes, TextSink &sink, DecodeError *error) override;

    [[nodiscard]] static DecodeError oneByteError();

private:
    bool m_bigEndian;
};

} // namespace quillon
