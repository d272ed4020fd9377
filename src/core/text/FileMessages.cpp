#include "FileMessages.h"

#include <QDir>

namespace quillon {

namespace {
// The path on a line of its own, when there is one.
QString pathLine(const QString &path)
{
    return path.isEmpty() ? QString() : QDir::toNativeSeparators(path) + QStringLiteral("\r\n");
}
} // namespace

MessageText fileNotExistMessage()
{
    return {QString::fromUtf16(u"Information : ファイルがありません"), QStringLiteral("Information : File is not exist.\r\n[OK]")};
}

MessageText cannotReadMessage(const QString &path, const QString &reasonJapanese, const QString &reasonEnglish)
{
    return {QString::fromUtf16(u"Error : ファイルを読み込めません\r\n") + pathLine(path) + reasonJapanese,
            QStringLiteral("Error : File can not read.\r\n") + pathLine(path) + reasonEnglish + QStringLiteral("\r\n[OK]")};
}

MessageText tooLargeMessage(const QString &path)
{
    const QString shown = path.isEmpty() ? QString() : QStringLiteral("\r\n") + QDir::toNativeSeparators(path);
    return {QString::fromUtf16(u"Error : ファイルが大きすぎて表示できません") + shown,
            QStringLiteral("Error : File is too large to show.") + shown + QStringLiteral("\r\n[OK]")};
}

} // namespace quillon
