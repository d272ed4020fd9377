#pragma once
// Giving a command of a key map a new key, as the keyboard dialog's selectors
// do: the new key text is made from the chosen modifiers and key, and the
// change is refused when a modifier has no key, when the command has that key
// already, or when any command of the map holds it.
#include <QString>
#include <QStringList>
#include <QStringView>

namespace quillon {

// What the four selectors show; an empty key is the blank choice.
struct KeySelection {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    QString key;

    friend bool operator==(const KeySelection &, const KeySelection &) = default;
};

struct KeyChangeResult {
    enum class Outcome { Changed, ModifierWithoutKey, SameSetting, InUse };
    Outcome outcome = Outcome::Changed;
    QString keyText;        // the composed text
    QString usedByCategory; // InUse: the category of the line that holds it
};

class KeyChange {
public:
    KeyChange() = delete;

    // The key choices in the order the dialog offers them: digits, letters,
    // F-keys, Space, Esc, Enter, Tab, the arrows, Home, End, PgUp, PgDn, Ins,
    // Del, BkSp, then the punctuation and the backslash.
    [[nodiscard]] static QStringList selectorKeyNames();
    // "Shift+Ctrl+Alt+Key" from the non-blank parts; no key gives the empty text.
    [[nodiscard]] static QString compose(const KeySelection &selection);
    // What the selectors show for a key text: each modifier word present
    // anywhere; the rest without the words and the "+", trimmed.
    [[nodiscard]] static KeySelection parse(QStringView keyText);

    // Applies `selection` to the first line of `map` with `code` (ChangePresentKey).
    // A refusal leaves the map unchanged.
    [[nodiscard]] static KeyChangeResult change(QStringList &map, QStringView code, const KeySelection &selection);

    // The line with its key field replaced; category, name and code kept.
    [[nodiscard]] static QString withKey(QStringView line, QStringView keyText);
    // Index of the first line carrying `code`, or -1.
    [[nodiscard]] static qsizetype indexOfCode(const QStringList &map, QStringView code);
};

} // namespace quillon
