// The main window's keys as a user meets them: the key-map file beside the
// program decides every command's key, a file from another version is reset
// with one message, and the temporary editor cursor mode gives the keys back.
#include "support/Settle.h"
#include "support/TempHome.h"
#include "support/TestText.h"

#include "AppPaths.h"
#include "IniFile.h"
#include "MessageService.h"
#include "TFormMain.h"
#include "KeyMapController.h"
#include "CommandCatalogue.h"
#include "KeyText.h"

#include <QAction>
#include <QTimer>
#include <QtTest>

using namespace quillon;
using test::J;

namespace {

QByteArray keyMapBytes(const QStringList &lines)
{
    return test::utf16LeFile(lines);
}

qsizetype indexOfCode(const QStringList &map, QStringView code)
{
    for (qsizetype i = 0; i < map.size(); ++i)
        if (KeyText::splitKeyMapLine(map[i]).code == code)
            return i;
    return -1;
}

// The default catalogue with some keys changed: {code, key text}.
QStringList mapWithKeys(std::initializer_list<std::pair<const char16_t *, const char16_t *>> keys)
{
    QStringList map = CommandCatalogue::InitKeyMap(0);
    for (const auto &[code, key] : keys) {
        QString &line = map[indexOfCode(map, code)];
        const KeyMapFields f = KeyText::splitKeyMapLine(line);
        line = f.category.toString() + u'\t' + f.name.toString() + u'\t' + QString::fromUtf16(key) + u'\t'
            + f.code.toString();
    }
    return map;
}

QKeySequence seq(const char *text)
{
    return QKeySequence(QString::fromLatin1(text), QKeySequence::PortableText);
}

const QString keyFile = QStringLiteral("Quillon-KeyMap.txt");

} // namespace

class TFormMainKeysTest : public QObject {
    Q_OBJECT
private slots:
    void freshStartWritesTheFileAndAppliesIt();
    void userKeyIsKeptAndRunsTheCommand();
    void otherCodesResetTheFileWithOneMessage_data();
    void otherCodesResetTheFileWithOneMessage();
    void editorCursorModeGivesTheUsersKeysBack();
    void keyMapThatCannotBeWrittenIsAnError();
};

void TFormMainKeysTest::freshStartWritesTheFileAndAppliesIt()
{
    test::TempHome home;
    MessageRecorder messages;
    TFormMain w({});
    // Whatever key an item carries before, the key map alone decides once the window shows.
    w.commandAction(u"1001")->setShortcut(seq("Ctrl+O"));
    w.show();
    QVERIFY(test::settled(w));

    const QByteArray bytes = home.read(keyFile);
    QCOMPARE(bytes, keyMapBytes(CommandCatalogue::InitKeyMap(0)));
    QCOMPARE(w.StrListKeyMap.size(), 118);
    QCOMPARE(w.StrListKeyMap[indexOfCode(w.StrListKeyMap, u"1101")], J(u"検索\t検索(&F)... \tF\t1101"));
    QVERIFY(w.BoolKeyMapSame);
    QCOMPARE(w.StrListKeyMapOriginal, CommandCatalogue::InitKeyMap(0));
    QCOMPARE(w.commandAction(u"1001")->shortcut(), QKeySequence());
    QCOMPARE(w.commandAction(u"1101")->shortcut(), seq("F"));
    QCOMPARE(w.commandAction(u"1721")->shortcut(), seq("Tab"));
    QVERIFY(messages.texts.isEmpty());
}

void TFormMainKeysTest::userKeyIsKeptAndRunsTheCommand()
{
    test::TempHome home;
    MessageRecorder messages;
    const QByteArray file = keyMapBytes(mapWithKeys({{u"1101", u"Ctrl+F"}, {u"1107", u"Alt + F4"}}));
    home.write(keyFile, file);
    TFormMain w({});
    int finds = 0;
    w.registerCommand(u"1101", [&finds] { ++finds; });
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(test::settled(w));

    QCOMPARE(home.read(keyFile), file);
    QVERIFY(messages.texts.isEmpty());
    QCOMPARE(w.commandAction(u"1101")->shortcut(), seq("Ctrl+F"));
    QCOMPARE(w.commandAction(u"1107")->shortcut(), seq("Alt+F4"));
    // The search bar's own menu follows the same map.
    auto *bar4 = w.findChild<QAction *>(QStringLiteral("MenuSearchBar4"));
    QVERIFY(bar4);
    QCOMPARE(bar4->shortcut(), seq("Alt+F4"));

    QTest::keyClick(&w, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(finds, 1);
    QTest::keyClick(&w, Qt::Key_F); // the default key is gone
    QCOMPARE(finds, 1);
}

void TFormMainKeysTest::otherCodesResetTheFileWithOneMessage_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("japanese");

    const QStringList changed = mapWithKeys({{u"1101", u"Ctrl+F"}});
    QStringList removed = changed;
    removed.removeAt(indexOfCode(removed, u"1402"));
    QStringList duplicated = changed;
    duplicated[indexOfCode(duplicated, u"1102")] = changed[indexOfCode(changed, u"1101")];
    const QStringList extra = changed + QStringList{QStringLiteral("Extra\tNew\tCtrl+N\t1999")};
    QTest::newRow("line removed") << removed << true;
    QTest::newRow("duplicated code") << duplicated << false;
    QTest::newRow("extra line") << extra << true;
}

