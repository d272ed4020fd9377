#pragma once
// Keys that a key map gives to more than one command. The dialog refuses such
// a change, but a difference file or a hand-edited key-map file can bring one
// in. Pairs that the default catalogue itself gives one key (1021 and 1109
// share Ctrl+V: the search bar's menu is active only while the bar has the
// focus) are meant and not counted.
#include <QList>
#include <QString>
#include <QStringList>

namespace quillon {

class KeyConflicts {
public:
    // defaultSets: the owner's catalogue with each key set.
    KeyConflicts(const QStringList &map, const QList<QStringList> &defaultSets);

    // Indexes of the other lines holding the key of line `index`.
    [[nodiscard]] QList<qsizetype> othersOf(qsizetype index) const;
    [[nodiscard]] bool any() const;
    // One text per shared key, "Ctrl+F : [category] name / [category] name".
    [[nodiscard]] QStringList describe(const QStringList &map) const;

private:
    QList<QList<qsizetype>> m_others;
};

} // namespace quillon
