#include "KeyConflicts.h"

#include "KeyText.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace quillon {

namespace {

// "1021|1109" for codes sharing a key in some default set, in both orders.
QSet<QString> meantPairs(const QList<QStringList> &defaultSets)
{
    QSet<QString> pairs;
    for (const QStringList &set : defaultSets) {
        QHash<QString, QStringList> byKey;
        for (const QString &line : set) {
            const KeyMapFields f = KeyText::splitKeyMapLine(line);
            if (!f.keyText.isEmpty())
                byKey[f.keyText.toString()].append(f.code.toString());
        }
        for (const QStringList &codes : std::as_const(byKey)) {
            for (const QString &a : codes) {
                for (const QString &b : codes)
                    pairs.insert(a + u'|' + b);
            }
        }
    }
    return pairs;
}

} // namespace

KeyConflicts::KeyConflicts(const QStringList &map, const QList<QStringList> &defaultSets)
{
    const QSet<QString> meant = meantPairs(defaultSets);
    m_others.resize(map.size());
    QHash<QString, QList<qsizetype>> byKey;
    for (qsizetype i = 0; i < map.size(); ++i) {
        const QStringView key = KeyText::splitKeyMapLine(map[i]).keyText;
        if (!key.isEmpty())
            byKey[key.toString()].append(i);
    }
    for (const QList<qsizetype> &lines : std::as_const(byKey)) {
        for (qsizetype a : lines) {
            const QString codeA = KeyText::splitKeyMapLine(map[a]).code.toString();
            for (qsizetype b : lines) {
                const QString codeB = KeyText::splitKeyMapLine(map[b]).code.toString();
                if (a != b && !meant.contains(codeA + u'|' + codeB))
                    m_others[a].append(b);
            }
        }
    }
}

QList<qsizetype> KeyConflicts::othersOf(qsizetype index) const
{
    return index >= 0 && index < m_others.size() ? m_others[index] : QList<qsizetype>();
}

bool KeyConflicts::any() const
{
    for (const QList<qsizetype> &others : m_others) {
        if (!others.isEmpty())
            return true;
    }
    return false;
}

QStringList KeyConflicts::describe(const QStringList &map) const
{
    QStringList out;
    QSet<qsizetype> told;
    for (qsizetype i = 0; i < m_others.size(); ++i) {
        if (m_others[i].isEmpty() || told.contains(i))
            continue;
        QList<qsizetype> lines{i};
        lines += m_others[i];
        std::sort(lines.begin(), lines.end());
        QStringList names;
        for (qsizetype l : lines) {
            told.insert(l);
            const KeyMapFields f = KeyText::splitKeyMapLine(map[l]);
            names.append(u'[' + f.category.toString() + QStringLiteral("] ") + f.name.toString().trimmed());
        }
        out.append(KeyText::splitKeyMapLine(map[i]).keyText.toString() + QStringLiteral(" : ")
                   + names.join(QStringLiteral(" / ")));
    }
    return out;
}

} // namespace quillon
