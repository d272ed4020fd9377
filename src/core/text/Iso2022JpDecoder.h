#pragma once
#include "Decoder.h"

namespace quillon {

// JIS (ISO-2022-JP) as code page 50220.
class Iso2022JpDecoder final : public Decoder {
public:
    bool decode(QByteArrayView bytes, TextSink &sink, DecodeError *error) override;
};

} // namespace quillon
