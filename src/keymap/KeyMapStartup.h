#pragma once
// What a window does with its key-map file when it starts: the default
// catalogue is compared with the file by the set of command codes only. A
// file whose keys, names or line order differ is the user's and is kept; a
// file with other codes (added, lost or doubled lines) is replaced by the
// catalogue, and the window tells the user so.
#include "FileMessages.h"
#include "Utf16TextFile.h"

#include <QString>
#include <QStringList>

namespace quillon {

struct KeyMapReconciliation
{
    QStringList StrListKeyMapOriginal; // the catalogue it was compared with
    // The catalogue when the file was (re)written; otherwise empty: the kept
    // file is read when the keys are applied.
    QStringList StrListKeyMap;
    QStringList StrListKeyMapCheck1;   // codes of the file (only when its line count matched)
    QStringList StrListKeyMapCheck2;   // codes of the catalogue (likewise)
    bool BoolKeyMapSame = false;       // same codes, or the file had to be created
    bool fileWritten = false;
    WriteResult writeResult;           // of that write, when one was made

    // The file had to be written and could not be: the user is told that,
    // not that it was initialised.
    [[nodiscard]] bool writeFailed() const { return fileWritten && !writeResult.ok; }
    // It was replaced by the catalogue: the user is told so.
    [[nodiscard]] bool resetDone() const { return !BoolKeyMapSame && !writeFailed(); }
};

class KeyMapStartup
{
public:
    KeyMapStartup() = delete;

    // catalogue: the default key map (filer-style) of the window.
    [[nodiscard]] static KeyMapReconciliation reconcile(const QString &keyMapPath, const QStringList &catalogue);

    // The file step of applying keys: the file's lines when it exists, else
    // `current` is written to it and returned. A file that exists but cannot
    // be read leaves `current` in force.
    // The message for a key-map file that could not be written; reason is the system's.
    [[nodiscard]] static MessageText writeFailedMessage(const QString &keyMapPath, const QString &reason);

    [[nodiscard]] static QStringList loadOrWrite(const QString &keyMapPath, const QStringList &current,
                                                 WriteResult *writeResult = nullptr);
};

} // namespace quillon
