#include "AutoExitTarget.h"

#include <QDir>

namespace quillon {

int AutoExitTarget::pick(const QStringList &titles, const QString &loadedFile)
{
    if (loadedFile.isEmpty())
        return -1;
    const QString path = QDir::toNativeSeparators(loadedFile);
    const QString viewerSuffix = QStringLiteral(" - Quillon");
    for (int i = 0; i < titles.size(); ++i) {
        if (titles[i].contains(path, Qt::CaseInsensitive) && !titles[i].contains(viewerSuffix, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

} // namespace quillon