void TFormMainKeysTest::otherCodesResetTheFileWithOneMessage()
{
    QFETCH(QStringList, lines);
    QFETCH(bool, japanese);
    test::TempHome home;
    MessageRecorder messages;
    IniFile(AppPaths::settingsPath()).writeBool(QStringLiteral("Language"), QStringLiteral("Japanese"), japanese);
    home.write(keyFile, keyMapBytes(lines));
    TFormMain w({});
    w.show();
    // The message waits 300 ms so that it comes after the window.
    QVERIFY(w.Timers[3]->isActive());
    QCOMPARE(w.Timers[3]->interval(), 300);
    QVERIFY(messages.texts.isEmpty());
    QVERIFY(test::settled(w));

    QCOMPARE(home.read(keyFile), keyMapBytes(CommandCatalogue::InitKeyMap(0)));
    QVERIFY(!w.BoolKeyMapSame);
    QCOMPARE(w.commandAction(u"1101")->shortcut(), seq("F"));
    const QString expected = japanese
        ? J(u"Information : キーボード設定内容が変更になったので初期化しました\r\n"
            u"必要ならキーボード設定で「変更分を反映」を実行して下さい\r\n"
            u"キーボード設定を変更した場合は「変更分を保存」を実行しておいて下さい")
        : QStringLiteral("Information : Key board map had initialized, because of orijinal key board map had "
                         "updated.\r\nIf necessary, reffer different items on KeyBoard Window.\r\nWhen change "
                         "keyboard setting, save different items to file on KeyBoard Window.\r\n[OK]");
    QCOMPARE(messages.texts, QStringList{expected});
    QVERIFY(!w.Timers[3]->isActive());
}

void TFormMainKeysTest::editorCursorModeGivesTheUsersKeysBack()
{
    test::TempHome home;
    MessageRecorder messages;
    home.write(keyFile, keyMapBytes(mapWithKeys({{u"1261", u"Shift+Home"},
                                                 {u"1262", u"Shift+Left"},
                                                 {u"1263", u"Alt+Up"},
                                                 {u"1264", u"Alt+Down"},
                                                 {u"1265", u"Shift+Right"},
                                                 {u"1266", u"Shift+End"},
                                                 {u"1233", u"Ctrl+Left"},
                                                 {u"1251", u"F12"}})));
    TFormMain w({});
    w.show();
    QVERIFY(test::settled(w));
    QVERIFY(messages.texts.isEmpty());

    QHash<QString, QKeySequence> before;
    for (const CommandInfo &c : CommandCatalogue::commands())
        before.insert(c.codeText(), w.commandAction(CommandCode::of(c))->shortcut());
    QCOMPARE(before.value(QStringLiteral("1263")), seq("Alt+Up"));

    QAction *toggle = w.commandAction(u"1251");
    QVERIFY(toggle->isEnabled());
    toggle->trigger(); // as the menu does
    QVERIFY(w.keys().editorCursorMode());
    QVERIFY(toggle->isChecked());
    struct EditorKey {
        CommandCode code;
        const char *key;
    };
    const EditorKey editorKeys[] = {
        {u"1231", "Ctrl+Home"}, {u"1238", "Ctrl+End"}, {u"1241", "Home"}, {u"1242", "End"},
        {u"1271", "Right"},     {u"1272", "Left"},     {u"1273", "PgUp"}, {u"1274", "Up"},
        {u"1275", "Down"},      {u"1276", "PgDown"},   {u"1251", "F12"},  {u"1101", "F"},
    };
    for (const auto &[code, key] : editorKeys)
        QCOMPARE(w.commandAction(code)->shortcut(), seq(key));
    for (CommandCode code : std::initializer_list<CommandCode>{u"1232", u"1233", u"1234", u"1235", u"1236", u"1237",
                                                               u"1261", u"1262", u"1263", u"1264", u"1265", u"1266"})
        QCOMPARE(w.commandAction(code)->shortcut(), QKeySequence());

    w.runCommand(u"1251");
    QVERIFY(!w.keys().editorCursorMode());
    QVERIFY(!toggle->isChecked());
    for (const CommandInfo &c : CommandCatalogue::commands())
        QCOMPARE(w.commandAction(CommandCode::of(c))->shortcut(), before.value(c.codeText()));
}

// A folder where the key-map file should be: it can be neither read nor
// replaced, so the user hears that, not that the map was initialised, and the
// default keys are in force.
void TFormMainKeysTest::keyMapThatCannotBeWrittenIsAnError()
{
    test::TempHome home;
    MessageRecorder messages;
    IniFile(AppPaths::settingsPath()).writeBool(QStringLiteral("Language"), QStringLiteral("Japanese"), false);
    QVERIFY(QDir(home.path()).mkdir(keyFile));
    TFormMain w({});
    w.show();
    QTRY_COMPARE(messages.texts.size(), 1);
    const QString text = messages.texts[0];
    QVERIFY2(text.startsWith(QStringLiteral("Error : Key board map file can not write")), qPrintable(text));
    QVERIFY(text.contains(QDir::toNativeSeparators(home.file(keyFile))));
    QVERIFY(text.endsWith(QStringLiteral("\r\n[OK]")));
    QVERIFY(!text.contains(QStringLiteral("initialized")));
    QVERIFY(QFileInfo(home.file(keyFile)).isDir());
    QCOMPARE(w.commandAction(u"1101")->shortcut(), seq("F"));
}

QTEST_MAIN(TFormMainKeysTest)
#include "TFormMainKeys_test.moc"
