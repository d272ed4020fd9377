#include "MainMessages.h"

namespace quillon::MainMessages {

namespace {
QString J(const char16_t *s)
{
    return QString::fromUtf16(s);
}
const QString crlf = QStringLiteral("\r\n");
const QString ok = QStringLiteral("[OK]");
} // namespace

MessageText settingsNotWritable(const QString &path, const QString &reason)
{
    return {J(u"Error : 設定ファイルに書き込めません。設定は保存されません\r\n") + path + crlf + reason,
            QStringLiteral("Error : Settings file can not write, so settings are not saved.\r\n") + path + crlf + reason
                + crlf + ok};
}

MessageText folderNotMade(const QString &folder)
{
    return {J(u"Error : フォルダが作成できませんでした\r\n") + folder,
            QStringLiteral("Error : Folder can not make.\r\n[OK]\r\n") + folder};
}

MessageText notAWindowHandle(const QString &argument)
{
    return {J(u"Error : hwnd= の後ろがウィンドウハンドルの数値ではありません\r\n") + argument,
            QStringLiteral("Error : The value after hwnd= is not a window handle number.\r\n") + argument + crlf + ok};
}

MessageText dropWithFiler()
{
    return {J(u"Information : ファイラーとの連携では、ドロップの操作はできません"),
            QStringLiteral("Information : Drop operation can not accept, because of filer connection method.[OK]")};
}

MessageText dropNothing()
{
    return {J(u"Information : ドロップするファイルの個数が０です"), QStringLiteral("Information : Drop file count is empty.\r\n[OK]")};
}

MessageText dropMoreThanOne()
{
    return {J(u"Information : ドロップするファイルは１個にしてください"),
            QStringLiteral("Information : Drop file accept only one file.\r\n[OK]")};
}

MessageText noFileName()
{
    return {J(u"Information : ファイル名が設定されていません"), QStringLiteral("Information : Filename is empty.\r\n[OK]")};
}

MessageText noTextFromFile()
{
    return {J(u"Information : ファイルサイズが 0 以上ですが、テキストが取得できませんでした\r\n"
              u"文字コードが自動検出の場合は、文字コードを直接設定してみてください"),
            QStringLiteral("Information : File size is over 0, but text can not read.\r\nIf character "
                           "code setting is auto detect, set character code setting directly\r\n[OK]")};
}

MessageText lfBeforeCrLf()
{
    return {J(u"Information : 改行(CrLf)までに、さらに改行(Lf)があります"),
            QStringLiteral("Information : LineFeed [Lf] is exist, before CarrigeRetun and LineFeed [CrLf].\r\n[OK]")};
}

MessageText treatedAsReadOnly()
{
    return {J(u"Information : 不正な文字を含んでいますので書き換え禁止ファイルとして扱います"),
            QStringLiteral("Information : Some letters can not acccept, so file type lokks like Read Only File.\r\n[OK]")};
}

MessageText decodeError(const QString &reasonJapanese, const QString &reasonEnglish)
{
    return {QStringLiteral("Error : ") + reasonJapanese, QStringLiteral("Error : ") + reasonEnglish + crlf + ok};
}

MessageText resizeLocked(int lineLimit)
{
    const QString limit = QString::number(lineLimit);
    return {J(u"Information : 表示行数が ") + limit + J(u" 行以上では、サイズ変更が無効です") + crlf
                + J(u"有効にするには「表示」の「折り返さない」に設定してください"),
            QStringLiteral("Information : Line number is more than ") + limit
                + QStringLiteral(" , change form size can not accept.") + crlf
                + QStringLiteral("If change form size, set word wrap to unchecked.") + crlf + ok};
}

MessageText noSearchWord()
{
    return {J(u"Information : 検索語が設定されていません"), QStringLiteral("Information : Search word is empty.\r\n[OK]")};
}

MessageText searchNotFound(const QString &word)
{
    // Message boxes show their text as it is: an "&" needs no doubling.
    return {J(u"Information : 検索しましたが見つかりませんでした\r\n") + word,
            QStringLiteral("Information : Search word can not find.\r\n[OK]\r\n") + word};
}

MessageText keyMapReset()
{
    return {J(u"Information : キーボード設定内容が変更になったので初期化しました\r\n"
              u"必要ならキーボード設定で「変更分を反映」を実行して下さい\r\n"
              u"キーボード設定を変更した場合は「変更分を保存」を実行しておいて下さい"),
            QStringLiteral("Information : Key board map had initialized, because of orijinal key board map had "
                           "updated.\r\nIf necessary, reffer different items on KeyBoard Window.\r\nWhen change "
                           "keyboard setting, save different items to file on KeyBoard Window.\r\n[OK]")};
}

} // namespace quillon::MainMessages
