#include "CommandLine.h"

namespace quillon {

WindowCommandLine WindowCommandLine::parse(const QStringList &args)
{
    WindowCommandLine cl;
    const qsizetype dashes = args.indexOf(QStringLiteral("--"));
    cl.optionCount = dashes < 0 ? args.size() : dashes;
    if (dashes >= 0)
        cl.afterDashes = args.mid(dashes + 1);
    for (qsizetype i = 0; i < cl.optionCount; ++i) {
        if (args[i].startsWith(QLatin1String("--"))) {
            cl.badOption = args[i];
            break;
        }
    }
    return cl;
}

QString StartCheck::modesWithoutDisplay()
{
    return QStringLiteral("--guess, --search, --hexdump, --search-folder and --grid-copy work without one");
}

QString StartCheck::noDisplay(const DisplayFacts &facts)
{
    if (facts.platformOption || !facts.qpaPlatform.isEmpty() || !facts.display.isEmpty()
        || !facts.waylandDisplay.isEmpty())
        return {};
    return QStringLiteral("Quillon: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); ")
           + modesWithoutDisplay();
}

QString StartCheck::cannotStart(const QString &reason)
{
    QString line = QStringLiteral("Quillon: cannot open the window");
    if (!reason.isEmpty())
        line += QStringLiteral(" (") + reason + QLatin1Char(')');
    return line + QStringLiteral("; ") + modesWithoutDisplay();
}

} // namespace quillon
