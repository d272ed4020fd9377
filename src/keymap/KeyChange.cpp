#include "KeyChange.h"

#include "KeyText.h"

namespace quillon {

QStringList KeyChange::selectorKeyNames()
{
    // The file table keeps "BkSp" among Space..Tab; the selector lists it after "Del".
    QStringList names = KeyText::keyNames();
    names.removeOne(QStringLiteral("BkSp"));
    names.insert(names.indexOf(QStringLiteral("Del")) + 1, QStringLiteral("BkSp"));
    return names;
}

QString KeyChange::compose(const KeySelection &s)
{
    if (s.key.trimmed().isEmpty())
        return {};
    QString text;
    if (s.shift)
        text += QStringLiteral("Shift+");
    if (s.ctrl)
        text += QStringLiteral("Ctrl+");
    if (s.alt)
        text += QStringLiteral("Alt+");
    return text + s.key.trimmed();
}

KeySelection KeyChange::parse(QStringView keyText)
{
    KeySelection s;
    s.shift = keyText.contains(u"Shift");
    s.ctrl = keyText.contains(u"Ctrl");
    s.alt = keyText.contains(u"Alt");
    QString rest = keyText.toString();
    for (const char16_t *word : {u"Shift", u"Ctrl", u"Alt", u"+"})
        rest.remove(QStringView(word).toString());
    s.key = rest.trimmed();
    return s;
}

qsizetype KeyChange::indexOfCode(const QStringList &map, QStringView code)
{
    for (qsizetype i = 0; i < map.size(); ++i) {
        if (KeyText::splitKeyMapLine(map[i]).code == code)
            return i;
    }
    return -1;
}

QString KeyChange::withKey(QStringView line, QStringView keyText)
{
    const KeyMapFields f = KeyText::splitKeyMapLine(line);
    return f.category.toString() + u'\t' + f.name.toString() + u'\t' + keyText.toString() + u'\t' + f.code.toString();
}

KeyChangeResult KeyChange::change(QStringList &map, QStringView code, const KeySelection &selection)
{
    KeyChangeResult r;
    if (selection.key.trimmed().isEmpty() && (selection.shift || selection.ctrl || selection.alt)) {
        r.outcome = KeyChangeResult::Outcome::ModifierWithoutKey;
        return r;
    }
    r.keyText = compose(selection);
    const qsizetype index = indexOfCode(map, code);
    if (!r.keyText.isEmpty()) {
        if (index >= 0 && KeyText::splitKeyMapLine(map[index]).keyText == r.keyText) {
            r.outcome = KeyChangeResult::Outcome::SameSetting;
            return r;
        }
        for (const QString &line : map) {
            const KeyMapFields f = KeyText::splitKeyMapLine(line);
            if (f.keyText == r.keyText) {
                r.outcome = KeyChangeResult::Outcome::InUse;
                r.usedByCategory = f.category.toString();
                return r;
            }
        }
    }
    if (index >= 0)
        map[index] = withKey(map[index], r.keyText);
    return r;
}

} // namespace quillon
