#pragma once
// Key maps shown in the interface language: the category of every line goes
// through a fixed table of Japanese and English words, and the command name
// is taken from the owner's language file (the line whose tag is the code).
// Key text and code never change.
#include <QString>
#include <QStringList>
#include <QStringView>

namespace quillon {

class KeyMapTranslation {
public:
    KeyMapTranslation() = delete;

    // A category found in either column of the table, in the wanted language;
    // any other text unchanged.
    [[nodiscard]] static QString category(QStringView category, bool japanese);
    // Every line of map, with the lines of the owner's language file. Lines
    // of the file that do not split into six fields are skipped; the first
    // line whose tag equals the code names the command (field 5 Japanese,
    // field 6 English). A map line without such a line stays as it is.
    static void translate(bool japanese, QStringList &map, const QStringList &languageLines);
    // The same with the owner's language file by name ("Main.txt"); when the
    // file is missing nothing changes.
    static void SetKeyMapJpnEng(bool japanese, QStringList &map, const QString &languageFileName);
};

} // namespace quillon
