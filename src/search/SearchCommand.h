#pragma once
// `Quillon --search [--match-case] [--whole-word] [--regexp] [--include-crlf]
// WORD FILE`: decodes FILE as the viewer does and prints the offset of every
// match (UTF-16 code units of the text with CR LF line ends), one per line.
#include <QStringList>
#include <QTextStream>

namespace quillon {

// args are the arguments after "--search". Returns 0 when something was
// found, 1 when nothing was, 2 on errors (bad command line, unreadable file,
// an expression that does not compile or runs away; the reason on err).
[[nodiscard]] int runSearch(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace quillon
