#pragma once
// The find-all window's own messages, each in both languages in one place.
// (The multi-file search's are on FolderSearch; the empty-word and not-found
// messages are the main window's.)
#include "FileMessages.h"

namespace quillon::FindAllMessages {

[[nodiscard]] MessageText textEmpty();
[[nodiscard]] MessageText searchDone();
// The main window's 1105 / 1106 without a loaded text.
[[nodiscard]] MessageText fileNotRead();
[[nodiscard]] MessageText keyMapReset();
// A file beside the program that could not be written (hand-off, results, key map).
[[nodiscard]] MessageText notWritten(const QString &path, const QString &reason);
// What the multi-file search is doing, for the status bar.
[[nodiscard]] QString progress(int filesDone, int fileCount, int hits, bool japanese);

} // namespace quillon::FindAllMessages
