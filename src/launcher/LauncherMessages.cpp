#include "LauncherMessages.h"

#include <QDir>

namespace quillon {

namespace {

QString J(const char16_t *s)
{
    return QString::fromUtf16(s);
}

MessageText reason(const StartResult &result)
{
    switch (result.failure) {
    case StartResult::Failure::None:
        break;
    case StartResult::Failure::Missing:
        return {J(u"ファイルがありません"), QStringLiteral("The file does not exist.")};
    case StartResult::Failure::IsFolder:
        return {J(u"フォルダです。プログラムのファイルを指定してください"),
                QStringLiteral("It is a folder, not a program file.")};
    case StartResult::Failure::NotExecutable:
        return {J(u"実行の許可がないファイルです"), QStringLiteral("The file is not allowed to run (not executable).")};
    case StartResult::Failure::System:
        return {J(u"起動できませんでした: ") + result.systemText, QStringLiteral("Start refused: ") + result.systemText};
    }
    return {};
}

} // namespace

MessageText LauncherMessages::programMissing(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    return {J(u"Information : 外部プログラムがありません\r\n") + shown,
            QStringLiteral("Information : Execute program is not exist.\r\n") + shown + QStringLiteral("\r\n[OK]")};
}

MessageText LauncherMessages::startFailed(const QString &path, const StartResult &result)
{
    const QString shown = QDir::toNativeSeparators(path);
    const MessageText why = reason(result);
    return {J(u"Information : 外部プログラムの実行が失敗しました\r\n") + shown + QStringLiteral("\r\n") + why.japanese,
            QStringLiteral("Information : Execute progran can not run.\r\n") + shown + QStringLiteral("\r\n")
                + why.english + QStringLiteral("\r\n[OK]")};
}

} // namespace quillon
