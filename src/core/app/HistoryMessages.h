#pragma once
// The messages of the recent-file list and the reading-position history.
#include "FileMessages.h"

namespace quillon::HistoryMessages {

// The file exists but could not be read at start: it is kept as it is and
// not written over this time.
[[nodiscard]] MessageText notRead(const QString &path);
[[nodiscard]] MessageText notSaved(const QString &path, const QString &reason);

} // namespace quillon::HistoryMessages
