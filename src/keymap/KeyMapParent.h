#pragma once
// Whose key map the keyboard dialog and the key-map list work on: the main
// window ("Main") or the find-all window ("FindAll"). Each has its own key-map
// and difference file, its own language file naming its commands, its own
// categories and its own default catalogue. The catalogue is the owner's
// (this library does not know the find-all window's), so the opener fills in
// the two functions.
#include "KeyMapFile.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace quillon {

struct KeyMapParent {
    QString name;                // "Main" or "FindAll", as the "Parent" key holds it
    KeyMapFileNames files;
    QString commandLanguageFile; // "Main.txt" / "FindAll.txt"
    // The code of the first command of each category offered, in order.
    QStringList categoryCodes;
    // The default catalogue with key set exeType (0 filer-style, else editor-style).
    std::function<QStringList(int exeType)> defaults;
    // Tells the owner its catalogue was rebuilt (it keeps it as its own); may be empty.
    std::function<void(const QStringList &catalogue)> setCatalogue;

    // The fixed part for a "Parent" value; anything but "FindAll" is the main window.
    [[nodiscard]] static KeyMapParent forName(const QString &parentName);
    [[nodiscard]] QString keyMapPath() const;
    [[nodiscard]] QString differencePath() const;
};

} // namespace quillon
