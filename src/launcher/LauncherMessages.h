#pragma once
// The launcher's messages in both languages.
#include "FileMessages.h"
#include "ProgramStarter.h"

namespace quillon {

class LauncherMessages {
public:
    LauncherMessages() = delete;
    // The program file of an entry does not exist (or none is registered).
    [[nodiscard]] static MessageText programMissing(const QString &path);
    // The program could not be started; the reason follows the path.
    [[nodiscard]] static MessageText startFailed(const QString &path, const StartResult &result);
};

} // namespace quillon
