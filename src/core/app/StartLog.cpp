#include "StartLog.h"

namespace quillon::StartLog {

QStringList lines(const QStringList &args, const QList<FoundWindow> &windows)
{
    QStringList log;
    log << QStringLiteral("ParamCount") << QString::number(args.size()) << QString();
    // A command line of more than two arguments is not one the program takes:
    // its count is logged, its values are not.
    if (args.size() <= 2) {
        for (int i = 0; i < int(args.size()); ++i)
            log << QStringLiteral("ParamStr(%1)").arg(i + 1) << args[i] << QString();
    }
    log << QStringLiteral("Name") << QStringLiteral("Handle") << QString();
    for (const FoundWindow &w : windows)
        log << w.title << QString::number(w.handle) << QString();
    return log;
}

} // namespace quillon::StartLog
