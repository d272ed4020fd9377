#pragma once
#include "Decoder.h"

namespace quillon {

// Shift_JIS as code page 932.
class Cp932Decoder final : public Decoder {
public:
    bool decode(QByteArrayView bytes, TextSink &sink, DecodeError *error) override;
};

} // namespace quillon
