#pragma once
// What the main window does with one loader result: whether the file is shown,
// which notes follow once the window has painted, and the message it says.
#include "FileMessages.h"
#include "TextLoader.h"

#include <optional>

namespace quillon {

struct LoadOutcome {
    enum class Kind {
        Missing,      // said so; nothing else changes
        Refused,      // cannot read or too large: the file shown before stays
        DecodeFailed, // the file stays named with an empty text, so another read setting can be tried
        Shown,
    };
    Kind kind = Kind::Shown;
    bool noteLfInCrLf = false;    // a lone LF before a CR LF
    bool noteUnknownChar = false; // shown from the filtered copy, treated as read-only
    bool readOnly = false;        // panel 3
    std::optional<MessageText> message;

    // path: the file asked for, named in the messages.
    [[nodiscard]] static LoadOutcome of(const LoadedText &loaded, const QString &path);
};

} // namespace quillon
