#pragma once
// The messages about a file that cannot be shown, in both languages, built in
// one place: the main window, the grid window and --guess say the same thing.
#include <QString>

namespace quillon {

struct MessageText {
    QString japanese;
    QString english; // ends with its button line, as every English message does
};

[[nodiscard]] MessageText fileNotExistMessage();
// path may be empty; reason is the system's.
[[nodiscard]] MessageText cannotReadMessage(const QString &path, const QString &reasonJapanese,
                                            const QString &reasonEnglish);
[[nodiscard]] MessageText tooLargeMessage(const QString &path);

} // namespace quillon
