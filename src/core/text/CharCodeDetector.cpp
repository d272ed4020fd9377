#include "CharCodeDetector.h"

#include "FileMessages.h"
#include "MappedFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <future>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quillon {

namespace {

using Byte = unsigned char;

constexpr bool in(Byte b, Byte lo, Byte hi) { return b >= lo && b <= hi; }

// Two-byte patterns that betray a code: hiragana, katakana, full-width digits
// and Latin letters in each encoding.
constexpr bool sjisPair(Byte a, Byte b)
{
    if (a == 0x82)
        return in(b, 0x9F, 0xF1) || in(b, 0x4F, 0x58) || in(b, 0x60, 0x79) || in(b, 0x81, 0x9A);
    return a == 0x83 && in(b, 0x40, 0x96);
}

constexpr bool eucPair(Byte a, Byte b)
{
    switch (a) {
    case 0xA4: return in(b, 0xA1, 0xF3);
    case 0xA5: return in(b, 0xA1, 0xF6);
    case 0xA3: return in(b, 0xB0, 0xB9) || in(b, 0xC1, 0xDA) || in(b, 0xE1, 0xFA);
    default: return false;
    }
}

// JIS pairs are the EUC-JP pairs with the high bit cleared.
constexpr bool jisPair(Byte a, Byte b)
{
    return a < 0x80 && b < 0x80 && eucPair(Byte(a | 0x80), Byte(b | 0x80));
}

// Kana and full-width digits and letters in UTF-8, p[0] being E3 or EF.
constexpr bool utf8Triple(const Byte *p)
{
    if (p[0] == 0xE3) {
        switch (p[1]) {
        case 0x81: return in(p[2], 0x81, 0xBF);
        case 0x82: return in(p[2], 0x80, 0x93) || in(p[2], 0xA1, 0xBF);
        case 0x83: return in(p[2], 0x80, 0xB6);
        default: return false;
        }
    }
    if (p[0] == 0xEF) {
        switch (p[1]) {
        case 0xBC: return in(p[2], 0x90, 0x99) || in(p[2], 0xA1, 0xBA);
        case 0xBD: return in(p[2], 0x81, 0x9A);
        default: return false;
        }
    }
    return false;
}

// A UTF-8 candidate right after a Shift_JIS lead byte is taken as the
// second byte of that pair.
constexpr bool guarded(const Byte *p, qsizetype i)
{
    if (i == 0)
        return false;
    const Byte prev = p[i - 1];
    return (prev == 0x81 && p[i] >= 0xE3) || (in(prev, 0x82, 0x9F) && p[i] <= 0xE3);
}

const Byte *findByte(const Byte *from, const Byte *end, Byte b)
{
    if (from >= end)
        return nullptr;
    return static_cast<const Byte *>(std::memchr(from, b, size_t(end - from)));
}

// Tries the positions in [from, end) that hold one of the lead bytes, in
// order, until test accepts one. Each lead is looked for with memchr, so the
// bytes in between pass at memory speed: a 70 MB file without a match (the
// UTF-8 scan over Shift_JIS text, every scan over plain ASCII) is read
// through several times and must not crawl.
//
// A large input is scanned in two halves at once (splitFrom bytes or more).
// Whether a match exists does not depend on where it is, so the halves are
// independent; the first match found stops the other half, which then
// answers true as well.
constexpr qsizetype NoSplit = std::numeric_limits<qsizetype>::max();

template <size_t K, typename Test>
bool scanLeads(const Byte *from, const Byte *end, const Byte (&leads)[K], Test test, qsizetype splitFrom,
               const std::atomic<bool> *stop = nullptr)
{
    if (end - from >= splitFrom && end - from >= 2) {
        const Byte *mid = from + (end - from) / 2;
        std::atomic<bool> found{false};
        auto back = std::async(std::launch::async, [&] {
            const bool hit = scanLeads(mid, end, leads, test, NoSplit, &found);
            if (hit)
                found.store(true, std::memory_order_relaxed);
            return hit;
        });
        const bool front = scanLeads(from, mid, leads, test, NoSplit, &found);
        if (front)
            found.store(true, std::memory_order_relaxed);
        return back.get() || front;
    }
    const Byte *next[K];
    for (size_t k = 0; k < K; ++k)
        next[k] = findByte(from, end, leads[k]);
    for (;;) {
        size_t best = K;
        for (size_t k = 0; k < K; ++k) {
            if (next[k] && (best == K || next[k] < next[best]))
                best = k;
        }
        if (best == K)
            return false;
        if (stop && stop->load(std::memory_order_relaxed))
            return true;
        const Byte *q = next[best];
        if (test(q))
            return true;
        next[best] = findByte(q + 1, end, leads[best]);
    }
}

// i from 0 to n - 4: the last three bytes are never taken as a start.
bool utf8Scan(const Byte *p, qsizetype n, qsizetype splitFrom)
{
    if (n < 4)
        return false;
    static constexpr Byte leads[] = {0xE3, 0xEF};
    return scanLeads(
        p, p + (n - 3), leads, [p](const Byte *q) { return utf8Triple(q) && !guarded(p, q - p); }, splitFrom);
}

// i from 0 to n - 3: the last two bytes are never taken as a pair.
bool sjisScan(const Byte *p, qsizetype n, qsizetype splitFrom)
{
    static constexpr Byte leads[] = {0x82, 0x83};
    return scanLeads(p, p + (n - 2), leads, [](const Byte *q) { return sjisPair(q[0], q[1]); }, splitFrom);
}

bool eucScan(const Byte *p, qsizetype n, qsizetype splitFrom)
{
    static constexpr Byte leads[] = {0xA3, 0xA4, 0xA5};
    return scanLeads(p, p + (n - 2), leads, [](const Byte *q) { return eucPair(q[0], q[1]); }, splitFrom);
}

bool jisScan(const Byte *p, qsizetype n, qsizetype splitFrom)
{
    static constexpr Byte leads[] = {0x23, 0x24, 0x25};
    return scanLeads(p, p + (n - 2), leads, [](const Byte *q) { return jisPair(q[0], q[1]); }, splitFrom);
}

// Every wide line end holds a 00 byte, so both wide stages step from one
// zero to the next; a text without zeros is passed over by memchr alone.

// The first 00 byte, or null. A large input is searched in two halves at
// once: the front half's zero, if it has one, is the first.
const Byte *firstZero(const Byte *p, qsizetype n, qsizetype splitFrom)
{
    if (n < splitFrom || n < 2)
        return findByte(p, p + n, 0);
    const qsizetype mid = n / 2;
    auto back = std::async(std::launch::async, [p, mid, n] { return findByte(p + mid, p + n, 0); });
    const Byte *front = findByte(p, p + mid, 0);
    const Byte *later = back.get();
    return front ? front : later;
}

// 0D 00 0A 00 or 00 0D 00 0A at an even offset i >= start, i <= n - 4;
// zero is the first 00 byte.
bool wideCrLf(const Byte *p, qsizetype n, qsizetype start, const Byte *zero, DetectResult &r)
{
    const Byte *end = p + n;
    for (const Byte *z = zero; z; z = findByte(z + 1, end, 0)) {
        const qsizetype pos = z - p;
        const bool odd = pos & 1;
        // A zero at an odd offset can only be the 00 after 0D (little-endian),
        // one at an even offset only the 00 before 0D (big-endian); every
        // other place this zero could take in a match belongs to an earlier
        // zero, already tried.
        const qsizetype i = odd ? pos - 1 : pos;
        if (i > n - 4)
            return false;
        if (i < start)
            continue;
        const bool little = odd && p[i] == 0x0D && p[i + 2] == 0x0A && p[i + 3] == 0x00;
        const bool big = !odd && p[i + 1] == 0x0D && p[i + 2] == 0x00 && p[i + 3] == 0x0A;
        if (little || big) {
            r.lineEnd = LineEndCrLf;
            if (r.charCode != CodeUtf16BeBom && r.charCode != CodeUtf16LeBom)
                r.charCode = little ? CodeUtf16Le : CodeUtf16Be;
            return true;
        }
    }
    return false;
}

// 00 0D, 0D 00, 00 0A or 0A 00 at an even offset i <= n - 2; zero is the
// first 00 byte.
bool wideSingle(const Byte *p, qsizetype n, const Byte *zero, DetectResult &r)
{
    const Byte *end = p + n;
    for (const Byte *z = zero; z; z = findByte(z + 1, end, 0)) {
        const qsizetype i = (z - p) & ~qsizetype(1);
        if (i > n - 2)
            return false;
        const Byte a = p[i];
        const Byte b = p[i + 1];
        int lineEnd;
        int code;
        if (a == 0x00 && b == 0x0D) {
            lineEnd = LineEndCr;
            code = CodeUtf16Be;
        } else if (a == 0x0D && b == 0x00) {
            lineEnd = LineEndCr;
            code = CodeUtf16Le;
        } else if (a == 0x00 && b == 0x0A) {
            lineEnd = LineEndLf;
            code = CodeUtf16Be;
        } else if (a == 0x0A && b == 0x00) {
            lineEnd = LineEndLf;
            code = CodeUtf16Le;
        } else {
            continue;
        }
        r.lineEnd = lineEnd;
        if (r.charCode != CodeUtf16BeBom && r.charCode != CodeUtf16LeBom)
            r.charCode = code;
        return true;
    }
    return false;
}

#if !defined(__SSE2__)
// How many of the eight bytes of w equal the byte repeated in ones. The
// zero-byte test is the exact one (no borrow between bytes), so each equal
// byte gives one 0x80 bit, and the multiplication adds them up.
inline int countEqual(uint64_t w, uint64_t ones)
{
    constexpr uint64_t low7 = 0x7F7F7F7F7F7F7F7Full;
    const uint64_t x = w ^ ones;
    const uint64_t high = ~(((x & low7) + low7) | x | low7);
    return int(((high >> 7) * 0x0101010101010101ull) >> 56);
}
#endif

struct LineEndCounts {
    qsizetype cr = 0;
    qsizetype lf = 0;
};

LineEndCounts countCrLf(const Byte *p, qsizetype n)
{
    // This pass reads the whole file, so it goes as wide as the machine does.
    LineEndCounts c;
    qsizetype i = 0;
#if defined(__SSE2__)
    // Sixteen bytes a step: each lane counts its equal bytes down from 0,
    // and the lanes are summed before 255 steps can wrap them.
    const __m128i crs = _mm_set1_epi8(0x0D);
    const __m128i lfs = _mm_set1_epi8(0x0A);
    const __m128i zero = _mm_setzero_si128();
    auto total = [zero](__m128i lanes) {
        const __m128i sums = _mm_sad_epu8(lanes, zero);
        return qsizetype(_mm_cvtsi128_si32(sums)) + qsizetype(_mm_extract_epi16(sums, 4));
    };
    while (n - i >= 16) {
        const qsizetype steps = std::min<qsizetype>((n - i) / 16, 255);
        __m128i cr = zero;
        __m128i lf = zero;
        for (qsizetype k = 0; k < steps; ++k, i += 16) {
            const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
            cr = _mm_sub_epi8(cr, _mm_cmpeq_epi8(w, crs));
            lf = _mm_sub_epi8(lf, _mm_cmpeq_epi8(w, lfs));
        }
        c.cr += total(cr);
        c.lf += total(lf);
    }
#else
    // Eight bytes a step where there is no vector unit to count with.
    constexpr uint64_t crs = 0x0D0D0D0D0D0D0D0Dull;
    constexpr uint64_t lfs = 0x0A0A0A0A0A0A0A0Aull;
    for (; i + 8 <= n; i += 8) {
        uint64_t w;
        std::memcpy(&w, p + i, 8);
        c.cr += countEqual(w, crs);
        c.lf += countEqual(w, lfs);
    }
#endif
    for (; i < n; ++i) {
        c.cr += p[i] == 0x0D;
        c.lf += p[i] == 0x0A;
    }
    return c;
}

// Two halves at once for a large input: the counts add up.
LineEndCounts countCrLf(const Byte *p, qsizetype n, qsizetype splitFrom)
{
    if (n < splitFrom || n < 2)
        return countCrLf(p, n);
    const qsizetype mid = n / 2;
    auto back = std::async(std::launch::async, [p, mid, n] { return countCrLf(p + mid, n - mid); });
    LineEndCounts c = countCrLf(p, mid);
    const LineEndCounts b = back.get();
    c.cr += b.cr;
    c.lf += b.lf;
    return c;
}

void countLineEnds(const Byte *p, qsizetype n, DetectResult &r, qsizetype splitFrom)
{
    const LineEndCounts c = countCrLf(p, n, splitFrom);
    const qsizetype cr = c.cr, lf = c.lf;
    if (cr > 0 && lf > 0) {
        r.lineEnd = LineEndCrLf;
        r.lfInCrLf = cr != lf;
    } else if (cr > 0) {
        r.lineEnd = LineEndCr;
    } else if (lf > 0) {
        r.lineEnd = LineEndLf;
    } else {
        r.lineEnd = LineEndNone;
    }
}

// 09, 0A, 0D and everything from 20 up is shown; 1B is let through the test
// because JIS text is full of escapes, but it is not copied.
constexpr bool controlByte(Byte b)
{
    return b < 0x20 && b != 0x09 && b != 0x0A && b != 0x0D && b != 0x1B;
}

constexpr bool keptInCopy(Byte b)
{
    return b >= 0x20 || b == 0x09 || b == 0x0A || b == 0x0D;
}

int classifyCode(const Byte *p, qsizetype n, qsizetype splitFrom)
{
    if (n == 1)
        return CodeShiftJis;
    if (n == 2) {
        if (p[0] == 0xFF && p[1] == 0xFE)
            return CodeUtf16LeBom;
        if (p[0] == 0xFE && p[1] == 0xFF)
            return CodeUtf16BeBom;
        if (eucPair(p[0], p[1]))
            return CodeEucJp;
        if (sjisPair(p[0], p[1]))
            return CodeShiftJis;
        if (jisPair(p[0], p[1]))
            return CodeJis;
        return CodeShiftJis;
    }
    if (p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF)
        return CodeUtf8Bom;
    if (p[0] == 0xFF && p[1] == 0xFE)
        return CodeUtf16LeBom;
    if (p[0] == 0xFE && p[1] == 0xFF)
        return CodeUtf16BeBom;
    if (utf8Scan(p, n, splitFrom))
        return CodeUtf8;
    if (sjisScan(p, n, splitFrom))
        return CodeShiftJis;
    if (eucScan(p, n, splitFrom))
        return CodeEucJp;
    if (jisScan(p, n, splitFrom))
        return CodeJis;
    return CodeShiftJis;
}

bool isUtf16(int code)
{
    return code >= CodeUtf16BeBom && code <= CodeUtf16Le;
}

} // namespace

