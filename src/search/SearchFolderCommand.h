#pragma once
// `Quillon --search-folder [--match-case] [--whole-word] [--regexp]
// [--include-crlf] WORD FILE`: the multi-file search from FILE, printing its
// result lines exactly as the result file holds them, each followed by "\n".
#include <QStringList>
#include <QTextStream>

namespace quillon {

// args are the arguments after "--search-folder". Returns 0 when something
// was found, 1 when nothing was, 2 on errors (bad command line, missing FILE,
// an expression that does not compile). A file that cannot be read is named
// on err and the search goes on.
[[nodiscard]] int runSearchFolder(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace quillon
