#pragma once
// What the small settings dialogs take from their number boxes: a whole
// number of digits only that fits the settings (pasted text can bring more
// than the box lets the user type).
#include "FileMessages.h"

#include <QStringView>
#include <optional>

namespace quillon::NumberEntry {

[[nodiscard]] std::optional<int> wholeNumber(QStringView text);
// Said when a box holds no such number; the dialog stays open.
[[nodiscard]] MessageText notAWholeNumber(const QString &caption);

} // namespace quillon::NumberEntry
