#pragma once
// Turns a file name into text: detection, the decoder of the code in effect,
// the byte-order-mark rule and the unknown-character copy. The file is
// mapped, not copied, so a large file is held once as bytes and once as text
// only while it is decoded.
#include "TextBuffer.h"
#include "TextLoadProgress.h"

#include <QString>
#include <functional>
#include <memory>

namespace quillon {

struct LoadedText {
    enum class Status {
        Ok,
        Missing,     // no such file (or a folder)
        CannotRead,  // exists, but opening or reading failed (reason says why)
        TooLarge,    // the text would not fit 32-bit positions
        DecodeError, // a strict decoder refused the bytes (reason says where)
    };
    Status status = Status::Ok;
    QString reasonJapanese, reasonEnglish;

    qint64 fileSize = 0;
    int detectedCode = 1;     // what detection found
    int codeInEffect = 1;     // the read setting when not automatic, else detectedCode
    int lineEnd = 3;
    bool unknownChar = false; // shown from the filtered copy
    bool lfInCrLf = false;
    bool readOnlyAttribute = false;
    std::shared_ptr<const TextBuffer> buffer; // null unless Ok

    [[nodiscard]] bool ok() const { return status == Status::Ok; }
};

class TextLoader {
public:
    // A first load: detect, then decode with readSetting (0 = the detected code).
    // unknownCopyPath receives the filtered copy (empty: not written).
    // progress, when given, shows the text as it is decoded (for a code whose
    // bytes can be cut at line feeds) and stops the decode when asked to.
    // A file the system has not the memory for is TooLarge, as one whose text
    // would not fit: never a failed allocation left to end the program.
    [[nodiscard]] static LoadedText load(const QString &path, int readSetting, const QString &unknownCopyPath,
                                         TextLoadProgress *progress = nullptr);
    // Decodes again with a code already in effect, without detection (wrap
    // changes); unknownChar repeats the filtered-copy path.
    [[nodiscard]] static LoadedText reload(const QString &path, int codeInEffect, bool unknownChar);

    // Decodes bytes as the viewer does for a code number: the byte-order-mark
    // rule for 5/7/9, the mark of the chosen decoder skipped.
    // done, when given, hears of each stretch of bytes decoded (front to back).
    [[nodiscard]] static LoadedText decodeBytes(QByteArrayView bytes, int code,
                                                const std::function<void(QByteArrayView)> &done = {},
                                                TextLoadProgress *progress = nullptr);
    // Bytes by their byte-order mark, else the system's code page (the "with mark" codes).
    [[nodiscard]] static LoadedText decodeCopy(QByteArrayView bytes);
};

} // namespace quillon
