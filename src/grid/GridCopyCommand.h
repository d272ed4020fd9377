#pragma once
// `Quillon --grid-copy STYLE [--split auto|comma1|comma2] [--lf-to-tab] FILE`:
// reads FILE as the grid window does and prints, as UTF-8, what copying the
// whole data area puts on the clipboard in STYLE (tab, quoted, comma, csv),
// CR LF after every line.
#include <QIODevice>
#include <QStringList>
#include <QTextStream>

namespace quillon {

// args are the arguments after "--grid-copy". Returns 0, or 2 with the reason
// on err (bad command line, missing or unreadable file).
[[nodiscard]] int runGridCopy(const QStringList &args, QIODevice &out, QTextStream &err);

} // namespace quillon
