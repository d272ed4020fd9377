#include "CommandCatalogue.h"
#include "KeyText.h"

#include <gtest/gtest.h>

#include <set>

using namespace quillon;

namespace {

std::string s(QStringView v)
{
    return v.toString().toStdString();
}

TEST(CommandCatalogue, TableIsConsistent)
{
    const auto commands = CommandCatalogue::commands();
    ASSERT_EQ(commands.size(), 118u);
    std::set<QString> codes;
    std::set<QString> names;
    for (const CommandInfo &c : commands) {
        SCOPED_TRACE(s(c.code));
        const QString code = c.codeText();
        EXPECT_EQ(code.size(), 4);
        EXPECT_TRUE(codes.insert(code).second) << "duplicate code";
        EXPECT_TRUE(names.insert(c.menuItemName()).second) << "duplicate menu item";
        EXPECT_TRUE(c.menuItemName().startsWith(QLatin1String("Menu")));
        EXPECT_FALSE(c.captionText().isEmpty());

        // The first two digits name the top-level menu, whose category the command shares.
        const TopMenuInfo &top = CommandCatalogue::topMenu(c.topMenu);
        const QStringView topTag(top.tag);
        if (c.topMenu == TopMenu::Language) {
            EXPECT_EQ(code.left(3), topTag.left(3));
        } else {
            EXPECT_EQ(code.left(2), topTag.left(2));
        }
        EXPECT_EQ(s(c.category), s(top.category));

        // Default keys must be texts the key reader understands and writes back unchanged.
        for (int set : {0, 1}) {
            const QString key = c.defaultKey(set);
            if (!key.isEmpty()) {
                EXPECT_EQ(s(KeyText::write(KeyText::read(key))), s(key));
            }
        }
        EXPECT_EQ(c.check == CheckKind::Radio, c.radioGroup != RadioGroup::None);
        EXPECT_EQ(CommandCatalogue::command(code), &c);
        EXPECT_EQ(CommandCatalogue::commandByMenuItem(c.menuItemName()), &c);
    }
    // Catalogue order is code order.
    EXPECT_TRUE(std::is_sorted(commands.begin(), commands.end(), [](const CommandInfo &a, const CommandInfo &b) {
        return QStringView(a.code) < QStringView(b.code);
    }));
    EXPECT_EQ(CommandCatalogue::command(u"1851"), nullptr); // the theme note is no command
    EXPECT_EQ(CommandCatalogue::command(u"1000"), nullptr);
    EXPECT_EQ(CommandCatalogue::topMenus().size(), 11u);
}

TEST(CommandCatalogue, InitKeyMapBuildsTheDefaultLines)
{
    const QStringList filer = CommandCatalogue::InitKeyMap(0);
    const QStringList editor = CommandCatalogue::InitKeyMap(1);
    ASSERT_EQ(filer.size(), 118);
    ASSERT_EQ(editor.size(), 118);
    EXPECT_EQ(s(filer.at(0)), s(u"ファイル\t開く(&O)... \t\t1001")); // Open has no filer-style key
    EXPECT_EQ(s(filer.at(11)), s(u"検索\t検索(&F)... \tF\t1101"));
    EXPECT_EQ(s(editor.at(11)), s(u"検索\t検索(&F)... \tCtrl+F\t1101"));
    EXPECT_EQ(s(CommandCatalogue::InitKeyMap(7).at(11)), s(editor.at(11))); // any set but 0 is the editor set
    EXPECT_EQ(s(filer.last()), s(u"Jpn/Eng\tEnglish(&E)\t\t1952"));

    struct Expect
    {
        const char16_t *code;
        const char16_t *filer;
        const char16_t *editor;
    };
    const Expect keys[] = {
        {u"1102", u"V", u"F3"},          {u"1103", u"T", u"Shift+F3"},  {u"1107", u"Ctrl+,", u"Ctrl+,"},
        {u"1109", u"Ctrl+V", u"F3"},     {u"1231", u"Home", u"Ctrl+Home"}, {u"1232", u"PgUp", u""},
        {u"1241", u"", u"Home"},         {u"1261", u"Ctrl+Home", u""},  {u"1276", u"", u"PgDn"},
        {u"1622", u"Ctrl+Up", u"Ctrl+Up"}, {u"1721", u"Tab", u"Tab"},   {u"1021", u"Ctrl+V", u"Ctrl+V"},
    };
    for (const Expect &e : keys) {
        SCOPED_TRACE(s(e.code));
        EXPECT_EQ(KeyText::lookUp(filer, e.code), KeyText::read(e.filer));
        EXPECT_EQ(KeyText::lookUp(editor, e.code), KeyText::read(e.editor));
    }

    // The command names come from the menu items' current captions when asked.
    const QStringList english = CommandCatalogue::InitKeyMap(
        0, [](const CommandInfo &c) -> QString { return QStringLiteral("cmd ") + c.codeText(); });
    EXPECT_EQ(s(english.at(11)), s(u"検索\tcmd 1101\tF\t1101"));
}

TEST(CommandCatalogue, GroupsAndCursorModeCodes)
{
    struct Case
    {
        const char16_t *previous;
        const char16_t *next;
        bool separator;
    };
    const Case cases[] = {
        {u"1001", u"1011", true}, {u"1011", u"1012", false}, {u"1309", u"1310", false},
        {u"1310", u"1321", true}, {u"1842", u"1851", true},  {u"1851", u"1852", false},
        {u"1023", u"", true},     {u"", u"", false},         {u"", u"1031", true},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(CommandCatalogue::separatorBetween(c.previous, c.next), c.separator)
            << s(c.previous) << " " << s(c.next);
    }

    int editorCodes = 0;
    int restoreCodes = 0;
    for (const CommandInfo &c : CommandCatalogue::commands()) {
        editorCodes += CommandCatalogue::isEditorCursorCode(c.code);
        restoreCodes += CommandCatalogue::isCursorModeRestoreCode(c.code);
    }
    EXPECT_EQ(editorCodes, 22);  // 1231-1238, 1241-1242, 1261-1266, 1271-1276
    EXPECT_EQ(restoreCodes, 23); // the same and 1251
    EXPECT_FALSE(CommandCatalogue::isEditorCursorCode(u"1251"));
    EXPECT_FALSE(CommandCatalogue::isEditorCursorCode(u"1239"));
}

TEST(CommandCatalogue, OtherMenuItems)
{
    std::set<QString> names;
    for (const CommandInfo &c : CommandCatalogue::commands())
        names.insert(c.menuItemName());
    for (const TopMenuInfo &t : CommandCatalogue::topMenus())
        EXPECT_TRUE(names.insert(QString::fromLatin1(t.name)).second) << t.name;
    int popupKeys = 0;
    for (const MenuItemInfo &m : CommandCatalogue::otherMenuItems()) {
        EXPECT_TRUE(names.insert(QString::fromLatin1(m.name)).second) << m.name;
        const QStringView key(m.builtInKey);
        if (!key.isEmpty()) {
            EXPECT_EQ(s(KeyText::write(KeyText::read(key))), s(key)) << m.name;
            ++popupKeys;
        }
        if (m.place == MenuPlace::SearchBar && !QStringView(m.tag).isEmpty()) {
            EXPECT_NE(CommandCatalogue::command(m.tag), nullptr) << m.name;
        }
        if (m.place == MenuPlace::MainMenu) {
            EXPECT_NE(CommandCatalogue::command(m.before), nullptr) << m.name;
        }
    }
    EXPECT_EQ(popupKeys, 4);
}

} // namespace

TEST(CommandCode, EveryCatalogueCodeRoundTripsAndOthersAreRefused)
{
    for (const CommandInfo &c : CommandCatalogue::commands()) {
        const std::optional<CommandCode> code = CommandCode::fromText(c.codeText());
        ASSERT_TRUE(code.has_value()) << c.codeText().toStdString();
        EXPECT_EQ(&code->info(), &c);
        EXPECT_EQ(*code, CommandCode::of(c));
    }
    static_assert(CommandCode(u"1102").info().menuItem[4] == 'S'); // MenuSearchNext, checked when compiled
    for (const char16_t *text : {u"1000", u"1851", u"1981", u"110", u"11022", u""})
        EXPECT_FALSE(CommandCode::fromText(QStringView(text)).has_value());
}
