#include "ParallelDecoder.h"

#include "Utf8Decoder.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <latch>
#include <thread>

namespace quillon {

namespace {

bool isUtf16(DecoderKind kind)
{
    return kind == DecoderKind::Utf16Be || kind == DecoderKind::Utf16Le;
}

// The first offset at or after from that follows a whole line feed, or -1.
qsizetype cutAfterLineFeed(DecoderKind kind, QByteArrayView bytes, qsizetype from)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    if (!isUtf16(kind)) {
        if (from >= n)
            return -1;
        const void *lf = std::memchr(p + from, '\n', size_t(n - from));
        return lf ? static_cast<const unsigned char *>(lf) - p + 1 : -1;
    }
    // A 0A byte is an LF unit only as the low byte of a unit with a zero
    // high byte: 0A 00 at an even offset (LE), 00 0A at an odd one (BE).
    const bool big = kind == DecoderKind::Utf16Be;
    for (qsizetype at = from; at < n;) {
        const void *hit = std::memchr(p + at, '\n', size_t(n - at));
        if (!hit)
            return -1;
        const qsizetype i = static_cast<const unsigned char *>(hit) - p;
        if (!big && (i & 1) == 0 && i + 1 < n && p[i + 1] == 0)
            return i + 2;
        if (big && (i & 1) == 1 && p[i - 1] == 0)
            return i + 1;
        at = i + 1;
    }
    return -1;
}

constexpr qsizetype Stretch = qsizetype(256) << 10;

// Decodes one piece, a stretch of about 256 KB at a time when done is given,
// so the bytes behind the decoder can leave memory as it goes. offset is the
// piece's place in the whole input, for the error's text.
// watch: its stop is heard by every piece, its shown only by the first.
bool decodePiece(DecoderKind kind, QByteArrayView piece, qsizetype offset, TextSink &sink, DecodeError *error,
                 const ParallelDecoder::Done &done, const ParallelDecoder::Watch *watch, bool first)
{
    auto decoder = createDecoder(kind);
    const bool stretches = done || watch;
    qsizetype from = 0;
    while (from < piece.size()) {
        if (watch && watch->stop && watch->stop->load(std::memory_order_acquire)) {
            if (error)
                *error = DecodeError{};
            return false;
        }
        qsizetype to = piece.size();
        if (stretches && piece.size() - from > 2 * Stretch) {
            const qsizetype cut = cutAfterLineFeed(kind, piece, from + Stretch);
            if (cut > 0 && cut < piece.size())
                to = cut;
        }
        const QByteArrayView part = piece.sliced(from, to - from);
        if (!decoder->decode(part, sink, error)) {
            if (kind == DecoderKind::Utf8Strict)
                *error = Utf8Decoder::invalidSequenceError(offset + from + error->byteOffset);
            return false;
        }
        if (done)
            done(part);
        if (first && watch && watch->shown)
            watch->shown(sink);
        from = to;
    }
    return true;
}

} // namespace

bool ParallelDecoder::cuts(DecoderKind kind)
{
    return kind == DecoderKind::Cp932 || kind == DecoderKind::EucJp || kind == DecoderKind::Utf8Strict
        || kind == DecoderKind::Utf8Lenient || isUtf16(kind);
}

qsizetype ParallelDecoder::wholeLines(DecoderKind kind, QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    if (!isUtf16(kind)) {
        const void *lf = n > 0 ? ::memrchr(p, '\n', size_t(n)) : nullptr;
        return lf ? static_cast<const unsigned char *>(lf) - p + 1 : 0;
    }
    // The unit 00 0A, in the order of the code, at an even offset.
    const bool big = kind == DecoderKind::Utf16Be;
    for (qsizetype i = (n & ~qsizetype(1)) - 2; i >= 0; i -= 2) {
        const unsigned char low = big ? p[i + 1] : p[i];
        const unsigned char high = big ? p[i] : p[i + 1];
        if (low == 0x0A && high == 0)
            return i + 2;
    }
    return 0;
}

int ParallelDecoder::defaultParts()
{
    const unsigned cores = std::thread::hardware_concurrency();
    return int(std::clamp(cores, 1u, 4u));
}

