#include "ViewerCycle.h"

#include "Utf16TextFile.h"

namespace quillon::ViewerCycle {

std::optional<CycleStep> next(const QList<FoundWindow> &viewers, const QStringList &stored, int index)
{
    if (viewers.size() < 2)
        return std::nullopt;
    QStringList found;
    for (const FoundWindow &w : viewers)
        found.append(QString::number(w.handle));
    CycleStep step;
    for (const QString &h : stored + found) {
        if (!step.order.contains(h) && found.contains(h))
            step.order.append(h);
    }
    qsizetype start = qsizetype(index) + 1;
    if (start < 0 || start >= step.order.size())
        start = 0;
    // Not the viewer in front: that is the one the command runs in.
    const QString front = found.first();
    qsizetype target = -1;
    for (qsizetype i = start; i < step.order.size() && target < 0; ++i) {
        if (step.order[i] != front)
            target = i;
    }
    for (qsizetype i = 0; i < start && target < 0; ++i) {
        if (step.order[i] != front)
            target = i;
    }
    if (target < 0)
        return std::nullopt;
    step.index = int(target);
    step.target = step.order[target].toULongLong();
    return step;
}

bool run(FilerLink &link, IniAccess &ini, const QString &orderPath)
{
    const QList<FoundWindow> viewers = link.search(WindowSearch::Viewers);
    if (viewers.size() < 2)
        return false;
    QStringList stored = Utf16TextFile::readLines(orderPath);
    const int index = ini.readInteger(QStringLiteral("Quillon"), QStringLiteral("Index"), 0);
    const auto step = next(viewers, stored, index);
    if (!step)
        return false;
    ini.writeInteger(QStringLiteral("Quillon"), QStringLiteral("Index"), step->index);
    // A file that cannot be written leaves the order as it was; the window still comes forward.
    (void)Utf16TextFile::writeLines(orderPath, step->order);
    link.bringToFront(step->target);
    return true;
}

} // namespace quillon::ViewerCycle
