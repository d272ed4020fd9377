#include "KeyMapTranslation.h"

#include "KeyText.h"
#include "LanguageFile.h"
#include "LineSplitter.h"

#include <QHash>

#include <optional>

namespace quillon {

namespace {

struct CategoryWords {
    const char16_t *japanese;
    const char16_t *english;
};

// "Crl+Key" is spelt as the stored files have it.
constexpr CategoryWords categoryTable[] = {
    {u"Key", u"Key"},           {u"Shift+Key", u"Shift+Key"}, {u"Crl+Key", u"Crl+Key"},
    {u"その他のkey", u"OtherKey"}, {u"ファイル", u"File"},         {u"検索", u"Search"},
    {u"編集", u"Edit"},           {u"文字コード", u"Code"},         {u"表示", u"View"},
    {u"バイナリ", u"Binary"},       {u"共通", u"Common"},          {u"拡張", u"Expand"},
    {u"ヘルプ", u"Help"},          {u"テキスト", u"Text"},          {u"移動", u"Move"},
    {u"設定", u"Setting"},         {u"Jpn/Eng", u"Jpn/Eng"},
};

} // namespace

QString KeyMapTranslation::category(QStringView category, bool japanese)
{
    for (const CategoryWords &w : categoryTable) {
        if (category == QStringView(w.japanese) || category == QStringView(w.english))
            return QStringView(japanese ? w.japanese : w.english).toString();
    }
    return category.toString();
}

void KeyMapTranslation::translate(bool japanese, QStringList &map, const QStringList &languageLines)
{
    // The first usable line of each tag.
    QHash<QString, QString> names;
    QStringList fields;
    for (const QString &line : languageLines) {
        fields.clear();
        LineSplitter::split(line, fields);
        if (fields.size() != 6 || names.contains(fields[0]))
            continue;
        names.insert(fields[0], japanese ? fields[4] : fields[5]);
    }
    for (QString &line : map) {
        const KeyMapFields f = KeyText::splitKeyMapLine(line);
        const auto name = names.constFind(f.code.toString());
        if (name == names.constEnd())
            continue;
        line = category(f.category, japanese) + u'\t' + *name + u'\t' + f.keyText.toString() + u'\t'
            + f.code.toString();
    }
}

void KeyMapTranslation::SetKeyMapJpnEng(bool japanese, QStringList &map, const QString &languageFileName)
{
    const std::optional<QStringList> lines = LanguageFile::readLines(LanguageFile::path(languageFileName));
    if (lines)
        translate(japanese, map, *lines);
}

} // namespace quillon
