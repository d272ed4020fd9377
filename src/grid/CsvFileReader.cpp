#include "CsvFileReader.h"

#include "CharCode.h"
#include "CharCodeDetector.h"
#include "Decoder.h"
#include "GridCodes.h"
#include "TextBuffer.h"

#include <QFileInfo>
#include <cstring>

namespace quillon {

namespace {

bool isUtf16(int code)
{
    return code >= CodeUtf16BeBom && code <= CodeUtf16Le;
}

bool isBigEndian(int code)
{
    return code == CodeUtf16BeBom || code == CodeUtf16Be;
}

DecoderKind decoderFor(int code)
{
    switch (code) {
    case CodeJis: return DecoderKind::Iso2022Jp;
    case CodeEucJp: return DecoderKind::EucJp;
    case CodeUtf7: return DecoderKind::Utf7;
    case CodeUtf8Bom:
    case CodeUtf8: return DecoderKind::Utf8Lenient;
    case CodeUtf16BeBom:
    case CodeUtf16Be: return DecoderKind::Utf16Be;
    case CodeUtf16LeBom:
    case CodeUtf16Le: return DecoderKind::Utf16Le;
    default: return DecoderKind::Cp932;
    }
}

// The line breaks inside one line's bytes, unit by unit, paired as the
// decoders' text sink pairs them (CR LF once, a lone CR or LF once each).
void innerBreaks(QByteArrayView bytes, int code, std::vector<QStringView> &kinds)
{
    static constexpr QStringView crlf = u"\r\n";
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    if (!isUtf16(code)) {
        const qsizetype n = bytes.size();
        for (qsizetype i = 0; i < n; ++i) {
            if (p[i] == 0x0D) {
                if (i + 1 < n && p[i + 1] == 0x0A) {
                    kinds.push_back(crlf);
                    ++i;
                } else {
                    kinds.push_back(crlf.first(1));
                }
            } else if (p[i] == 0x0A) {
                kinds.push_back(crlf.last(1));
            }
        }
        return;
    }
    const bool be = isBigEndian(code);
    const qsizetype units = bytes.size() / 2;
    auto unit = [&](qsizetype i) { return be ? (p[2 * i] << 8 | p[2 * i + 1]) : (p[2 * i + 1] << 8 | p[2 * i]); };
    for (qsizetype i = 0; i < units; ++i) {
        const int u = unit(i);
        if (u == 0x0D) {
            if (i + 1 < units && unit(i + 1) == 0x0A) {
                kinds.push_back(crlf);
                ++i;
            } else {
                kinds.push_back(crlf.first(1));
            }
        } else if (u == 0x0A) {
            kinds.push_back(crlf.last(1));
        }
    }
}

class LineDecoder {
public:
    explicit LineDecoder(int code)
        : m_code(code)
        , m_kind(decoderFor(code))
        , m_decoder(createDecoder(m_kind))
    {
    }

