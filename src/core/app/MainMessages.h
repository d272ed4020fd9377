#pragma once
// The main window's own messages, each in both languages in one place.
#include "FileMessages.h"

namespace quillon {

namespace MainMessages {
[[nodiscard]] MessageText settingsNotWritable(const QString &path, const QString &reason);
[[nodiscard]] MessageText folderNotMade(const QString &folder);
[[nodiscard]] MessageText notAWindowHandle(const QString &argument);
[[nodiscard]] MessageText dropWithFiler();
[[nodiscard]] MessageText dropNothing();
[[nodiscard]] MessageText dropMoreThanOne();
[[nodiscard]] MessageText noFileName();
[[nodiscard]] MessageText noTextFromFile();
[[nodiscard]] MessageText lfBeforeCrLf();
[[nodiscard]] MessageText treatedAsReadOnly();
[[nodiscard]] MessageText decodeError(const QString &reasonJapanese, const QString &reasonEnglish);
[[nodiscard]] MessageText resizeLocked(int lineLimit);
[[nodiscard]] MessageText noSearchWord();
// word: as typed.
[[nodiscard]] MessageText searchNotFound(const QString &word);
[[nodiscard]] MessageText keyMapReset();
} // namespace MainMessages

} // namespace quillon
