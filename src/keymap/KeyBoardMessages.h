#pragma once
// The messages of the keyboard dialog and the key-map list, each in both
// languages in one place.
#include "FileMessages.h"
#include "KeyDifference.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quillon::KeyBoardMessages {

[[nodiscard]] MessageText modifierWithoutKey();
[[nodiscard]] MessageText sameSetting();
[[nodiscard]] MessageText alreadyUsed(const QString &category);
[[nodiscard]] MessageText initializeQuestion();
[[nodiscard]] MessageText saveDifferenceQuestion();
// fileName: the difference file's name, as shown to the user.
[[nodiscard]] MessageText differenceSaved(const QString &fileName);
[[nodiscard]] MessageText applyDifferenceQuestion();
// Lines that could not be applied are listed (the first ten) in the same message.
[[nodiscard]] MessageText differenceApplied(const QString &fileName, const QList<DifferenceProblem> &problems);
[[nodiscard]] MessageText differenceMissing(const QString &fileName);
[[nodiscard]] MessageText notRead(const QString &path, const QString &reason);
// A key-map or difference file that could not be written; nothing was lost.
[[nodiscard]] MessageText notWritten(const QString &path, const QString &reason);
// Before saving a map that gives one key to several commands (Yes saves).
[[nodiscard]] MessageText conflictsQuestion(const QStringList &conflicts);
// The key-map list.
[[nodiscard]] MessageText keyMapFileMissing();
[[nodiscard]] MessageText darkModeNote();

} // namespace quillon::KeyBoardMessages