DetectResult detectCharCode(QByteArrayView bytes, qsizetype splitFrom)
{
    DetectResult r;
    const auto *p = reinterpret_cast<const Byte *>(bytes.data());
    const qsizetype n = bytes.size();
    if (n == 0) {
        r.lineEnd = LineEndNone;
        return r;
    }

    r.charCode = classifyCode(p, n, splitFrom);

    // Wide line ends hold a 00 byte: a text without one (nearly every file
    // that is not UTF-16) is looked through for a zero once, not by each
    // wide stage in turn.
    const bool withMark = r.charCode == CodeUtf16BeBom || r.charCode == CodeUtf16LeBom;
    const Byte *zero = firstZero(p, n, splitFrom);
    if (!zero || (!wideCrLf(p, n, withMark ? 2 : 0, zero, r) && !wideSingle(p, n, zero, r)))
        countLineEnds(p, n, r, splitFrom);

    if (isUtf16(r.charCode))
        return r;
    r.writesCopy = true;
    const qsizetype sample = std::min(n, ControlByteSample);
    for (qsizetype i = 0; i < sample; ++i) {
        if (controlByte(p[i])) {
            r.unknownChar = true;
            break;
        }
    }
    if (r.unknownChar) {
        r.copy.resize(n);
        char *out = r.copy.data();
        for (qsizetype i = 0; i < n; ++i) {
            if (keptInCopy(p[i]))
                *out++ = char(p[i]);
        }
        r.copy.truncate(out - r.copy.constData());
    }
    return r;
}

