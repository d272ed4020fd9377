#pragma once
// The look of the filer's own viewer, read from its settings file
// "Harbek.ini" beside ours, so a file can look the same in both programs.
// The viewer only ever reads that file; it is read each time the look is
// applied, so the filer's later changes show at the next application.
#include "IniFile.h"

#include <QString>

namespace quillon {

struct HarbekanLook {
    QString fontName = QString::fromUtf16(u"ＭＳ ゴシック");
    int fontHeight = 14;        // points
    TColor colorText = 0xFFFFFF; // 00BBGGRR
    TColor colorBack = 0x400000;
    TColor colorRetMark = 0x808080;

    // "Harbek.ini" in the program folder.
    [[nodiscard]] static QString iniPath();
    [[nodiscard]] static bool available();
    // Keys that are missing or unreadable keep their defaults; a file that
    // cannot be read gives the defaults.
    [[nodiscard]] static HarbekanLook read(const QString &path);
    // A stored colour: six hexadecimal digits BBGGRR, read as "$" and them.
    [[nodiscard]] static bool parseColor(const QString &text, TColor *color);

    friend bool operator==(const HarbekanLook &, const HarbekanLook &) = default;
};

} // namespace quillon
