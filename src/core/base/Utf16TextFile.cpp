#include "Utf16TextFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace quillon {

namespace {
QString fromUtf16Le(const char *p, qsizetype n)
{
    QString s(n / 2, Qt::Uninitialized);
    char16_t *d = reinterpret_cast<char16_t *>(s.data());
    for (qsizetype i = 0; i + 1 < n; i += 2)
        d[i / 2] = char16_t(uchar(p[i]) | (uchar(p[i + 1]) << 8));
    return s;
}
QString fromUtf16Be(const char *p, qsizetype n)
{
    QString s(n / 2, Qt::Uninitialized);
    char16_t *d = reinterpret_cast<char16_t *>(s.data());
    for (qsizetype i = 0; i + 1 < n; i += 2)
        d[i / 2] = char16_t((uchar(p[i]) << 8) | uchar(p[i + 1]));
    return s;
}
} // namespace

QString Utf16TextFile::decode(const QByteArray &bytes)
{
    const char *p = bytes.constData();
    const qsizetype n = bytes.size();
    if (n >= 2 && uchar(p[0]) == 0xFF && uchar(p[1]) == 0xFE)
        return fromUtf16Le(p + 2, n - 2);
    if (n >= 2 && uchar(p[0]) == 0xFE && uchar(p[1]) == 0xFF)
        return fromUtf16Be(p + 2, n - 2);
    if (n >= 3 && uchar(p[0]) == 0xEF && uchar(p[1]) == 0xBB && uchar(p[2]) == 0xBF)
        return QString::fromUtf8(p + 3, n - 3);
    // No mark: a UTF-16 LE file of mostly ASCII has NULs in its odd bytes.
    qsizetype oddZeros = 0, evenZeros = 0;
    const qsizetype sample = std::min<qsizetype>(n, 4096);
    for (qsizetype i = 0; i < sample; ++i) {
        if (p[i] == 0)
            ++((i & 1) ? oddZeros : evenZeros);
    }
    if (oddZeros > 0 && oddZeros >= sample / 8 && evenZeros < oddZeros / 4)
        return fromUtf16Le(p, n);
    return QString::fromUtf8(p, n);
}

QString Utf16TextFile::decodeUtf16Le(const QByteArray &bytes)
{
    const bool mark = bytes.size() >= 2 && uchar(bytes[0]) == 0xFF && uchar(bytes[1]) == 0xFE;
    return mark ? fromUtf16Le(bytes.constData() + 2, bytes.size() - 2) : fromUtf16Le(bytes.constData(), bytes.size());
}

QByteArray Utf16TextFile::encode(const QString &text)
{
    QByteArray out;
    out.reserve(2 + text.size() * 2);
    out.append('\xFF').append('\xFE');
    for (QChar c : text) {
        const char16_t u = c.unicode();
        out.append(char(u & 0xFF)).append(char(u >> 8));
    }
    return out;
}

QString Utf16TextFile::readText(const QString &path, bool *ok)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (ok)
            *ok = false;
        return {};
    }
    const QByteArray bytes = f.readAll();
    if (ok)
        *ok = f.error() == QFileDevice::NoError;
    return decode(bytes);
}

QStringList Utf16TextFile::splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QStringList Utf16TextFile::readLines(const QString &path, bool *ok)
{
    return splitLines(readText(path, ok));
}

WriteResult Utf16TextFile::writeText(const QString &path, const QString &text)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {false, f.errorString()};
    const QByteArray bytes = encode(text);
    if (f.write(bytes) != bytes.size()) {
        const QString reason = f.errorString();
        f.cancelWriting();
        return {false, reason};
    }
    if (!f.commit())
        return {false, f.errorString()};
    return {};
}

WriteResult Utf16TextFile::writeLines(const QString &path, const QStringList &lines)
{
    QString text;
    qsizetype total = 0;
    for (const QString &l : lines)
        total += l.size() + 2;
    text.reserve(total);
    for (const QString &l : lines) {
        text += l;
        text += QStringLiteral("\r\n");
    }
    return writeText(path, text);
}

} // namespace quillon
