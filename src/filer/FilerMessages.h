#pragma once
// The filer link's messages, each in both languages.
#include "FileMessages.h"

namespace quillon::FilerMessages {
// A desktop that keeps other programs' windows from us (Wayland without X11).
[[nodiscard]] MessageText desktopDoesNotAllow();
// Neither the filer nor the desktop's file manager could show the file.
[[nodiscard]] MessageText noFilerFound();
[[nodiscard]] MessageText titleFileNotWritten(const QString &path, const QString &reason);
} // namespace quillon::FilerMessages
