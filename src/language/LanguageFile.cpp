#include "LanguageFile.h"

#include "AppPaths.h"
#include "Utf16TextFile.h"
#include "LineSplitter.h"

#include <QFile>

namespace quillon {

bool IsNumericStr(QStringView text)
{
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

QString LanguageFileCheck::messageJapanese() const
{
    const QString head = problem == Problem::NotSixFields
                             ? QString::fromUtf16(u"Information : 個数が6個ではありません\r\n")
                             : QString::fromUtf16(u"Information : 先頭が番号ではありません\r\n");
    return head + QString::number(lineNumber) + QStringLiteral(" : ") + line;
}

QString LanguageFileCheck::messageEnglish() const
{
    const QString head = problem == Problem::NotSixFields
                             ? QStringLiteral("Information : Items is not 6.\r\n[OK]\r\n")
                             : QStringLiteral("Information : First column is not numeric.\r\n[OK]\r\n");
    return head + QString::number(lineNumber) + QStringLiteral(" : ") + line;
}

QString LanguageFile::path(const QString &fileName)
{
    return AppPaths::languageFile(fileName);
}

std::optional<QStringList> LanguageFile::readLines(const QString &path)
{
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeLines(file.readAll());
}

QStringList LanguageFile::decodeLines(const QByteArray &bytes)
{
    return Utf16TextFile::splitLines(Utf16TextFile::decodeUtf16Le(bytes));
}

LanguageFileCheck LanguageFile::check(const QStringList &lines)
{
    QStringList fields;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        fields.clear();
        LineSplitter::split(lines[i], fields);
        LanguageFileCheck result;
        result.lineNumber = int(i + 1);
        result.line = lines[i];
        if (fields.size() != 6) {
            result.problem = LanguageFileCheck::Problem::NotSixFields;
            return result;
        }
        if (fields[0].compare(QLatin1String("TAG"), Qt::CaseInsensitive) != 0 && !IsNumericStr(fields[0])) {
            result.problem = LanguageFileCheck::Problem::FirstNotNumeric;
            return result;
        }
    }
    return {};
}

LanguageFileCheck LanguageFile::CheckLanguageFile(const QString &path)
{
    const std::optional<QStringList> lines = readLines(path);
    return lines ? check(*lines) : LanguageFileCheck{};
}

QString LanguageFile::formatErrorJapanese()
{
    return QString::fromUtf16(u"Error : 言語設定ファイルが不正です");
}

QString LanguageFile::formatErrorEnglish()
{
    return QStringLiteral("Error : This language file format is wrong.\r\n[OK]");
}

std::array<QString, 5> LanguageFile::builtInLauncherBases(bool japanese)
{
    if (japanese) {
        return {QString::fromUtf16(u"外部プログラム １ 起動(&U) "), QString::fromUtf16(u"外部プログラム ２ 起動(&V) "),
                QString::fromUtf16(u"外部プログラム ３ 起動(&W) "), QString::fromUtf16(u"外部プログラム ４ 起動(&Y) "),
                QString::fromUtf16(u"外部プログラム ５ 起動(&Z) ")};
    }
    return {QStringLiteral("Execute Launcher Program1(&U) "), QStringLiteral("Execute Launcher Program2(&V) "),
            QStringLiteral("Execute Launcher Program3(&W) "), QStringLiteral("Execute Launcher Program4(&Y) "),
            QStringLiteral("Execute Launcher Program5(&Z) ")};
}

void LanguageFile::readLauncherBases(const QStringList &lines, bool japanese, std::array<QString, 5> &bases)
{
    static constexpr QStringView tags[] = {u"1011", u"1012", u"1013", u"1014", u"1015"};
    QStringList fields;
    for (const QString &line : lines) {
        fields.clear();
        LineSplitter::split(line, fields);
        for (size_t n = 0; n < bases.size(); ++n) {
            if (fields.size() >= 6 && fields[0] == tags[n])
                bases[n] = fields[japanese ? 4 : 5];
        }
    }
}

} // namespace quillon
