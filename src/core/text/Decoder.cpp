#include "Decoder.h"

#include "Cp932Decoder.h"
#include "EucJpDecoder.h"
#include "Iso2022JpDecoder.h"
#include "Utf16Decoder.h"
#include "Utf7Decoder.h"
#include "Utf8Decoder.h"

namespace quillon {

std::unique_ptr<Decoder> createDecoder(DecoderKind kind)
{
    switch (kind) {
    case DecoderKind::Cp932: return std::make_unique<Cp932Decoder>();
    case DecoderKind::Iso2022Jp: return std::make_unique<Iso2022JpDecoder>();
    case DecoderKind::EucJp: return std::make_unique<EucJpDecoder>();
    case DecoderKind::Utf7: return std::make_unique<Utf7Decoder>();
    case DecoderKind::Utf8Strict: return std::make_unique<Utf8Decoder>(true);
    case DecoderKind::Utf8Lenient: return std::make_unique<Utf8Decoder>(false);
    case DecoderKind::Utf16Be: return std::make_unique<Utf16Decoder>(true);
    case DecoderKind::Utf16Le: return std::make_unique<Utf16Decoder>(false);
    }
    return nullptr;
}

// The byte decoders give at most one unit per byte, except that a CR or LF
// byte may grow into CR LF. (A base64 UTF-7 line break takes more than two
// bytes, a four-byte UTF-8 character gives two units.) UTF-16 gives one unit
// per two bytes, CR LF at most two: never more than the byte count.
qsizetype decodedCapacityHint(DecoderKind kind, QByteArrayView bytes)
{
    if (kind == DecoderKind::Utf16Be || kind == DecoderKind::Utf16Le)
        return bytes.size();
    // Every byte gives at most one unit, and a CR or LF byte at most two (it
    // becomes CR LF). Reserved address space is not memory until written, so
    // the bound need not be tight; counting the breaks would cost a pass.
    return bytes.size() * 2;
}

bool lineBreaksAreBytes(DecoderKind kind)
{
    return kind == DecoderKind::Cp932 || kind == DecoderKind::EucJp || kind == DecoderKind::Utf8Strict
        || kind == DecoderKind::Utf8Lenient;
}

qsizetype decodedCapacityHint(DecoderKind kind, QByteArrayView bytes, qsizetype lineBreakBytes)
{
    return lineBreaksAreBytes(kind) ? bytes.size() + lineBreakBytes : decodedCapacityHint(kind, bytes);
}

} // namespace quillon
