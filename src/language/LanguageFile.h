#pragma once
// Language files: one per window, in Language/<program>/ beside the program.
// UTF-16 LE text (a missing byte-order mark changes nothing), one entry per
// line, six fields: tag, flag, a translator's name, kind ("Caption", "Item",
// "Text"), Japanese text, English text. A line "Tag ..." is a header.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

namespace quillon {

// True when every character is 0 to 9; the empty text counts as numeric.
[[nodiscard]] bool IsNumericStr(QStringView text);

// The first line a language file fails on, and why.
struct LanguageFileCheck {
    enum class Problem { None, NotSixFields, FirstNotNumeric };
    Problem problem = Problem::None;
    int lineNumber = 0; // 1-based
    QString line;

    [[nodiscard]] bool ok() const { return problem == Problem::None; }
    // The validation message naming the line, in each wording.
    [[nodiscard]] QString messageJapanese() const;
    [[nodiscard]] QString messageEnglish() const;
};

class LanguageFile {
public:
    LanguageFile() = delete;

    // Path of a window's file Language/<program>/<fileName>: the user's own in the program
    // folder, else the shipped one (AppPaths::languageFile).
    [[nodiscard]] static QString path(const QString &fileName);

    // Lines of the file; nullopt when it is missing or cannot be read.
    [[nodiscard]] static std::optional<QStringList> readLines(const QString &path);
    // Bytes as UTF-16 LE, an FF FE mark skipped; an odd last byte is dropped.
    [[nodiscard]] static QStringList decodeLines(const QByteArray &bytes);

    [[nodiscard]] static LanguageFileCheck check(const QStringList &lines);
    // A file that does not exist passes.
    [[nodiscard]] static LanguageFileCheck CheckLanguageFile(const QString &path);

    // "Error : This language file format is wrong." in each wording.
    [[nodiscard]] static QString formatErrorJapanese();
    [[nodiscard]] static QString formatErrorEnglish();

    // The five built-in launcher caption bases of a language (one trailing space each).
    [[nodiscard]] static std::array<QString, 5> builtInLauncherBases(bool japanese);
    // Replaces a base by field 5 or 6 of every line whose first field is
    // exactly "1011" ... "1015" (flag and kind are not looked at).
    static void readLauncherBases(const QStringList &lines, bool japanese, std::array<QString, 5> &bases);
};

} // namespace quillon
