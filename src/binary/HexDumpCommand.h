#pragma once
// `Quillon --hexdump [--page N] FILE`: prints the dump's header line and its
// rows exactly as the hex dump view shows them, each followed by "\n": the
// whole file, or page N (from 0) of page mode.
#include <QIODevice>
#include <QStringList>
#include <QTextStream>

namespace quillon {

// args are the arguments after "--hexdump". Returns 0, or 2 with the reason
// on err (bad command line, missing or unreadable file, a page past the last).
[[nodiscard]] int runHexDump(const QStringList &args, QIODevice &out, QTextStream &err);

} // namespace quillon
