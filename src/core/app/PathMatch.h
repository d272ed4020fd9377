#pragma once
// How a remembered path is matched with the file shown: the whole path, with
// the ASCII letters a-z folded to upper case and every other character as it
// is. A path that merely contains the other ("/a/test.txt" inside
// "/a/test.txt.bak") is another file.
#include <QStringView>

namespace quillon::PathMatch {

[[nodiscard]] bool samePath(QStringView a, QStringView b);

} // namespace quillon::PathMatch
