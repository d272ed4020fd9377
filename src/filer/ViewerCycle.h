#pragma once
// Going round the running viewers: every viewer keeps the same order in
// "Quillon-Sel.txt" and the position reached in [Quillon] "Index", so the
// command walks V1, V2, V3 and back to V1 whichever viewer it runs in. Both
// are shared by all running viewers without locking; the last writer wins.
#include "FilerLink.h"
#include "IniFile.h"

#include <QStringList>
#include <optional>

namespace quillon {

struct CycleStep {
    int index = 0;       // the position of the target in order
    QStringList order;   // handles in decimal, to be written back
    WindowHandle target = 0;
};

namespace ViewerCycle {
// viewers: a viewers search, topmost first; stored: the order as read;
// index: [Quillon] "Index". Nothing with fewer than two viewers.
[[nodiscard]] std::optional<CycleStep> next(const QList<FoundWindow> &viewers, const QStringList &stored,
                                            int index);
// The whole command: search, read, step, write, bring forward. False when
// there was nowhere to go.
bool run(FilerLink &link, IniAccess &ini, const QString &orderPath);
} // namespace ViewerCycle

} // namespace quillon
