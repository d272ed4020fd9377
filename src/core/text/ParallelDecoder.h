#pragma once
// Decodes a large input on several cores. The bytes are cut right after line
// feeds, where no character and no state of the decoder carries over (an LF
// byte is never part of a Shift_JIS, EUC-JP or UTF-8 character; in UTF-16 a
// whole LF unit is looked for), each piece is decoded by a decoder of its own
// and the pieces are joined in order. The text is exactly that of one decode.
#include "Decoder.h"

#include <atomic>
#include <functional>
#include <vector>

namespace quillon {

class ParallelDecoder {
public:
    using Done = std::function<void(QByteArrayView)>;

    // True for the codes whose bytes can be cut at line feeds.
    [[nodiscard]] static bool cuts(DecoderKind kind);

    // Where to cut bytes into at most parts pieces of at least minPiece
    // bytes: the offsets just after a line feed at or behind each share.
    // Empty when the input is too small or has no line feed to cut at.
    [[nodiscard]] static std::vector<qsizetype> cutPoints(DecoderKind kind, QByteArrayView bytes, int parts,
                                                          qsizetype minPiece);

    // How many of bytes' first bytes are whole lines: up to and including
    // the last line feed (0 when there is none).
    [[nodiscard]] static qsizetype wholeLines(DecoderKind kind, QByteArrayView bytes);

    // How many pieces a large input is decoded in on this machine.
    [[nodiscard]] static int defaultParts();
    static constexpr qsizetype DefaultMinPiece = qsizetype(4) << 20;

    // Decodes bytes into sink, in pieces at the given cut points, the first
    // on this thread. done hears of each stretch of bytes decoded (front to
    // back within a piece, but pieces at once: it must be safe to call from
    // several threads). An error is the first piece's, placed in the whole
    // input.
    // watch, when given, hears of the first piece's text after each of its
    // stretches (on the thread decoding it), and can stop every piece at its
    // next stretch (the decode then fails without an error text).
    struct Watch {
        std::function<void(const TextSink &)> shown;
        const std::atomic<bool> *stop = nullptr;
    };
    static bool decode(DecoderKind kind, QByteArrayView bytes, const std::vector<qsizetype> &cuts, TextSink &sink,
                       DecodeError *error, const Done &done, const Watch *watch = nullptr);
};

} // namespace quillon