std::vector<qsizetype> ParallelDecoder::cutPoints(DecoderKind kind, QByteArrayView bytes, int parts,
                                                  qsizetype minPiece)
{
    std::vector<qsizetype> points;
    if (!cuts(kind) || parts < 2)
        return points;
    minPiece = std::max<qsizetype>(minPiece, 2); // a UTF-16 piece of one byte would be an error
    parts = int(std::min<qsizetype>(parts, bytes.size() / minPiece));
    qsizetype last = 0;
    for (int k = 1; k < parts; ++k) {
        const qsizetype share = std::max(last + minPiece, bytes.size() / parts * k);
        const qsizetype cut = cutAfterLineFeed(kind, bytes, share);
        if (cut < 0 || bytes.size() - cut < minPiece)
            break;
        points.push_back(cut);
        last = cut;
    }
    return points;
}

bool ParallelDecoder::decode(DecoderKind kind, QByteArrayView bytes, const std::vector<qsizetype> &cuts,
                             TextSink &sink, DecodeError *error, const Done &done, const Watch *watch)
{
    struct Piece {
        qsizetype offset = 0;
        QByteArrayView bytes;
        std::unique_ptr<TextSink> sink;
        DecodeError error;
        bool ok = true;
        std::exception_ptr failure;
        char16_t *room = nullptr; // where its units go in the joined text
    };
    if (cuts.empty())
        return decodePiece(kind, bytes, 0, sink, error, done, watch, true);
    std::vector<Piece> pieces(cuts.size() + 1);
    qsizetype from = 0;
    for (size_t k = 0; k < pieces.size(); ++k) {
        const qsizetype to = k < cuts.size() ? cuts[k] : bytes.size();
        pieces[k].offset = from;
        pieces[k].bytes = bytes.sliced(from, to - from);
        from = to;
    }
    // Each later piece is decoded by a thread of its own, which then waits
    // for its room in the text and copies the second half of its units
    // there, while this thread copies the first half.
    std::latch decoded(std::ptrdiff_t(pieces.size() - 1));
    std::latch roomMade(1);
    auto secondHalf = [](Piece &piece) { return piece.sink->size() / 2; };
    std::vector<std::thread> workers;
    workers.reserve(pieces.size() - 1);
    for (size_t k = 1; k < pieces.size(); ++k) {
        workers.emplace_back([&piece = pieces[k], kind, &done, watch, &decoded, &roomMade, secondHalf] {
            try {
                piece.sink = std::make_unique<TextSink>(decodedCapacityHint(kind, piece.bytes));
                piece.ok = decodePiece(kind, piece.bytes, piece.offset, *piece.sink, &piece.error, done, watch, false);
            } catch (...) {
                piece.failure = std::current_exception();
            }
            decoded.count_down();
            roomMade.wait();
            if (piece.room) {
                const qsizetype half = secondHalf(piece);
                piece.sink->moveUnits(half, piece.sink->size(), piece.room);
            }
        });
    }
    Piece &first = pieces.front();
    try {
        first.ok = decodePiece(kind, first.bytes, 0, sink, &first.error, done, watch, true);
    } catch (...) {
        first.failure = std::current_exception();
    }
    decoded.wait();

    // In order: the first failure is the one a single decode would have met.
    bool ok = true;
    std::exception_ptr failure;
    for (Piece &piece : pieces) {
        if (piece.failure) {
            failure = piece.failure;
            break;
        }
        if (!piece.ok) {
            if (error)
                *error = piece.error;
            ok = false;
            break;
        }
    }
    if (ok && !failure) {
        std::vector<TextSink *> later;
        for (size_t k = 1; k < pieces.size(); ++k)
            later.push_back(pieces[k].sink.get());
        try {
            if (char16_t *room = sink.joinRoom(later)) {
                for (size_t k = 1; k < pieces.size(); ++k) {
                    pieces[k].room = room;
                    room += pieces[k].sink->size();
                }
            }
        } catch (...) {
            failure = std::current_exception();
        }
    }
    roomMade.count_down();
    for (size_t k = 1; k < pieces.size(); ++k) {
        if (pieces[k].room)
            pieces[k].sink->moveUnits(0, secondHalf(pieces[k]), pieces[k].room);
    }
    for (std::thread &worker : workers)
        worker.join();
    if (failure)
        std::rethrow_exception(failure);
    return ok;
}

} // namespace quillon
