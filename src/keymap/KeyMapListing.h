#pragma once
// The orders the key-map list shows a key map in: file order, or grouped by
// the modifiers of each key (no modifier first, then Shift, Shift+Ctrl,
// Shift+Alt, Shift+Ctrl+Alt, Ctrl, Ctrl+Alt, Alt; commands without a key
// last) and sorted by key inside each group.
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

namespace quillon {

class KeyMapListing {
public:
    KeyMapListing() = delete;
    static constexpr int GroupCount = 9;
    using Groups = std::array<QStringList, GroupCount>;

    // 0 for an empty key text, else 1 to 8 by the modifier words "Shift+",
    // "Ctrl+" and "Alt+" found anywhere in it.
    [[nodiscard]] static int group(QStringView keyText);
    // Four digits (1000 + 100 Shift + 10 Ctrl + 1 Alt) and the key without
    // modifier words and spaces.
    [[nodiscard]] static QString sortKey(QStringView keyText);
    // Lines into their groups; groups 1 to 8 sorted by sort key without
    // regard to ASCII case, group 0 in file order (GetKeySort1).
    [[nodiscard]] static Groups GetKeySort1(const QStringList &lines);
    // Groups 1 to 8, then 0: the order of the sorted view.
    [[nodiscard]] static QStringList sortedView(const Groups &groups);
};

} // namespace quillon
