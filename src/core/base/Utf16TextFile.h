#pragma once
// The text files the program keeps beside itself (settings, key maps,
// history, recent files, search history) are UTF-16 little-endian with the
// byte-order mark FF FE and CR LF after every line, always written whole and
// atomically (temporary file, then rename), so a crash never leaves half a file.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quillon {

struct WriteResult {
    bool ok = true;
    QString error; // the system's reason when !ok
};

class Utf16TextFile {
public:
    // Decodes a whole file's bytes: FF FE / FE FF / EF BB BF marks are honoured;
    // without a mark UTF-16 LE is assumed when the bytes look like it (NULs in
    // odd places), otherwise UTF-8. Never fails.
    [[nodiscard]] static QString decode(const QByteArray &bytes);
    // UTF-16 LE whether or not the mark FF FE is there (key-map and language
    // files); a lone last byte is dropped.
    [[nodiscard]] static QString decodeUtf16Le(const QByteArray &bytes);
    [[nodiscard]] static QByteArray encode(const QString &text); // FF FE + UTF-16 LE

    // Reads the file; missing or unreadable gives ok=false and an empty text.
    [[nodiscard]] static QString readText(const QString &path, bool *ok = nullptr);
    // CR LF, a lone CR and a lone LF all end a line; a final line end does
    // not make an extra empty line.
    [[nodiscard]] static QStringList splitLines(const QString &text);
    [[nodiscard]] static QStringList readLines(const QString &path, bool *ok = nullptr);

    // Atomic replace: the old file stays intact when anything fails.
    [[nodiscard]] static WriteResult writeText(const QString &path, const QString &text);
    // Every line followed by CR LF.
    [[nodiscard]] static WriteResult writeLines(const QString &path, const QStringList &lines);
};

} // namespace quillon
