#pragma once
#include "Decoder.h"

namespace quillon {

// EUC-JP as code page 20932.
class EucJpDecoder final : public Decoder {
public:
    bool decode(QByteArrayView bytes, TextSink &sink, DecodeError *error) override;
};

} // namespace quillon
