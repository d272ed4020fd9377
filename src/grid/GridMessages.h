#pragma once
// The grid's messages, each in both wordings, in one place.
#include "FileMessages.h"

namespace quillon::GridMessages {

// Command 1051 of the main window.
[[nodiscard]] MessageText noFileLoaded();
[[nodiscard]] MessageText fileNotExist();
// A file that exists but cannot be read, or is too large for the grid.
[[nodiscard]] MessageText cannotRead(const QString &path, const QString &reason);
[[nodiscard]] MessageText tooLarge(const QString &path);
// The two notices after a read.
[[nodiscard]] MessageText unknownCharacters();
[[nodiscard]] MessageText lfBeforeCrLf();
[[nodiscard]] MessageText searchNotFound();
[[nodiscard]] MessageText closeWhenModified();

} // namespace quillon::GridMessages
