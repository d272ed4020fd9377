#pragma once
// The system's default code page: what a file without byte-order mark is read
// as when the user chose a "with mark" code, and what the unknown-character
// copy is read as. It is the locale's character set: UTF-8 on most systems,
// code page 932 when the locale says Shift_JIS.
#include "Decoder.h"

namespace quillon {

[[nodiscard]] DecoderKind systemDecoderKind();
// For tests and for a locale named in settings: the decoder for a charset name.
[[nodiscard]] DecoderKind decoderKindForCharset(const QByteArray &charset);

} // namespace quillon
