#pragma once
// The shell's only reads of the characters a text view shows.
#include <QString>

namespace quillon {

class TMemoExDark;

[[nodiscard]] int viewTextLength(const TMemoExDark *view);
// The characters [start, start + length) of what the view shows.
[[nodiscard]] QString viewTextRange(const TMemoExDark *view, int start, int length);
// One line as the view breaks it (a display line while wrapping), without its line end.
[[nodiscard]] QString viewLineText(const TMemoExDark *view, int line);
// Everything the view shows, for the search engine.
[[nodiscard]] QString viewWholeText(const TMemoExDark *view);

} // namespace quillon
