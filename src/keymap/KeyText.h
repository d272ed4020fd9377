#pragma once

#include <QKeyCombination>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace quillon {

// A key assignment in memory: the low byte is a Windows virtual-key code,
// the high bits are the modifiers. 0 means "no key". Key-map files store the
// same thing as key text ("Shift+Ctrl+F3"); only the 74 key names of the
// table in KeyText.cpp are ever written or understood.
using ShortCutValue = quint16;

// The four tab-separated fields of a key-map line. Splitting takes the text
// before the first tab three times; when a tab is missing, that field is
// empty and the rest stays whole. So a line without any tab is all code, and
// whatever follows the third tab (tabs included) is the code.
struct KeyMapFields
{
    QStringView category;
    QStringView name;
    QStringView keyText;
    QStringView code;
};

class KeyText
{
public:
    static constexpr ShortCutValue ShiftBit = 0x2000;
    static constexpr ShortCutValue CtrlBit = 0x4000;
    static constexpr ShortCutValue AltBit = 0x8000;
    static constexpr ShortCutValue KeyMask = 0x00FF;
    static constexpr int KeyNameCount = 74;

    KeyText() = delete;

    // Key name <-> virtual-key code; 0 / empty text for anything not in the table.
    [[nodiscard]] static int virtualKeyOfName(QStringView name);
    [[nodiscard]] static QString nameOfVirtualKey(int virtualKey);
    // The 74 key names in table order (digits, letters, F-keys, ..., backslash).
    [[nodiscard]] static QStringList keyNames();

    // Key text -> shortcut value. The words "Shift", "Ctrl" and "Alt" count
    // wherever they stand (case matters); they and every "+" are removed and
    // the rest, trimmed of spaces, must be a key name. Otherwise: 0.
    [[nodiscard]] static ShortCutValue read(QStringView keyText);
    // Shortcut value -> key text, modifiers always as "Shift+Ctrl+Alt+".
    // A value whose key is not in the table gives the empty text.
    [[nodiscard]] static QString write(ShortCutValue value);

    // Qt key of a shortcut value. The punctuation keys are named after the
    // Japanese (JIS) layout, so each maps to the character that key types
    // there: 187 is ';', 186 is ':', 192 '@', 222 '^', 219/221 '[' / ']'.
    // Caveat for 220: the JIS yen key is Qt::Key_Backslash here; a layout that
    // reports it as Qt::Key_yen will not fire it, and the JIS underscore key
    // (226, not in the table) also types a backslash and so fires it as well.
    // 0 or an unknown key gives an empty combination (Qt::Key_unknown).
    [[nodiscard]] static QKeyCombination toKeyCombination(ShortCutValue value);
    // The inverse, for key presses captured by the key dialogs. Keys outside
    // the table give 0. Keypad Enter counts as Enter, Backtab as Shift+Tab.
    [[nodiscard]] static ShortCutValue fromKeyCombination(QKeyCombination combination);

    [[nodiscard]] static KeyMapFields splitKeyMapLine(QStringView line);
    // The key the key map gives to `code`: the first line whose code field
    // equals it exactly decides; std::nullopt when no line carries the code
    // (the item then keeps its key). An unreadable key text gives 0.
    [[nodiscard]] static std::optional<ShortCutValue> lookUp(const QStringList &keyMap, QStringView code);
};

} // namespace quillon
