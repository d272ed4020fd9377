#include "KeyMapListing.h"

#include "KeyText.h"

#include <algorithm>

namespace quillon {

namespace {

struct Modifiers {
    bool shift;
    bool ctrl;
    bool alt;
};

Modifiers modifiersOf(QStringView keyText)
{
    return {keyText.contains(u"Shift+"), keyText.contains(u"Ctrl+"), keyText.contains(u"Alt+")};
}

// Upper-cases a to z only: "[", the backslash, "]" and "^" then sort after
// the letters, and nothing outside ASCII changes.
QString asciiUpper(QString text)
{
    for (QChar &c : text) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    }
    return text;
}

} // namespace

int KeyMapListing::group(QStringView keyText)
{
    if (keyText.isEmpty())
        return 0;
    const Modifiers m = modifiersOf(keyText);
    if (m.shift)
        return m.ctrl ? (m.alt ? 5 : 3) : (m.alt ? 4 : 2);
    if (m.ctrl)
        return m.alt ? 7 : 6;
    return m.alt ? 8 : 1;
}

QString KeyMapListing::sortKey(QStringView keyText)
{
    const Modifiers m = modifiersOf(keyText);
    const int number = 1000 + (m.shift ? 100 : 0) + (m.ctrl ? 10 : 0) + (m.alt ? 1 : 0);
    QString rest = keyText.toString();
    for (const char16_t *word : {u"Shift+", u"Ctrl+", u"Alt+", u" "})
        rest.remove(QStringView(word).toString());
    return QString::number(number) + rest;
}

KeyMapListing::Groups KeyMapListing::GetKeySort1(const QStringList &lines)
{
    Groups groups;
    for (const QString &line : lines)
        groups[size_t(group(KeyText::splitKeyMapLine(line).keyText))].append(line);
    for (size_t g = 1; g < groups.size(); ++g) {
        QStringList &list = groups[g];
        std::stable_sort(list.begin(), list.end(), [](const QString &a, const QString &b) {
            return asciiUpper(sortKey(KeyText::splitKeyMapLine(a).keyText))
                < asciiUpper(sortKey(KeyText::splitKeyMapLine(b).keyText));
        });
    }
    return groups;
}

QStringList KeyMapListing::sortedView(const Groups &groups)
{
    QStringList out;
    for (size_t g = 1; g < groups.size(); ++g)
        out += groups[g];
    out += groups[0];
    return out;
}

} // namespace quillon
