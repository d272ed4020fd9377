#include "TextLoader.h"

#include "CharCode.h"
#include "CharCodeDetector.h"
#include "Decoder.h"
#include "MappedFile.h"
#include "ParallelDecoder.h"
#include "SystemCodePage.h"

#include <QFile>
#include <QFileInfo>
#include <new>
#include <optional>

namespace quillon {

namespace {

using Status = LoadedText::Status;

bool startsWith(QByteArrayView b, std::initializer_list<uchar> mark)
{
    if (b.size() < qsizetype(mark.size()))
        return false;
    qsizetype i = 0;
    for (uchar m : mark) {
        if (uchar(b[i++]) != m)
            return false;
    }
    return true;
}

using Done = std::function<void(QByteArrayView)>;

LoadedText decodeWith(DecoderKind kind, QByteArrayView bytes, const Done &done = {},
                      TextLoadProgress *progress = nullptr)
{
    LoadedText result;
    std::optional<TextSink> own;
    ParallelDecoder::Watch watch;
    const bool shown = progress && ParallelDecoder::cuts(kind);
    if (shown) {
        // The text is written where it is shown from: all its room is made
        // now, so it never moves. The room is bounded by the line breaks:
        // bounds from the byte count alone would ask the system for four
        // times the file for the line index and as much again for the text,
        // which a machine with less memory than that refuses outright.
        const bool byBytes = lineBreaksAreBytes(kind);
        const qsizetype breaks = byBytes ? countLineBreakBytes(bytes) : 0;
        progress->sink.emplace(decodedCapacityHint(kind, bytes, breaks));
        // Every line after the first starts after a break byte; in UTF-16,
        // the other code shown while it loads, after a unit of two bytes.
        progress->sink->reserveLines(byBytes ? breaks + 1 : bytes.size() / 2 + 1);
        watch.shown = [progress](const TextSink &s) {
            const int lines = s.lineStartCount();
            progress->publish({s.data(), s.lineStartData()[lines - 1], s.lineStartData(), lines});
        };
        watch.stop = progress->stopFlag();
    } else {
        own.emplace(decodedCapacityHint(kind, bytes));
    }
    TextSink &sink = shown ? *progress->sink : *own;
    DecodeError error;
    bool ok = false;
    if (ParallelDecoder::cuts(kind)) {
        // A large text is decoded on every core, in pieces cut at line feeds.
        const std::vector<qsizetype> cuts = ParallelDecoder::cutPoints(kind, bytes, ParallelDecoder::defaultParts(),
                                                                       ParallelDecoder::DefaultMinPiece);
        ok = ParallelDecoder::decode(kind, bytes, cuts, sink, &error, done, shown ? &watch : nullptr);
    } else {
        ok = createDecoder(kind)->decode(bytes, sink, &error);
    }
    if (!ok) {
        result.status = Status::DecodeError;
        result.reasonJapanese = error.japanese;
        result.reasonEnglish = error.english;
        return result;
    }
    if (sink.overflowed()) {
        result.status = Status::TooLarge;
        return result;
    }
    result.buffer = std::make_shared<const TextBuffer>(sink.finish());
    return result;
}

// The read-only attribute: the owner may not write the file (root may write
// anything, so the permission bit decides, not an access check).
bool isReadOnlyFile(const QString &path)
{
    return !(QFileInfo(path).permissions() & QFileDevice::WriteOwner);
}

LoadedText tooLarge()
{
    LoadedText r;
    r.status = Status::TooLarge;
    return r;
}

LoadedText cannotRead(const QString &reason)
{
    LoadedText r;
    r.status = Status::CannotRead;
    r.reasonJapanese = reason;
    r.reasonEnglish = reason;
    return r;
}

// How the viewer decodes bytes of a code that one stateless decoder takes
// straight, the mark of that decoder skipped. None for JIS and UTF-7, which
// carry state from line to line, and for the "with mark" codes, which go
// by the mark.
struct Route {
    DecoderKind kind;
    QByteArrayView bytes;
};

std::optional<Route> directRoute(int code, QByteArrayView bytes)
{
    switch (code) {
    case CodeShiftJis:
        return Route{DecoderKind::Cp932, bytes};
    case CodeEucJp:
        return Route{DecoderKind::EucJp, bytes};
    case CodeUtf8:
        // A mark that belongs to the chosen decoder never becomes text.
        return Route{DecoderKind::Utf8Strict, startsWith(bytes, {0xEF, 0xBB, 0xBF}) ? bytes.sliced(3) : bytes};
    case CodeUtf16Be:
        return Route{DecoderKind::Utf16Be, startsWith(bytes, {0xFE, 0xFF}) ? bytes.sliced(2) : bytes};
    case CodeUtf16Le:
        return Route{DecoderKind::Utf16Le, startsWith(bytes, {0xFF, 0xFE}) ? bytes.sliced(2) : bytes};
    case CodeJis:
    case CodeUtf7:
    case CodeUtf8Bom:
    case CodeUtf16BeBom:
    case CodeUtf16LeBom:
        return std::nullopt;
    default:
        return Route{DecoderKind::Cp932, bytes};
    }
}

// A large file's first screen, shown before the whole file is read and
// detected: its first bytes are detected and decoded alone, whole lines
// only. Gives the code they were decoded by, if anything was shown; the
// whole file's detection decides whether it stays.
constexpr qsizetype FirstScreenBytes = qsizetype(256) << 10;

std::optional<int> showFirstScreen(const QString &path, int readSetting, TextLoadProgress &progress)
{
    QFile file(path);
    // A file refused for its size shows nothing of itself.
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxDetectFileSize)
        return std::nullopt;
    const QByteArray head = file.read(FirstScreenBytes);
    const DetectResult d = detectCharCode(head);
    if (head.isEmpty() || d.unknownChar)
        return std::nullopt;
    const int code = readSetting != CodeAuto ? readSetting : d.charCode;
    const std::optional<Route> route = directRoute(code, head);
    if (!route || !ParallelDecoder::cuts(route->kind))
        return std::nullopt;
    const QByteArrayView lines = route->bytes.first(ParallelDecoder::wholeLines(route->kind, route->bytes));
    if (lines.isEmpty())
        return std::nullopt;
    TextSink &sink = progress.firstScreen.emplace(decodedCapacityHint(route->kind, lines));
    DecodeError error;
    if (!createDecoder(route->kind)->decode(lines, sink, &error) || sink.overflowed()) {
        progress.firstScreen.reset();
        return std::nullopt;
    }
    const int count = sink.lineStartCount();
    progress.publish({sink.data(), sink.lineStartData()[count - 1], sink.lineStartData(), count});
    return code;
}

} // namespace

