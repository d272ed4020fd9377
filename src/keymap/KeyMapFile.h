#pragma once
// Key-map files beside the program: one line per command, four tab-separated
// fields "category\tname\tkey text\tcode". Written as UTF-16 LE with the mark
// FF FE and CR LF after every line. Read as UTF-16 LE whether or not the mark
// is there (users edit these files by hand), with CR LF, CR or LF ending lines.
//
// Nothing here knows which window a map belongs to: the main window and the
// find-all window pass their own file names and their own default catalogue.
#include "Utf16TextFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quillon {

// The key-map file of a window and the file its differences are saved to.
struct KeyMapFileNames
{
    QString keyMap;     // "Quillon-KeyMap.txt"
    QString difference; // "Quillon-KeyDiff.txt"

    [[nodiscard]] static KeyMapFileNames mainWindow();
    [[nodiscard]] static KeyMapFileNames findAllWindow();
};

class KeyMapFile
{
public:
    KeyMapFile() = delete;

    // Bytes -> text: a leading FF FE is dropped, everything else is taken as
    // UTF-16 LE (an odd last byte is ignored).
    [[nodiscard]] static QString decode(const QByteArray &bytes);
    [[nodiscard]] static QStringList splitLines(const QString &text);
    // Missing or unreadable: empty list and *ok = false.
    [[nodiscard]] static QStringList read(const QString &path, bool *ok = nullptr);
    // Atomic replace; the old file stays intact when anything fails.
    [[nodiscard]] static WriteResult write(const QString &path, const QStringList &lines);

    // DstList becomes the sorted codes (field 4) of SrcList, duplicates dropped.
    // Codes are compared exactly, as text.
    static void GetFunctionList(const QStringList &SrcList, QStringList &DstList);

    // The lines of keyMap whose code occurs in defaults with another key text,
    // copied whole. Lines with codes the defaults lack are left out.
    [[nodiscard]] static QStringList difference(const QStringList &keyMap, const QStringList &defaults);
    // For each line of diff, the first line of keyMap with the same code takes
    // its key text and keeps its own category and name. Unknown codes are skipped.
    static void applyDifference(QStringList &keyMap, const QStringList &diff);

    [[nodiscard]] static WriteResult writeDifference(const QString &path, const QStringList &keyMap,
                                                     const QStringList &defaults);
    // False (and keyMap untouched) when the file is missing or unreadable.
    static bool readDifference(const QString &path, QStringList &keyMap);
};

} // namespace quillon
