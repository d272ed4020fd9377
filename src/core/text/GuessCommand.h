#pragma once
// `Quillon --guess [--porcelain] FILE...`: prints the detected character
// code and line end of each file without opening a window.
#include <QStringList>
#include <QTextStream>

namespace quillon {

// args are the arguments after "--guess". Nothing is written beside the
// program. Returns the exit status: 0 when every file was examined, 1 when
// one could not be (the others are still printed), 2 for a bad command line.
//
// Default output, one line per file:
//   PATH: CODE, LINE END[, unknown-characters][, lf-in-crlf]
// with the English display names. With --porcelain, tab-separated:
//   CODE-NUMBER LINE-END-NUMBER UNKNOWN(0/1) LF-IN-CRLF(0/1) PATH
// the path last and exactly as given. "--" ends the options.
[[nodiscard]] int runGuess(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace quillon
