#pragma once
// The hex dump's messages, each in both languages in one place.
#include "FileMessages.h"

namespace quillon::BinaryMessages {

[[nodiscard]] MessageText noFileLoaded();
// The loaded file is gone when the dump is asked for.
[[nodiscard]] MessageText fileGone();
[[nodiscard]] MessageText busy();
// Yes / No: build the whole dump of a file above limit bytes.
[[nodiscard]] MessageText sizeQuestion(qint64 limit);
// The file is gone when the dump is built.
[[nodiscard]] MessageText fileNotFound();
[[nodiscard]] MessageText selectionTooLarge();

} // namespace quillon::BinaryMessages
