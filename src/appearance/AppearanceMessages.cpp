#include "AppearanceMessages.h"

#include <QDir>

namespace quillon {

MessageText AppearanceMessages::harbekIniMissing(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    return {QString::fromUtf16(u"Information : Harbek.ini のファイルが無いのでチェックは無効です\r\n") + shown,
            QStringLiteral("Information : Checked can not accept, because of Harbek.ini is not exists.\r\n") + shown
                + QStringLiteral("\r\n[OK]")};
}

} // namespace quillon