LoadedText TextLoader::decodeBytes(QByteArrayView bytes, int code, const std::function<void(QByteArrayView)> &done,
                                   TextLoadProgress *progress)
{
    if (const std::optional<Route> route = directRoute(code, bytes))
        return decodeWith(route->kind, route->bytes, done, progress);
    switch (code) {
    case CodeJis:
        return decodeWith(DecoderKind::Iso2022Jp, bytes);
    case CodeUtf7:
        return decodeWith(DecoderKind::Utf7, bytes);
    default:
        return decodeCopy(bytes); // by the mark, else the system's code page
    }
}

LoadedText TextLoader::decodeCopy(QByteArrayView bytes)
{
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF}))
        return decodeWith(DecoderKind::Utf8Strict, bytes.sliced(3));
    if (startsWith(bytes, {0xFE, 0xFF}))
        return decodeWith(DecoderKind::Utf16Be, bytes.sliced(2));
    if (startsWith(bytes, {0xFF, 0xFE}))
        return decodeWith(DecoderKind::Utf16Le, bytes.sliced(2));
    return decodeWith(systemDecoderKind(), bytes);
}

namespace {

// load and reload as they go when every allocation succeeds.
LoadedText loadFile(const QString &path, int readSetting, const QString &unknownCopyPath, TextLoadProgress *progress)
{
    // Detection and decoding read the same mapping of the file.
    LoadedText result;
    int code = CodeShiftJis;
    const std::optional<int> firstScreenCode = progress ? showFirstScreen(path, readSetting, *progress) : std::nullopt;
    const DetectFileResult detected =
        GetCharCodeRetCode(path, unknownCopyPath, [&](QByteArrayView bytes, const DetectResult &d, const BytesDone &done) {
            code = readSetting != CodeAuto ? readSetting : d.charCode;
            // The whole file is of another code than its first bytes
            // suggested: the first screen shown was not its text.
            if (firstScreenCode && (d.unknownChar || code != *firstScreenCode))
                progress->withdraw();
            if (!d.unknownChar) {
                result = TextLoader::decodeBytes(bytes, code, done, progress);
                return;
            }
            // A file with control bytes is shown from its filtered copy,
            // decoded from memory, so a program folder that cannot take the
            // copy file still shows the text. The control bytes are gone
            // from the copy, so detecting it again sees ordinary text, and it
            // is decoded by that (or by the code the user chose).
            if (readSetting == CodeAuto)
                code = detectCharCode(QByteArrayView(d.copy)).charCode;
            result = TextLoader::decodeBytes(QByteArrayView(d.copy), code);
        });
    switch (detected.error) {
    case DetectFileError::NotFound: {
        LoadedText r;
        r.status = Status::Missing;
        return r;
    }
    case DetectFileError::CannotRead:
        return cannotRead(detected.reason);
    case DetectFileError::TooLarge:
        return tooLarge();
    case DetectFileError::None:
        break;
    }
    const DetectResult &d = detected.detection;
    result.fileSize = QFileInfo(path).size();
    result.detectedCode = d.charCode;
    result.codeInEffect = code;
    result.lineEnd = d.lineEnd;
    result.unknownChar = d.unknownChar;
    result.lfInCrLf = d.lfInCrLf;
    result.readOnlyAttribute = isReadOnlyFile(path);
    return result;
}

LoadedText reloadFile(const QString &path, int codeInEffect, bool unknownChar)
{
    if (!QFileInfo(path).isFile()) {
        LoadedText r;
        r.status = Status::Missing;
        return r;
    }
    MappedFile file;
    if (!file.open(path) || !file.load())
        return cannotRead(file.errorString());
    // The filtered copy is decoded by the code its load settled on.
    LoadedText result =
        unknownChar ? TextLoader::decodeBytes(QByteArrayView(detectCharCode(file.bytes()).copy), codeInEffect)
                    : TextLoader::decodeBytes(file.bytes(), codeInEffect,
                                              [&file](QByteArrayView done) { file.release(done); });
    result.fileSize = QFileInfo(path).size();
    result.codeInEffect = codeInEffect;
    result.unknownChar = unknownChar;
    result.readOnlyAttribute = isReadOnlyFile(path);
    return result;
}

} // namespace

LoadedText TextLoader::load(const QString &path, int readSetting, const QString &unknownCopyPath,
                            TextLoadProgress *progress)
{
    try {
        return loadFile(path, readSetting, unknownCopyPath, progress);
    } catch (const std::bad_alloc &) {
        return tooLarge();
    }
}

LoadedText TextLoader::reload(const QString &path, int codeInEffect, bool unknownChar)
{
    try {
        return reloadFile(path, codeInEffect, unknownChar);
    } catch (const std::bad_alloc &) {
        return tooLarge();
    }
}

} // namespace quillon
