#include "GridMessages.h"

#include "MainMessages.h"

namespace quillon::GridMessages {

MessageText noFileLoaded()
{
    return {QString::fromUtf16(u"Information : ファイルが読み込まれていません"),
            QStringLiteral("Information : File is not read.\r\n[OK]")};
}

MessageText fileNotExist()
{
    return fileNotExistMessage();
}

MessageText cannotRead(const QString &path, const QString &reason)
{
    return cannotReadMessage(path, reason, reason);
}

MessageText tooLarge(const QString &path)
{
    return tooLargeMessage(path);
}

MessageText unknownCharacters()
{
    // The main window says the same of the same file.
    return MainMessages::treatedAsReadOnly();
}

MessageText lfBeforeCrLf()
{
    return MainMessages::lfBeforeCrLf();
}

MessageText searchNotFound()
{
    return {QString::fromUtf16(u"Information : 検索文字がありません"),
            QStringLiteral("Information : Search word can not find.\r\n[OK]")};
}

MessageText closeWhenModified()
{
    return {QString::fromUtf16(u"Information : 編集されています\r\n終了しますか？"),
            QStringLiteral("Information : Item is modified.\r\nExit ?\r\n[YES] / [NO]")};
}

} // namespace quillon::GridMessages
