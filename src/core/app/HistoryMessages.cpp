#include "HistoryMessages.h"

#include <QDir>

namespace quillon::HistoryMessages {

namespace {
const QString crlf = QStringLiteral("\r\n");
} // namespace

MessageText notRead(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    return {QString::fromUtf16(u"Error : 履歴ファイルが読み込めません。このファイルは書き換えません\r\n") + shown,
            QStringLiteral("Error : History file can not read, so it is not rewritten.\r\n") + shown + crlf
                + QStringLiteral("[OK]")};
}

MessageText notSaved(const QString &path, const QString &reason)
{
    const QString shown = QDir::toNativeSeparators(path);
    return {QString::fromUtf16(u"Error : 履歴ファイルが保存できません\r\n") + shown + crlf + reason,
            QStringLiteral("Error : History file can not save.\r\n") + shown + crlf + reason + crlf
                + QStringLiteral("[OK]")};
}

} // namespace quillon::HistoryMessages
