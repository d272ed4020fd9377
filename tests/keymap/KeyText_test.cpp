#include "KeyText.h"

#include <gtest/gtest.h>

#include <set>

using namespace quillon;

namespace {

std::string s(QStringView v)
{
    return v.toString().toStdString();
}

struct TextCase
{
    const char16_t *text;
    ShortCutValue value;
    const char16_t *written;
};

// Reading a key text and writing the value back. The written form is the
// normalised one: modifiers in "Shift+Ctrl+Alt+" order, no spaces.
constexpr TextCase textCases[] = {
    {u"F", 70, u"F"},
    {u"Ctrl+F", 0x4000 | 70, u"Ctrl+F"},
    {u"Shift+F3", 0x2000 | 114, u"Shift+F3"},
    {u"Shift+Ctrl+Alt+F1", 0xE000 | 112, u"Shift+Ctrl+Alt+F1"},
    {u"Ctrl+Shift+F", 0x6000 | 70, u"Shift+Ctrl+F"},   // modifiers found in any order
    {u"Ctrl+Shift+f", 0, u""},                        // key names are case-sensitive
    {u"ctrl+F", 0, u""},                              // so are modifier words: "ctrlF" is no name
    {u"Alt + F4", 0x8000 | 115, u"Alt+F4"},           // spaces around the parts are ignored
    {u"AltF4", 0x8000 | 115, u"Alt+F4"},              // the words count wherever they stand
    {u"Shift+Shift+A", 0x2000 | 65, u"Shift+A"},
    {u";", 187, u";"},
    {u":", 186, u":"},
    {u"Ctrl+,", 0x4000 | 188, u"Ctrl+,"},
    {u"\\", 220, u"\\"},
    {u"Shift+^", 0x2000 | 222, u"Shift+^"},
    {u"  PgDn ", 34, u"PgDn"},
    {u"Space", 32, u"Space"},
    {u"", 0, u""},
    {u"Shift+", 0, u""},                              // modifiers without a key give no key
    {u"Ctrl++", 0, u""},
    {u"F13", 0, u""},
    {u"Ctrl+F\u3000", 0, u""},                        // only plain spaces are trimmed
};

TEST(KeyText, ReadsAndWritesKeyTexts)
{
    for (const TextCase &c : textCases) {
        SCOPED_TRACE(s(c.text));
        const ShortCutValue value = KeyText::read(c.text);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(s(KeyText::write(value)), s(c.written));
        // Whatever is written reads back to the same value.
        EXPECT_EQ(KeyText::read(KeyText::write(value)), value);
    }
}

TEST(KeyText, KeyNameTableIsComplete)
{
    const QStringList names = KeyText::keyNames();
    ASSERT_EQ(names.size(), KeyText::KeyNameCount);
    std::set<int> codes;
    for (const QString &name : names) {
        const int vk = KeyText::virtualKeyOfName(name);
        ASSERT_NE(vk, 0) << s(name);
        EXPECT_EQ(s(KeyText::nameOfVirtualKey(vk)), s(name));
        codes.insert(vk);
    }
    EXPECT_EQ(codes.size(), size_t(KeyText::KeyNameCount));
    EXPECT_EQ(KeyText::virtualKeyOfName(u"a"), 0);
    EXPECT_EQ(KeyText::virtualKeyOfName(u"Return"), 0);
    EXPECT_EQ(s(KeyText::nameOfVirtualKey(226)), ""); // the JIS underscore key is not in the table
    EXPECT_EQ(s(KeyText::write(226)), "");
}

TEST(KeyText, MapsToQtKeysOfTheJapaneseLayout)
{
    struct QtCase
    {
        const char16_t *text;
        QKeyCombination combination;
    };
    const QtCase cases[] = {
        {u"Ctrl+F", Qt::CTRL | Qt::Key_F},
        {u"Shift+A", Qt::SHIFT | Qt::Key_A},
        {u"Shift+Ctrl+Alt+F12", Qt::SHIFT | Qt::CTRL | Qt::ALT | Qt::Key_F12},
        {u"7", QKeyCombination(Qt::Key_7)},
        {u"Enter", QKeyCombination(Qt::Key_Return)},
        {u"Esc", QKeyCombination(Qt::Key_Escape)},
        {u"BkSp", QKeyCombination(Qt::Key_Backspace)},
        {u"Tab", QKeyCombination(Qt::Key_Tab)},
        {u"PgUp", QKeyCombination(Qt::Key_PageUp)},
        {u"Ins", QKeyCombination(Qt::Key_Insert)},
        {u";", QKeyCombination(Qt::Key_Semicolon)},
        {u":", QKeyCombination(Qt::Key_Colon)},
        {u"@", QKeyCombination(Qt::Key_At)},
        {u"^", QKeyCombination(Qt::Key_AsciiCircum)},
        {u"\\", QKeyCombination(Qt::Key_Backslash)},
        {u"[", QKeyCombination(Qt::Key_BracketLeft)},
        {u"]", QKeyCombination(Qt::Key_BracketRight)},
        {u",", QKeyCombination(Qt::Key_Comma)},
        {u".", QKeyCombination(Qt::Key_Period)},
        {u"/", QKeyCombination(Qt::Key_Slash)},
        {u"-", QKeyCombination(Qt::Key_Minus)},
        {u"", QKeyCombination(Qt::Key_unknown)},
    };
    for (const QtCase &c : cases) {
        SCOPED_TRACE(s(c.text));
        EXPECT_EQ(KeyText::toKeyCombination(KeyText::read(c.text)), c.combination);
    }

    // Every key with every modifier set survives the trip through Qt.
    for (const QString &name : KeyText::keyNames()) {
        for (ShortCutValue mods : {0x0000, 0x2000, 0x4000, 0x8000, 0x6000, 0xE000}) {
            const ShortCutValue value = ShortCutValue(KeyText::virtualKeyOfName(name) | mods);
            EXPECT_EQ(KeyText::fromKeyCombination(KeyText::toKeyCombination(value)), value) << s(name);
        }
    }
    EXPECT_EQ(KeyText::fromKeyCombination(QKeyCombination(Qt::KeypadModifier, Qt::Key_Enter)), 13);
    EXPECT_EQ(KeyText::fromKeyCombination(Qt::SHIFT | Qt::Key_Backtab), KeyText::read(u"Shift+Tab"));
    EXPECT_EQ(KeyText::fromKeyCombination(QKeyCombination(Qt::Key_yen)), 0);
    EXPECT_EQ(KeyText::fromKeyCombination(Qt::CTRL | Qt::Key_Plus), 0);
}

TEST(KeyText, LooksUpTheFirstLineOfACode)
{
    const QStringList keyMap = {
        QStringLiteral("検索\t検索(&F)... \tCtrl+F\t1101"),
        QStringLiteral("検索\tagain\tF\t1101"),            // a later line for the same code is ignored
        QStringLiteral("検索\t次を検索(&N) \tctrl+V\t1102"),    // unknown name: no key
        QStringLiteral("1103"),                             // no tab at all: all code, no key
        QStringLiteral("x\ty\tF3\t1104\tmore"),             // the code is everything after the third tab
        QStringLiteral("F5\t1105"),                         // one tab: the rest is the code, key empty
    };
    EXPECT_EQ(KeyText::lookUp(keyMap, u"1101"), std::optional<ShortCutValue>(0x4000 | 70));
    EXPECT_EQ(KeyText::lookUp(keyMap, u"1102"), std::optional<ShortCutValue>(0));
    EXPECT_EQ(KeyText::lookUp(keyMap, u"1103"), std::optional<ShortCutValue>(0));
    EXPECT_EQ(KeyText::lookUp(keyMap, u"1104"), std::nullopt);
    EXPECT_EQ(KeyText::lookUp(keyMap, u"1104\tmore"), std::optional<ShortCutValue>(114));
    EXPECT_EQ(KeyText::lookUp(keyMap, u"1105"), std::optional<ShortCutValue>(0));
    EXPECT_EQ(KeyText::lookUp(keyMap, u"110"), std::nullopt); // codes compare exactly
    EXPECT_EQ(KeyText::lookUp({}, u"1101"), std::nullopt);

    const KeyMapFields f = KeyText::splitKeyMapLine(u"a\tb\t\tc\td");
    EXPECT_EQ(s(f.category), "a");
    EXPECT_EQ(s(f.name), "b");
    EXPECT_EQ(s(f.keyText), "");
    EXPECT_EQ(s(f.code), "c\td");
}

} // namespace
