#include "HelpFile.h"

#include "AppPaths.h"
#include "Decoder.h"
#include "SystemCodePage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quillon {

QString HelpFile::fileName(Kind kind, bool japanese)
{
    const QString base = AppPaths::programName() + (kind == Kind::Grid ? QStringLiteral("2") : QString());
    return base + (japanese ? QString() : QStringLiteral("-en")) + QStringLiteral(".txt");
}

QString HelpFile::path(Kind kind, bool japanese)
{
    // The user's copy in the program folder first, else the shipped one
    // (an installed program keeps its help texts apart from the settings).
    const QString own = AppPaths::dataFile(fileName(kind, japanese));
    if (japanese || QFileInfo::exists(own))
        return own;
    return AppPaths::dataFile(fileName(kind, true));
}

HelpText HelpFile::decode(QByteArrayView bytes)
{
    DecoderKind kind = systemDecoderKind();
    qsizetype skip = 0;
    if (bytes.size() >= 3 && uchar(bytes[0]) == 0xEF && uchar(bytes[1]) == 0xBB && uchar(bytes[2]) == 0xBF) {
        kind = DecoderKind::Utf8Lenient;
        skip = 3;
    } else if (bytes.size() >= 2 && uchar(bytes[0]) == 0xFF && uchar(bytes[1]) == 0xFE) {
        kind = DecoderKind::Utf16Le;
        skip = 2;
    } else if (bytes.size() >= 2 && uchar(bytes[0]) == 0xFE && uchar(bytes[1]) == 0xFF) {
        kind = DecoderKind::Utf16Be;
        skip = 2;
    } else if (kind == DecoderKind::Utf8Strict) {
        kind = DecoderKind::Utf8Lenient; // a help text is shown whatever bytes it holds
    }
    const QByteArrayView body = bytes.sliced(skip);
    TextSink sink(decodedCapacityHint(kind, body));
    DecodeError error;
    createDecoder(kind)->decode(body, sink, &error);
    auto text = std::make_shared<const TextBuffer>(sink.finish());
    // A text file holds no NUL: this is some other kind of file.
    if (text->text().contains(QChar(u'\0')))
        return {HelpText::Status::NotText, std::make_shared<const TextBuffer>()};
    return {HelpText::Status::Shown, std::move(text)};
}

HelpText HelpFile::load(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (!info.isFile())
        return {HelpText::Status::NotText};
    if (info.size() > MaxBytes)
        return {HelpText::Status::NotText};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {HelpText::Status::Unreadable};
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return {HelpText::Status::Unreadable};
    return decode(bytes);
}

MessageText HelpFile::message(HelpText::Status status, const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QString crlf = QStringLiteral("\r\n");
    if (status == HelpText::Status::Unreadable)
        return {QString::fromUtf16(u"Error : ヘルプファイルが読み込めません\r\n") + shown,
                QStringLiteral("Error : Help file can not read.\r\n") + shown + crlf + QStringLiteral("[OK]")};
    return {QString::fromUtf16(u"Error : ヘルプファイルがテキストファイルではありません\r\n") + shown,
            QStringLiteral("Error : Help file is not a text file.\r\n") + shown + crlf + QStringLiteral("[OK]")};
}

} // namespace quillon
