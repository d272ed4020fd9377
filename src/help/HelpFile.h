#pragma once
// The two help texts beside the program: the general help and the help for
// the grid view, each in Japanese ("Quillon.txt", "Quillon2.txt") and in
// English ("Quillon-en.txt", "Quillon2-en.txt"). They are read whole, never
// written. A byte-order mark selects UTF-8 or UTF-16 (either order); a file
// without one is read in the system's code page.
#include "FileMessages.h"
#include "TextBuffer.h"

#include <QByteArrayView>
#include <QString>
#include <memory>

namespace quillon {

struct HelpText {
    enum class Status {
        Shown,      // text holds the help
        Missing,    // no file: an empty text, nothing said
        Unreadable, // the file is there but could not be read
        NotText,    // NULs or too large: not a help text
    };
    Status status = Status::Missing;
    std::shared_ptr<const TextBuffer> text = std::make_shared<const TextBuffer>();
};

class HelpFile {
public:
    enum class Kind { General, Grid };

    // Help files larger than this are not help texts.
    static constexpr qsizetype MaxBytes = 32 * 1024 * 1024;

    [[nodiscard]] static QString fileName(Kind kind, bool japanese);
    // The file for the interface language; in English the Japanese file
    // when there is no English one.
    [[nodiscard]] static QString path(Kind kind, bool japanese);

    [[nodiscard]] static HelpText decode(QByteArrayView bytes);
    [[nodiscard]] static HelpText load(const QString &path);

    // The message for a file that is there but cannot be shown.
    [[nodiscard]] static MessageText message(HelpText::Status status, const QString &path);
};

} // namespace quillon
