#pragma once
#include "Decoder.h"

namespace quillon {

// UTF-7 (RFC 2152) as code page 65000.
class Utf7Decoder final : public Decoder {
public:
    bool decode(QByteArrayView bytes, TextSink &sink, DecodeError *error) override;
};

} // namespace quillon