    QString decode(QByteArrayView bytes)
    {
        TextSink sink(decodedCapacityHint(m_kind, bytes));
        m_decoder->decode(bytes, sink, nullptr);
        const TextBuffer text = sink.finish();
        if (text.lineCount() <= 1)
            return text.text();
        // The sink writes every break as CR LF; a cell keeps the break the
        // file holds (a lone CR stays a CR, a lone LF an LF).
        m_kinds.clear();
        innerBreaks(bytes, m_code, m_kinds);
        if (int(m_kinds.size()) != text.lineCount() - 1)
            return text.text(); // a break the bytes do not show (UTF-7 can encode one)
        QString line;
        line.reserve(text.length());
        for (int i = 0; i < text.lineCount(); ++i) {
            line.append(text.line(i));
            if (i + 1 < text.lineCount())
                line.append(m_kinds[size_t(i)]);
        }
        return line;
    }

private:
    int m_code;
    DecoderKind m_kind;
    std::unique_ptr<Decoder> m_decoder;
    std::vector<QStringView> m_kinds;
};

} // namespace

int CsvFileReader::markLength(int code)
{
    switch (code) {
    case CodeUtf8Bom: return 3;
    case CodeUtf16BeBom:
    case CodeUtf16LeBom: return 2;
    default: return 0;
    }
}

void CsvFileReader::cutLines(QByteArrayView bytes, int code, int lineEnd, const std::function<void(Span)> &line)
{
    const qsizetype mark = std::min<qsizetype>(markLength(code), bytes.size());
    const qsizetype n = bytes.size();
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    qsizetype start = mark;
    if (lineEnd < LineEndCrLf || lineEnd > LineEndLf) {
        if (n > start)
            line({start, n - start});
        return;
    }
    if (!isUtf16(code)) {
        const uchar key = lineEnd == LineEndLf ? 0x0A : 0x0D;
        const qsizetype patternLength = lineEnd == LineEndCrLf ? 2 : 1;
        qsizetype i = start;
        while (i < n) {
            const void *hit = std::memchr(p + i, key, size_t(n - i));
            if (!hit)
                break;
            const qsizetype at = static_cast<const uchar *>(hit) - p;
            if (patternLength == 2 && (at + 1 >= n || p[at + 1] != 0x0A)) {
                i = at + 1; // a lone CR stays inside its line
                continue;
            }
            line({start, at - start});
            start = i = at + patternLength;
        }
    } else {
        const bool be = isBigEndian(code);
        auto unit = [&](qsizetype at) { return be ? (p[at] << 8 | p[at + 1]) : (p[at + 1] << 8 | p[at]); };
        const int key = lineEnd == LineEndLf ? 0x0A : 0x0D;
        const qsizetype patternLength = lineEnd == LineEndCrLf ? 4 : 2;
        qsizetype i = start;
        while (i + 2 <= n) {
            if (unit(i) == key
                && (patternLength == 2 || (i + 4 <= n && unit(i + 2) == 0x0A))) {
                line({start, i - start});
                start = i = i + patternLength;
            } else {
                i += 2;
            }
        }
    }
    if (n > start)
        line({start, n - start});
}

namespace {

enum BreakKind : uint8_t { BreakCrLf, BreakCr, BreakLf };

struct RawBreak {
    uint32_t end; // byte offset right after the break, from the start of the body
    BreakKind kind;
};

// Every line break of the body, unit by unit, paired as the text sink pairs
// decoded units: CR LF once, a lone CR or LF once each.
std::vector<RawBreak> rawBreaks(QByteArrayView body, int code)
{
    std::vector<RawBreak> breaks;
    const auto *p = reinterpret_cast<const uchar *>(body.data());
    const qsizetype n = body.size();
    if (!isUtf16(code)) {
        for (qsizetype i = 0; i < n; ++i) {
            const uchar c = p[i];
            if (c > 0x0D || (c != 0x0D && c != 0x0A))
                continue;
            if (c == 0x0D && i + 1 < n && p[i + 1] == 0x0A) {
                breaks.push_back({uint32_t(i + 2), BreakCrLf});
                ++i;
            } else {
                breaks.push_back({uint32_t(i + 1), c == 0x0D ? BreakCr : BreakLf});
            }
        }
        return breaks;
    }
    const bool be = isBigEndian(code);
    const qsizetype units = n / 2;
    auto unit = [&](qsizetype i) { return be ? (p[2 * i] << 8 | p[2 * i + 1]) : (p[2 * i + 1] << 8 | p[2 * i]); };
    for (qsizetype i = 0; i < units; ++i) {
        const int u = unit(i);
        if (u != 0x0D && u != 0x0A)
            continue;
        if (u == 0x0D && i + 1 < units && unit(i + 1) == 0x0A) {
            breaks.push_back({uint32_t(2 * i + 4), BreakCrLf});
            ++i;
        } else {
            breaks.push_back({uint32_t(2 * i + 2), u == 0x0D ? BreakCr : BreakLf});
        }
    }
    return breaks;
}

// The slow road, line by line: for bytes whose breaks the decoded text does
// not show one for one (UTF-7 can encode a CR; a broken lead byte can take one).
CsvLines decodeLineByLine(QByteArrayView bytes, int code, int lineEnd)
{
    CsvLines out;
    LineDecoder decoder(code);
    CsvFileReader::cutLines(bytes, code, lineEnd, [&](CsvFileReader::Span s) {
        const QString line = decoder.decode(bytes.sliced(s.start, s.length));
        out.m_ranges.push_back({int32_t(out.m_text.size()), int32_t(line.size())});
        out.m_text += line;
    });
    return out;
}

constexpr qsizetype ChunkBytes = qsizetype(4) << 20;

} // namespace

CsvLines CsvFileReader::cutAndDecode(QByteArrayView bytes, int code, int lineEnd, const CsvProgress &progress,
                                     bool *cancelled, bool *tooLarge)
{
    if (cancelled)
        *cancelled = false;
    if (tooLarge)
        *tooLarge = false;
    const qsizetype mark = std::min<qsizetype>(markLength(code), bytes.size());
    const QByteArrayView body = bytes.sliced(mark);
    if (body.isEmpty())
        return {};
    const std::vector<RawBreak> breaks = rawBreaks(body, code);

    // The whole body through one text sink, in pieces that end at a line
    // break so a long read can report progress and be stopped.
    const DecoderKind kind = decoderFor(code);
    const std::unique_ptr<Decoder> decoder = createDecoder(kind);
    // Every break adds at most one unit (a lone CR or LF becomes CR LF).
    TextSink sink(decodedCapacityHint(kind, body, qsizetype(breaks.size())));
    qsizetype from = 0;
    size_t nextBreak = 0;
    while (from < body.size()) {
        qsizetype to = body.size();
        if (body.size() - from > ChunkBytes) {
            while (nextBreak < breaks.size() && qsizetype(breaks[nextBreak].end) < from + ChunkBytes)
                ++nextBreak;
            if (nextBreak < breaks.size())
                to = breaks[nextBreak].end;
        }
        decoder->decode(body.sliced(from, to - from), sink, nullptr);
        from = to;
        if (progress && !progress(mark + from, bytes.size())) {
            if (cancelled)
                *cancelled = true;
            return {};
        }
    }
    if (sink.overflowed()) {
        if (tooLarge)
            *tooLarge = true;
        return {};
    }
    QString text;
    {
        const TextBuffer buffer = sink.finish();
        if (buffer.lineCount() - 1 != qsizetype(breaks.size()))
            return decodeLineByLine(bytes, code, lineEnd);
        text = buffer.text();
    } // the only reference now: the text is cut in place without a copy

    // Every break of the sink's text is CR LF; each becomes what the file
    // holds: a cut between two lines, or the break kept inside its line. The
    // text is rewritten in place only from the first break kept in a line
    // on: until then (in most files: always) the lines stay where they are
    // and the cut CR LF pairs between them are simply stepped over.
    CsvLines out;
    char16_t *d = reinterpret_cast<char16_t *>(text.data());
    const QStringView view(text);
    const qsizetype n = text.size();
    qsizetype w = 0, lineStart = 0, r = 0;
    size_t k = 0;
    uint32_t lastCutEnd = 0;
    auto put = [&](char16_t c) { d[w++] = c; };
    while (r <= n) {
        qsizetype cr = view.indexOf(u'\r', r);
        if (cr < 0)
            cr = n;
        if (w != r && cr > r)
            std::memmove(d + w, d + r, size_t(cr - r) * sizeof(char16_t));
        w += cr - r;
        if (cr >= n)
            break;
        r = cr + 2; // the CR and the LF the sink wrote after it
        const RawBreak b = breaks[k++];
        bool cutHere = false;
        switch (lineEnd) {
        case LineEndCrLf:
            if (b.kind == BreakCrLf)
                cutHere = true;
            else
                put(b.kind == BreakCr ? u'\r' : u'\n');
            break;
        case LineEndCr:
            if (b.kind == BreakLf)
                put(u'\n');
            else
                cutHere = true; // a CR LF: the LF begins the next line, below
            break;
        case LineEndLf:
            if (b.kind == BreakCr) {
                put(u'\r');
            } else {
                if (b.kind == BreakCrLf)
                    put(u'\r');
                cutHere = true;
            }
            break;
        default:
            // No line end: every break stays, CR LF as two characters.
            if (b.kind != BreakLf)
                put(u'\r');
            if (b.kind != BreakCr)
                put(u'\n');
            break;
        }
        if (!cutHere)
            continue;
        out.m_ranges.push_back({int32_t(lineStart), int32_t(w - lineStart)});
        if (lineEnd == LineEndCr && b.kind == BreakCrLf) {
            // The LF begins the next line.
            lastCutEnd = b.end - (isUtf16(code) ? 2 : 1);
            if (w == cr) {
                lineStart = cr + 1; // the sink's LF, where it is
                w = r;
            } else {
                lineStart = w;
                put(u'\n');
            }
        } else {
            lastCutEnd = b.end;
            if (w == cr)
                w = r; // nothing moved yet: step over the pair
            lineStart = w;
        }
    }
    // Bytes after the last cut form the last line, even when they decode to nothing.
    if (qsizetype(lastCutEnd) < body.size())
        out.m_ranges.push_back({int32_t(lineStart), int32_t(w - lineStart)});
    text.truncate(w);
    out.m_text = std::move(text);
    return out;
}

CsvFile CsvFileReader::read(const QString &path, int readChoice, const QString &copyPath, const CsvProgress &progress)
{
    CsvFile r;
    const QFileInfo info(path);
    bool tooLarge = false;
    const DetectFileResult detected =
        GetCharCodeRetCode(path, copyPath, [&](QByteArrayView bytes, const DetectResult &d) {
            r.IntLoadFileSize = quint32(bytes.size());
            r.IntReadReturn1 = d.lineEnd;
            r.BoolLfInLine = d.lfInCrLf;
            r.BoolUnKnownCharCode = d.unknownChar;
            r.IntReadEncode1 = GridCodes::codeInEffect(readChoice, d.charCode);
            r.lines = cutAndDecode(bytes, r.IntReadEncode1, r.IntReadReturn1, progress, &r.cancelled, &tooLarge);
        });
    switch (detected.error) {
    case DetectFileError::None:
        break;
    case DetectFileError::NotFound:
        r.status = CsvFile::Status::NotFound;
        return r;
    case DetectFileError::CannotRead:
        r.status = CsvFile::Status::CannotRead;
        r.reason = detected.reason;
        return r;
    case DetectFileError::TooLarge:
        r.status = CsvFile::Status::TooLarge;
        return r;
    }
    if (tooLarge)
        r.status = CsvFile::Status::TooLarge;
    r.readOnlyAttribute = info.exists() && !info.isWritable();
    return r;
}

} // namespace quillon
