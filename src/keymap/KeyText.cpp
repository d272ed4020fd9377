#include "KeyText.h"

#include <array>

namespace quillon {

namespace {

struct KeyName
{
    const char16_t *name;
    int virtualKey;
    Qt::Key qtKey;
};

// The 74 key names. The punctuation names follow the JIS layout: ";" is key
// 187 and ":" is key 186, the reverse of the US meaning of those codes.
constexpr std::array<KeyName, KeyText::KeyNameCount> keyTable{{
    {u"0", 48, Qt::Key_0}, {u"1", 49, Qt::Key_1}, {u"2", 50, Qt::Key_2}, {u"3", 51, Qt::Key_3},
    {u"4", 52, Qt::Key_4}, {u"5", 53, Qt::Key_5}, {u"6", 54, Qt::Key_6}, {u"7", 55, Qt::Key_7},
    {u"8", 56, Qt::Key_8}, {u"9", 57, Qt::Key_9},
    {u"A", 65, Qt::Key_A}, {u"B", 66, Qt::Key_B}, {u"C", 67, Qt::Key_C}, {u"D", 68, Qt::Key_D},
    {u"E", 69, Qt::Key_E}, {u"F", 70, Qt::Key_F}, {u"G", 71, Qt::Key_G}, {u"H", 72, Qt::Key_H},
    {u"I", 73, Qt::Key_I}, {u"J", 74, Qt::Key_J}, {u"K", 75, Qt::Key_K}, {u"L", 76, Qt::Key_L},
    {u"M", 77, Qt::Key_M}, {u"N", 78, Qt::Key_N}, {u"O", 79, Qt::Key_O}, {u"P", 80, Qt::Key_P},
    {u"Q", 81, Qt::Key_Q}, {u"R", 82, Qt::Key_R}, {u"S", 83, Qt::Key_S}, {u"T", 84, Qt::Key_T},
    {u"U", 85, Qt::Key_U}, {u"V", 86, Qt::Key_V}, {u"W", 87, Qt::Key_W}, {u"X", 88, Qt::Key_X},
    {u"Y", 89, Qt::Key_Y}, {u"Z", 90, Qt::Key_Z},
    {u"F1", 112, Qt::Key_F1}, {u"F2", 113, Qt::Key_F2}, {u"F3", 114, Qt::Key_F3},
    {u"F4", 115, Qt::Key_F4}, {u"F5", 116, Qt::Key_F5}, {u"F6", 117, Qt::Key_F6},
    {u"F7", 118, Qt::Key_F7}, {u"F8", 119, Qt::Key_F8}, {u"F9", 120, Qt::Key_F9},
    {u"F10", 121, Qt::Key_F10}, {u"F11", 122, Qt::Key_F11}, {u"F12", 123, Qt::Key_F12},
    {u"Space", 32, Qt::Key_Space}, {u"Esc", 27, Qt::Key_Escape}, {u"Enter", 13, Qt::Key_Return},
    {u"Tab", 9, Qt::Key_Tab}, {u"BkSp", 8, Qt::Key_Backspace},
    {u"Up", 38, Qt::Key_Up}, {u"Down", 40, Qt::Key_Down}, {u"Left", 37, Qt::Key_Left},
    {u"Right", 39, Qt::Key_Right},
    {u"Home", 36, Qt::Key_Home}, {u"End", 35, Qt::Key_End}, {u"PgUp", 33, Qt::Key_PageUp},
    {u"PgDn", 34, Qt::Key_PageDown}, {u"Ins", 45, Qt::Key_Insert}, {u"Del", 46, Qt::Key_Delete},
    {u",", 188, Qt::Key_Comma}, {u".", 190, Qt::Key_Period}, {u"/", 191, Qt::Key_Slash},
    {u";", 187, Qt::Key_Semicolon}, {u":", 186, Qt::Key_Colon},
    {u"]", 221, Qt::Key_BracketRight}, {u"@", 192, Qt::Key_At}, {u"[", 219, Qt::Key_BracketLeft},
    {u"-", 189, Qt::Key_Minus}, {u"^", 222, Qt::Key_AsciiCircum},
    {u"\\", 220, Qt::Key_Backslash},
}};

const KeyName *findByVirtualKey(int virtualKey)
{
    for (const KeyName &k : keyTable) {
        if (k.virtualKey == virtualKey)
            return &k;
    }
    return nullptr;
}

const KeyName *findByQtKey(Qt::Key key)
{
    for (const KeyName &k : keyTable) {
        if (k.qtKey == key)
            return &k;
    }
    return nullptr;
}

// Text before the first tab, or nothing when there is no tab (the rest then
// stays whole), as the key-map format has always been read.
QStringView takeField(QStringView &rest)
{
    const qsizetype tab = rest.indexOf(u'\t');
    if (tab < 0)
        return rest.left(0);
    const QStringView field = rest.left(tab);
    rest = rest.mid(tab + 1);
    return field;
}

} // namespace

int KeyText::virtualKeyOfName(QStringView name)
{
    for (const KeyName &k : keyTable) {
        if (name == QStringView(k.name))
            return k.virtualKey;
    }
    return 0;
}

QString KeyText::nameOfVirtualKey(int virtualKey)
{
    const KeyName *k = findByVirtualKey(virtualKey);
    return k ? QStringView(k->name).toString() : QString();
}

QStringList KeyText::keyNames()
{
    QStringList names;
    names.reserve(KeyNameCount);
    for (const KeyName &k : keyTable)
        names.append(QStringView(k.name).toString());
    return names;
}

ShortCutValue KeyText::read(QStringView keyText)
{
    const QString shift = QStringLiteral("Shift");
    const QString ctrl = QStringLiteral("Ctrl");
    const QString alt = QStringLiteral("Alt");
    ShortCutValue modifiers = 0;
    if (keyText.contains(shift))
        modifiers |= ShiftBit;
    if (keyText.contains(ctrl))
        modifiers |= CtrlBit;
    if (keyText.contains(alt))
        modifiers |= AltBit;

    QString rest = keyText.toString();
    rest.remove(shift);
    rest.remove(ctrl);
    rest.remove(alt);
    rest.remove(u'+');
    // Spaces only: other blanks are not part of the format and make the name unknown.
    qsizetype begin = 0;
    qsizetype end = rest.size();
    while (begin < end && rest.at(begin) == u' ')
        ++begin;
    while (end > begin && rest.at(end - 1) == u' ')
        --end;

    const int virtualKey = virtualKeyOfName(QStringView(rest).mid(begin, end - begin));
    if (virtualKey == 0)
        return 0;
    return ShortCutValue(virtualKey | modifiers);
}

QString KeyText::write(ShortCutValue value)
{
    const KeyName *k = findByVirtualKey(value & KeyMask);
    if (!k)
        return QString();
    QString text;
    if (value & ShiftBit)
        text += QLatin1String("Shift+");
    if (value & CtrlBit)
        text += QLatin1String("Ctrl+");
    if (value & AltBit)
        text += QLatin1String("Alt+");
    text += QStringView(k->name);
    return text;
}

QKeyCombination KeyText::toKeyCombination(ShortCutValue value)
{
    const KeyName *k = findByVirtualKey(value & KeyMask);
    if (!k)
        return QKeyCombination(Qt::Key_unknown);
    Qt::KeyboardModifiers modifiers;
    if (value & ShiftBit)
        modifiers |= Qt::ShiftModifier;
    if (value & CtrlBit)
        modifiers |= Qt::ControlModifier;
    if (value & AltBit)
        modifiers |= Qt::AltModifier;
    return QKeyCombination(modifiers, k->qtKey);
}

ShortCutValue KeyText::fromKeyCombination(QKeyCombination combination)
{
    Qt::Key key = combination.key();
    Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    if (key == Qt::Key_Enter)
        key = Qt::Key_Return;
    if (key == Qt::Key_Backtab) {
        key = Qt::Key_Tab;
        modifiers |= Qt::ShiftModifier;
    }
    const KeyName *k = findByQtKey(key);
    if (!k)
        return 0;
    ShortCutValue value = ShortCutValue(k->virtualKey);
    if (modifiers & Qt::ShiftModifier)
        value |= ShiftBit;
    if (modifiers & Qt::ControlModifier)
        value |= CtrlBit;
    if (modifiers & Qt::AltModifier)
        value |= AltBit;
    return value;
}

KeyMapFields KeyText::splitKeyMapLine(QStringView line)
{
    KeyMapFields fields;
    QStringView rest = line;
    fields.category = takeField(rest);
    fields.name = takeField(rest);
    fields.keyText = takeField(rest);
    fields.code = rest;
    return fields;
}

std::optional<ShortCutValue> KeyText::lookUp(const QStringList &keyMap, QStringView code)
{
    for (const QString &line : keyMap) {
        const KeyMapFields fields = splitKeyMapLine(line);
        if (fields.code == code)
            return read(fields.keyText);
    }
    return std::nullopt;
}

} // namespace quillon
