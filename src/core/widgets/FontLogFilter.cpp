#include "FontLogFilter.h"

#include <QMessageLogContext>
#include <QString>
#include <QtGlobal>

#include <cstring>

namespace quillon {

namespace {

QtMessageHandler previousHandler = nullptr;
bool installed = false;

void filterFontMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const char *category = context.category ? context.category : "default";
    const bool fontEngineCategory = std::strcmp(category, "default") == 0
        || std::strncmp(category, "qt.text.font", 12) == 0 || std::strcmp(category, "qt.qpa.fonts") == 0;
    if (type == QtWarningMsg && fontEngineCategory
        && message.trimmed().startsWith(QLatin1String("OpenType support missing for")))
        return;
    previousHandler(type, context, message); // Qt hands back its default handler when none was set
}

} // namespace

void FontLogFilter::install()
{
    if (installed)
        return;
    installed = true;
    previousHandler = qInstallMessageHandler(filterFontMessages);
}

} // namespace quillon
