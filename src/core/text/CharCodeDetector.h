#pragma once
// Character-code and line-end detection. The file viewer, the grid window and
// `--guess` all run the same examination of a file's bytes; only what they do
// with the filtered copy differs.
#include "CharCode.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

namespace quillon {

// What the examination of a file's bytes decides.
struct DetectResult {
    int charCode = CodeShiftJis;  // 1, 2, 3, 5, 6, 7, 8, 9 or 10
    int lineEnd = LineEndCrLf;    // 0 to 3
    bool unknownChar = false;     // BoolUnKnownCharCode: control bytes near the start
    bool lfInCrLf = false;        // BoolLfInLine: counted CR LF file whose CR and LF counts differ
    // Whether the unknown-character copy is rewritten for this file: every
    // non-empty file that is not UTF-16. The copy is empty unless unknownChar.
    bool writesCopy = false;
    QByteArray copy;              // the file without its control bytes (09, 0A, 0D and 20 up kept)

    friend bool operator==(const DetectResult &, const DetectResult &) = default;
};

// Only this many leading bytes are tested for control bytes.
constexpr qsizetype ControlByteSample = 4095;

// Classifies bytes as a whole file: character code, line end, both flags and
// the filtered copy. Pure; reads every byte at most a few times.
// Inputs of splitFrom bytes or more are read on two cores at once.
constexpr qsizetype DetectSplitFrom = qsizetype(16) << 20;
[[nodiscard]] DetectResult detectCharCode(QByteArrayView bytes, qsizetype splitFrom = DetectSplitFrom);

// How many bytes are 0D or 0A, counted as detection counts them: what a
// loader needs to know how much room the text and its line index can take.
[[nodiscard]] qsizetype countLineBreakBytes(QByteArrayView bytes, qsizetype splitFrom = DetectSplitFrom);

enum class DetectFileError {
    None,
    NotFound,   // nothing by that name: the caller says so and keeps its file
    CannotRead, // exists but cannot be opened or read (permissions, a folder ...)
    TooLarge,   // sizes are 32-bit byte counts in this program
};

struct DetectFileResult {
    DetectFileError error = DetectFileError::None;
    QString reason;         // the system's reason for CannotRead
    DetectResult detection; // valid only when ok()
    // Non-empty when the copy file could not be written; the detection
    // itself still holds.
    QString copyError;

    [[nodiscard]] bool ok() const { return error == DetectFileError::None; }
};

// Largest file examined: sizes and positions are 32-bit signed.
constexpr qint64 MaxDetectFileSize = 0x7fffffff;

// Examines the file fileName. When the result asks for it (writesCopy), the
// filtered copy replaces the file copyPath; an empty copyPath writes nothing.
// On an error nothing is written and the caller keeps its previous results.
//
// withBytes, when given, is called with the file's bytes while they are still
// mapped, so a loader decodes from the same mapping instead of reading the
// file a second time.
[[nodiscard]] DetectFileResult GetCharCodeRetCode(const QString &fileName, const QString &copyPath,
                                                  const std::function<void(QByteArrayView, const DetectResult &)>
                                                      &withBytes = {});

// The same, for a loader that reads the bytes front to back: it calls done
// with each stretch it will never read again, and that memory is given back.
using BytesDone = std::function<void(QByteArrayView)>;
[[nodiscard]] DetectFileResult
GetCharCodeRetCode(const QString &fileName, const QString &copyPath,
                   const std::function<void(QByteArrayView, const DetectResult &, const BytesDone &)> &withBytes);

// The message box text for a failed examination, built the way every other
// message is ("Information : " / "Error : ", English with its button names).
[[nodiscard]] QString detectErrorMessage(const DetectFileResult &result, bool japanese);

} // namespace quillon
