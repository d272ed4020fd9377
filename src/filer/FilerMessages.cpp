#include "FilerMessages.h"

namespace quillon::FilerMessages {

namespace {
QString J(const char16_t *s)
{
    return QString::fromUtf16(s);
}
} // namespace

MessageText desktopDoesNotAllow()
{
    return {J(u"Information : このデスクトップでは、ほかのプログラムのウィンドウを操作できません"),
            QStringLiteral("Information : This desktop does not allow access to other programs' windows.\r\n[OK]")};
}

MessageText noFilerFound()
{
    return {J(u"Information : ファイルを表示するファイラーが見つかりません"),
            QStringLiteral("Information : No filer to show the file is found.\r\n[OK]")};
}

MessageText titleFileNotWritten(const QString &path, const QString &reason)
{
    return {J(u"Error : ファイルに書き込めません\r\n") + path + QStringLiteral("\r\n") + reason,
            QStringLiteral("Error : The file can not write.\r\n") + path + QStringLiteral("\r\n") + reason
                + QStringLiteral("\r\n[OK]")};
}

} // namespace quillon::FilerMessages
