#pragma once
// Builders for test input: Japanese literals, UTF-16 LE file bytes written
// independently of the program's own encoder, and text buffers.
#include "TextBuffer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

namespace quillon::test {

// A UTF-16 literal as a QString: J(u"テスト").
inline QString J(const char16_t *s)
{
    return QString::fromUtf16(s);
}

inline const QByteArray utf16LeBom("\xFF\xFE", 2);

// The code units of text, low byte first, without a byte-order mark.
inline QByteArray utf16le(const QString &text)
{
    QByteArray out;
    out.reserve(text.size() * 2);
    for (QChar c : text)
        out.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    return out;
}

// A file as the program writes its lists: each line followed by eol.
inline QByteArray utf16LeFile(const QStringList &lines, bool bom = true, const QString &eol = QStringLiteral("\r\n"))
{
    QString text;
    for (const QString &l : lines)
        text += l + eol;
    return (bom ? utf16LeBom : QByteArray()) + utf16le(text);
}

inline TextBuffer bufferOf(const QString &text)
{
    TextSink sink(text.size());
    for (QChar c : text)
        sink.put(c.unicode());
    return sink.finish();
}

inline std::shared_ptr<const TextBuffer> sharedBufferOf(const QString &text)
{
    return std::make_shared<const TextBuffer>(bufferOf(text));
}

// "line1" .. "lineN" in ASCII, each but perhaps the last ended by CR LF.
inline QByteArray numberedLines(int n, const QByteArray &prefix = "line", bool finalBreak = true)
{
    QByteArray b;
    for (int i = 1; i <= n; ++i) {
        b += prefix + QByteArray::number(i);
        if (i < n || finalBreak)
            b += "\r\n";
    }
    return b;
}

} // namespace quillon::test
