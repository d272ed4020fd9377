#include "KeyBoardMessages.h"

#include <QDir>

namespace quillon::KeyBoardMessages {

namespace {

QString J(const char16_t *text)
{
    return QString::fromUtf16(text);
}

const QString crlf = QStringLiteral("\r\n");
const QString ok = QStringLiteral("\r\n[OK]");
const QString yesNo = QStringLiteral("\r\n[YES] / [NO]");

constexpr int listedProblems = 10;

QString problemText(const DifferenceProblem &p, bool japanese)
{
    using Kind = DifferenceProblem::Kind;
    const QString quoted = u'"' + p.text + u'"';
    if (japanese) {
        const QString where = QString::number(p.lineNumber) + J(u"行目 : ");
        switch (p.kind) {
        case Kind::Incomplete: return where + J(u"行が途中で切れています");
        case Kind::UnknownCode: return where + J(u"このコードのコマンドはありません ") + quoted;
        case Kind::UnknownKey: return where + J(u"キーが正しくありません ") + quoted;
        }
    }
    const QString where = QStringLiteral("line ") + QString::number(p.lineNumber) + QStringLiteral(" : ");
    switch (p.kind) {
    case Kind::Incomplete: return where + QStringLiteral("the line is cut short");
    case Kind::UnknownCode: return where + QStringLiteral("no command has the code ") + quoted;
    case Kind::UnknownKey: return where + QStringLiteral("not a key ") + quoted;
    }
    return {};
}

QString problemList(const QList<DifferenceProblem> &problems, bool japanese)
{
    QString text = crlf
        + (japanese ? J(u"次の行は反映できませんでした") : QStringLiteral("These lines were not applied:"));
    for (qsizetype i = 0; i < problems.size() && i < listedProblems; ++i)
        text += crlf + problemText(problems[i], japanese);
    if (problems.size() > listedProblems) {
        const QString more = QString::number(problems.size() - listedProblems);
        text += crlf + (japanese ? J(u"ほか ") + more + J(u" 行") : QStringLiteral("and ") + more + QStringLiteral(" more"));
    }
    return text;
}

} // namespace

MessageText modifierWithoutKey()
{
    return {J(u"Information : Shift,Ctrl,Altのキーが設定されていますが、キーが設定されていません"),
            QStringLiteral("Information : Shift,Ctrl,Alt is set, but Key is empty.") + ok};
}

MessageText sameSetting()
{
    return {J(u"Information : 同一の設定です"), QStringLiteral("Information : Same setting is exist.") + ok};
}

MessageText alreadyUsed(const QString &category)
{
    return {J(u"Information : [") + category + J(u"] で既に使用済みですので設定できません"),
            QStringLiteral("Information : This setting can not be set because of [") + category
                + QStringLiteral("] is already exist.") + ok};
}

MessageText initializeQuestion()
{
    return {J(u"Information : 設定を初期化して保存しますか？"),
            QStringLiteral("Information : Initialize and save to file ?") + yesNo};
}

MessageText saveDifferenceQuestion()
{
    return {J(u"Information : 変更分をファイルに上書で保存しますか？"),
            QStringLiteral("Information : Overwrite change items to file ?") + yesNo};
}

MessageText differenceSaved(const QString &fileName)
{
    return {J(u"Information : ファイルが保存されました\r\n") + fileName,
            QStringLiteral("Information : File saved.\r\n") + fileName + ok};
}

MessageText applyDifferenceQuestion()
{
    return {J(u"Information : 変更分を反映し、ファイルに保存しますか？"),
            QStringLiteral("Information : Replace different items, and save to file ?") + yesNo};
}

MessageText differenceApplied(const QString &fileName, const QList<DifferenceProblem> &problems)
{
    MessageText m{J(u"Information : ファイルを読み込み反映しました\r\n") + fileName,
                  QStringLiteral("Information : Read file and Update items.\r\n") + fileName};
    if (!problems.isEmpty()) {
        m.japanese += problemList(problems, true);
        m.english += problemList(problems, false);
    }
    m.english += ok;
    return m;
}

MessageText differenceMissing(const QString &fileName)
{
    return {J(u"Information : ファイルがありません\r\n") + fileName,
            QStringLiteral("Information : File is not exist.\r\n") + fileName + ok};
}

MessageText notRead(const QString &path, const QString &reason)
{
    const QString shown = QDir::toNativeSeparators(path);
    return {J(u"Error : ファイルを読み込めません\r\n") + shown + crlf + reason,
            QStringLiteral("Error : The file can not read.\r\n") + shown + crlf + reason + ok};
}

MessageText notWritten(const QString &path, const QString &reason)
{
    const QString shown = QDir::toNativeSeparators(path);
    return {J(u"Error : ファイルに書き込めません。設定はこの画面に残っています\r\n") + shown + crlf + reason,
            QStringLiteral("Error : The file can not write. The settings stay in this window.\r\n") + shown + crlf
                + reason + ok};
}

MessageText conflictsQuestion(const QStringList &conflicts)
{
    const QString list = conflicts.join(crlf);
    return {J(u"Information : 同じキーが複数のコマンドに設定されています\r\n") + list + J(u"\r\nこのまま保存しますか？"),
            QStringLiteral("Information : A key is set to more than one command.\r\n") + list
                + QStringLiteral("\r\nSave to file anyway ?") + yesNo};
}

MessageText keyMapFileMissing()
{
    return {J(u"Information : キーボード設定のファイルがありません"),
            QStringLiteral("Information : Keyboard map file is not exist.") + ok};
}

MessageText darkModeNote()
{
    return {J(u"Information : Dark Mode では、リストの文字が見えません"),
            QStringLiteral("Information : List can not view, when Dark Mode.") + ok};
}

} // namespace quillon::KeyBoardMessages
