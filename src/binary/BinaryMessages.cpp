#include "BinaryMessages.h"

#include <QLocale>

namespace quillon::BinaryMessages {

MessageText noFileLoaded()
{
    return {QString::fromUtf16(u"Information : ファイルが読み込まれていません"),
            QStringLiteral("Information : File is not read.\r\n[OK]")};
}

MessageText fileGone()
{
    return fileNotExistMessage();
}

MessageText busy()
{
    return {QString::fromUtf16(u"Information : バイナリファイルの処理中です"),
            QStringLiteral("Information : Now, binary file reading.\r\n[OK]")};
}

MessageText sizeQuestion(qint64 limit)
{
    // "#,##0": a comma between thousands, whatever the system's locale says.
    const QString number = QLocale(QLocale::English, QLocale::UnitedStates).toString(limit);
    return {QString::fromUtf16(u"Information : ファイルサイズが ") + number
                + QString::fromUtf16(u" bytes より大きいです\r\n時間がかかりますが、実行しますか？"),
            QStringLiteral("Information : File size is larger than ") + number
                + QStringLiteral(" bytes.\r\nThis takes more longer time to read. Read this file ?\r\n[YES] / [NO]")};
}

MessageText fileNotFound()
{
    return {QString::fromUtf16(u"Information : ファイルが見つかりません"),
            QStringLiteral("Information : File can not find.\r\n[OK]")};
}

MessageText selectionTooLarge()
{
    return {QString::fromUtf16(u"Information : 選択範囲が大きすぎてコピーできません\r\n範囲を狭めてください"),
            QStringLiteral("Information : The selection is too large to copy.\r\nSelect fewer rows.\r\n[OK]")};
}

} // namespace quillon::BinaryMessages
