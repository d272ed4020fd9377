#pragma once
// The message of the filer's-look items when the filer's settings are missing.
#include "FileMessages.h"

namespace quillon {

class AppearanceMessages {
public:
    AppearanceMessages() = delete;
    [[nodiscard]] static MessageText harbekIniMissing(const QString &path);
};

} // namespace quillon
