#include "FindAllMessages.h"

#include <QDir>

namespace quillon::FindAllMessages {

namespace {
QString J(const char16_t *s) { return QString::fromUtf16(s); }
} // namespace

MessageText textEmpty()
{
    return {J(u"Information : テキストが読み込まれていません"), QStringLiteral("Information : Text is empty.\r\n[OK]")};
}

MessageText searchDone()
{
    return {J(u"Information : 検索が完了しました"), QStringLiteral("Information : Search word had done.\r\n[OK]")};
}

MessageText fileNotRead()
{
    return {J(u"Information : ファイルが読み込まれていません"), QStringLiteral("Information : File is not read.\r\n[OK]")};
}

MessageText keyMapReset()
{
    return {J(u"Information : キーボード設定内容が変更になったので初期化しました"),
            QStringLiteral("Information : Keyboard map had initialized, because of keyboard map had updated.[OK]")};
}

MessageText notWritten(const QString &path, const QString &reason)
{
    const QString shown = QDir::toNativeSeparators(path);
    return {J(u"Error : ファイルに書き込めません\r\n") + shown + QStringLiteral("\r\n") + reason,
            QStringLiteral("Error : The file can not write.\r\n") + shown + QStringLiteral("\r\n") + reason
                + QStringLiteral("\r\n[OK]")};
}

QString progress(int filesDone, int fileCount, int hits, bool japanese)
{
    if (japanese)
        return QStringLiteral("%1/%2 ").arg(filesDone).arg(fileCount) + J(u"ファイル, ") + QString::number(hits)
            + J(u"件");
    return QStringLiteral("%1/%2 files, %3 hits").arg(filesDone).arg(fileCount).arg(hits);
}

} // namespace quillon::FindAllMessages
