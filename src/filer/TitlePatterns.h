#pragma once
// The four title-pattern lines of the filer-selection window
// ("Quillon-Title.txt"): "1" or "0" (enabled), one blank, the pattern.
#include "FilerLink.h"
#include "Utf16TextFile.h"

#include <QStringList>

namespace quillon {

namespace TitlePatterns {
constexpr int LineCount = 4;
[[nodiscard]] QString fileName(); // "Quillon-Title.txt"
// "1 - Harbek", "1 - Dollmer", "0", "0".
[[nodiscard]] QStringList defaultLines();
// The file's first four lines; a missing file gives the defaults, a short
// one is filled up with disabled empty lines.
[[nodiscard]] QStringList read(const QString &path);
[[nodiscard]] WriteResult write(const QString &path, const QStringList &lines);
// A line as the window builds it from a check box and a pattern box.
[[nodiscard]] QString line(bool enabled, const QString &pattern);
[[nodiscard]] bool enabled(const QString &line);
// From the third character on; a line shorter than four characters has none.
[[nodiscard]] QString pattern(const QString &line);
// Every window for every enabled line with a pattern whose title holds it,
// our own viewers never; a window matching two lines is listed twice.
[[nodiscard]] QList<FoundWindow> filerSearch(const QList<TopWindow> &windows, const QStringList &lines);
} // namespace TitlePatterns

} // namespace quillon
