#pragma once
// Reading a file for the grid (LoadCsvFile): detection with the grid's own
// unknown-character copy, the byte-order-mark skip by code, cutting at the
// detected line end only, and decoding each line by the code in effect.
#include "CsvLines.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

namespace quillon {

struct CsvFile {
    enum class Status { Ok, NotFound, CannotRead, TooLarge };
    Status status = Status::Ok;
    QString reason;                 // the system's reason for CannotRead

    quint32 IntLoadFileSize = 0;
    int IntReadEncode1 = 20;        // the code the lines were decoded by
    int IntReadReturn1 = 3;         // the detected line end
    bool BoolLfInLine = false;
    bool BoolUnKnownCharCode = false;
    bool readOnlyAttribute = false; // the file's own read-only attribute
    CsvLines lines;                 // StrListLoadFile
    bool cancelled = false;

    [[nodiscard]] bool ok() const { return status == Status::Ok && !cancelled; }
    // BoolFileReadOnly
    [[nodiscard]] bool readOnly() const { return readOnlyAttribute || BoolUnKnownCharCode; }
};

// Progress in bytes of the file; return false to stop reading.
using CsvProgress = std::function<bool(qint64 done, qint64 total)>;

class CsvFileReader {
public:
    CsvFileReader() = delete;

    // The unknown-character copy the grid writes, beside the program.
    [[nodiscard]] static QString unknownCopyName() { return QStringLiteral("Dollmerlet-UnKnown.txt"); }

    // readChoice: 0 automatic, else the hand-chosen code 1 to 10 (the
    // detected line end is used either way). copyPath: where the unknown-
    // character copy goes (empty: not written).
    [[nodiscard]] static CsvFile read(const QString &path, int readChoice, const QString &copyPath,
                                      const CsvProgress &progress = {});

    // The lines of bytes already read, by code and line end.
    // An empty result with *tooLarge set when the text would not fit 32-bit positions.
    [[nodiscard]] static CsvLines cutAndDecode(QByteArrayView bytes, int code, int lineEnd,
                                               const CsvProgress &progress = {}, bool *cancelled = nullptr,
                                               bool *tooLarge = nullptr);

    // Byte stretches of the lines, after the mark of the code: cut only where
    // the line-end pattern sits on a code-unit boundary.
    struct Span {
        qsizetype start = 0;
        qsizetype length = 0;
        friend bool operator==(const Span &, const Span &) = default;
    };
    static void cutLines(QByteArrayView bytes, int code, int lineEnd,
                         const std::function<void(Span)> &line);
    // Bytes of the mark skipped for a code, unchecked: 3 for 5, 2 for 7 and 9.
    [[nodiscard]] static int markLength(int code);
};

} // namespace quillon