qsizetype countLineBreakBytes(QByteArrayView bytes, qsizetype splitFrom)
{
    const LineEndCounts c = countCrLf(reinterpret_cast<const Byte *>(bytes.data()), bytes.size(), splitFrom);
    return c.cr + c.lf;
}

namespace {

DetectFileResult failure(DetectFileError error, const QString &reason = QString())
{
    DetectFileResult r;
    r.error = error;
    r.reason = reason;
    return r;
}

} // namespace

DetectFileResult GetCharCodeRetCode(const QString &fileName, const QString &copyPath,
                                    const std::function<void(QByteArrayView, const DetectResult &)> &withBytes)
{
    if (!withBytes)
        return GetCharCodeRetCode(fileName, copyPath,
                                  std::function<void(QByteArrayView, const DetectResult &, const BytesDone &)>());
    return GetCharCodeRetCode(fileName, copyPath,
                              [&](QByteArrayView bytes, const DetectResult &d, const BytesDone &) { withBytes(bytes, d); });
}

DetectFileResult
GetCharCodeRetCode(const QString &fileName, const QString &copyPath,
                   const std::function<void(QByteArrayView, const DetectResult &, const BytesDone &)> &withBytes)
{
    const QFileInfo info(fileName);
    if (fileName.isEmpty() || !info.exists())
        return failure(DetectFileError::NotFound);
    // Opening a pipe would wait for a writer; a device has no size.
    if (!info.isFile() && !info.isDir())
        return failure(DetectFileError::CannotRead, QStringLiteral("Not a regular file"));

    MappedFile file;
    if (!file.open(fileName))
        return failure(DetectFileError::CannotRead, file.errorString());
    if (file.size() > MaxDetectFileSize)
        return failure(DetectFileError::TooLarge);
    // The file is examined in place: no second copy of a large file.
    if (!file.load())
        return failure(DetectFileError::CannotRead, file.errorString());

    DetectFileResult r;
    r.detection = detectCharCode(file.bytes());
    if (withBytes) {
        withBytes(file.bytes(), r.detection, [&file](QByteArrayView done) { file.release(done); });
    }

    if (r.detection.writesCopy && !copyPath.isEmpty()) {
        QSaveFile copy(copyPath);
        if (!copy.open(QIODevice::WriteOnly) || copy.write(r.detection.copy) != r.detection.copy.size()
            || !copy.commit()) {
            r.copyError = copy.errorString();
        }
    }
    return r;
}

QString detectErrorMessage(const DetectFileResult &result, bool japanese)
{
    MessageText m;
    switch (result.error) {
    case DetectFileError::None:
        return QString();
    case DetectFileError::NotFound:
        m = fileNotExistMessage();
        break;
    case DetectFileError::CannotRead:
        m = cannotReadMessage(QString(), result.reason, result.reason);
        break;
    case DetectFileError::TooLarge:
        m = tooLargeMessage(QString());
        break;
    }
    return japanese ? m.japanese : m.english;
}

} // namespace quillon
