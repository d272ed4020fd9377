// The hex dump in the main window, as the user meets it: the switch and its
// messages, the size question, the menus and entries it turns off and on,
// the modes and pages, the loader's reset, copying rows and the settings.
#include "support/Settle.h"
#include "support/TempHome.h"
#include "support/TestText.h"

#include "BinaryController.h"
#include "HexDumpView.h"
#include "HexRowSource.h"
#include "HexRows.h"
#include "IniFile.h"
#include "MainMenuBuilder.h"
#include "MessageService.h"
#include "TFormMain.h"
#include "TMemoExDark.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

using namespace quillon;
using test::J;

namespace {

QByteArray bytesOf(qint64 size)
{
    QByteArray b(size, '\0');
    for (qint64 i = 0; i < size; ++i)
        b[i] = char(i * 7 + 3);
    return b;
}

struct Fixture {
    explicit Fixture(const QByteArray &bytes, const QByteArray &ini = {})
        : file(home.write(QStringLiteral("data.bin"), bytes))
    {
        if (!ini.isEmpty())
            home.write(QStringLiteral("Quillon.ini"), ini);
        w = std::make_unique<TFormMain>(QStringList{file});
        w->resize(900, 500);
        w->show();
        QVERIFY(test::settled(*w));
        messages.texts.clear();
    }
    [[nodiscard]] TMemoExDark *dump() const { return w->binary().dump(); }
    [[nodiscard]] bool menuEnabled(const char *name) const
    {
        auto *menu = w->findChild<QMenu *>(QString::fromLatin1(name));
        return menu && menu->menuAction()->isEnabled();
    }
    [[nodiscard]] bool itemEnabled(CommandCode code) const { return w->commandAction(code)->isEnabled(); }
    test::TempHome home;
    MessageRecorder messages;
    QString file;
    std::unique_ptr<TFormMain> w;
};

} // namespace

class TFormMainBinaryTest : public QObject {
    Q_OBJECT
private slots:
    void switchShowsTheDumpAndTurnsTheMenus();
    void refusals();
    void sizeQuestion_data();
    void sizeQuestion();
    void pagesSurviveSwitches();
    void modesAndTheirQuestion();
    void loadResetsTheDump();
    void scrollCommandsActOnTheDump();
    void copyGivesTheRowsAsShown();
    void settingsAtStartAndExit();
};

void TFormMainBinaryTest::switchShowsTheDumpAndTurnsTheMenus()
{
    Fixture f(QByteArray("ABCDEFGHIJKLMNOP\x0A/\x7F\x80"));
    TFormMain &w = *f.w;
    w.searchCombo()->parentWidget()->show();
    w.searchCombo()->setCurrentText(QStringLiteral("word"));
    QVERIFY(!f.menuEnabled("MenuBinary"));

    w.runCommand(u"1721");
    QVERIFY(w.binary().shown());
    QVERIFY(f.messages.texts.isEmpty());
    auto *view = w.findChild<HexDumpView *>();
    QVERIFY(view->isVisible());
    QVERIFY(!w.textView()->isVisible());
    QVERIFY(!w.lineNumberView()->isVisible());
    QCOMPARE(view->header()->lineText(0), HexRows::header());
    QCOMPARE(f.dump()->lineCount(), 2);
    QCOMPARE(f.dump()->lineText(0), QStringLiteral("00000000  41 42 43 44 45 46 47 48 - 49 4A 4B 4C 4D 4E 4F 50  |  ABCDEFGHIJKLMNOP  |"));
    QCOMPARE(f.dump()->caretPosition(), 7);
    QTRY_VERIFY(f.dump()->hasFocus());
    QVERIFY(w.searchCombo()->currentText().isEmpty());
    QVERIFY(!w.searchCombo()->isEnabled());
    for (const char *menu : {"MenuFile", "MenuSearch", "MenuCode", "MenuView", "MenuText", "MenuExpand", "MenuHelp"})
        QVERIFY2(!f.menuEnabled(menu), menu);
    QVERIFY(f.menuEnabled("MenuCommon"));
    QVERIFY(f.menuEnabled("MenuBinary"));
    for (CommandCode code : {CommandCode(u"1201"), CommandCode(u"1202"), CommandCode(u"1203"), CommandCode(u"1211"),
                             CommandCode(u"1212"), CommandCode(u"1221"), CommandCode(u"1241"), CommandCode(u"1242")})
        QVERIFY(!f.itemEnabled(code));
    // Page mode (the default): the page commands are on.
    QVERIFY(f.itemEnabled(u"1623"));

    w.runCommand(u"1721");
    QVERIFY(!w.binary().shown());
    QVERIFY(w.textView()->isVisible());
    QVERIFY(!view->isVisible());
    QVERIFY(w.searchCombo()->isEnabled());
    QVERIFY(f.menuEnabled("MenuFile"));
    QVERIFY(!f.menuEnabled("MenuBinary"));
    QVERIFY(f.itemEnabled(u"1201"));
    QVERIFY(!f.itemEnabled(u"1623"));
}

void TFormMainBinaryTest::refusals()
{
    {
        test::TempHome home;
        MessageRecorder messages;
        TFormMain w(QStringList{});
        w.show();
        QVERIFY(test::settled(w));
        messages.texts.clear();
        w.runCommand(u"1721");
        QCOMPARE(messages.texts, QStringList{J(u"Information : ファイルが読み込まれていません")});
        QVERIFY(!w.binary().shown());
    }
    Fixture f(bytesOf(100));
    QVERIFY(QFile::remove(f.file));
    f.w->runCommand(u"1721");
    QCOMPARE(f.messages.texts, QStringList{J(u"Information : ファイルがありません")});
    QVERIFY(!f.w->binary().shown());
}

void TFormMainBinaryTest::sizeQuestion_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("shown");
    QTest::newRow("524288 bytes: no question") << 524288 << false << false << true;
    QTest::newRow("524289 bytes, Yes") << 524289 << true << true << true;
    QTest::newRow("524289 bytes, No") << 524289 << false << true << false;
}

void TFormMainBinaryTest::sizeQuestion()
{
    QFETCH(int, size);
    QFETCH(bool, yes);
    QFETCH(bool, asked);
    QFETCH(bool, shown);
    Fixture f(QByteArray(size, 'a'), "[Editor]\r\nBinaryLoadAll=1\r\nBinaryLoadRange=0\r\n");
    f.w->textView()->setCaretPosition(5);
    f.messages.answers = {yes ? MessageAnswer::Yes : MessageAnswer::No};
    f.w->runCommand(u"1721");
    QCOMPARE(f.messages.texts.size(), asked ? 1 : 0);
    if (asked)
        QVERIFY(f.messages.texts[0].startsWith(J(u"Information : ファイルサイズが 524,288 bytes より大きいです")));
    QCOMPARE(f.w->binary().shown(), shown);
    if (shown) {
        QCOMPARE(f.dump()->lineCount(), (size + 15) / 16);
        return;
    }
    QVERIFY(f.w->textView()->isVisible());
    QCOMPARE(f.w->textView()->caretPosition(), 5);
    QVERIFY(f.menuEnabled("MenuFile"));
}

void TFormMainBinaryTest::pagesSurviveSwitches()
{
    Fixture f(bytesOf(5 * 65536 + 100));
    TFormMain &w = *f.w;
    w.runCommand(u"1721");
    for (int i = 0; i < 3; ++i)
        w.runCommand(u"1623");
    QCOMPARE(w.binary().session().pageIndex(), 3);
    QVERIFY(f.dump()->lineText(0).startsWith(QStringLiteral("00030000  ")));
    const auto rows = w.findChild<HexDumpView *>()->rows();
    w.runCommand(u"1721");
    w.runCommand(u"1721");
    QCOMPARE(w.findChild<HexDumpView *>()->rows(), rows); // shown again, not rebuilt
    QVERIFY(f.dump()->lineText(0).startsWith(QStringLiteral("00030000  ")));

    // Last page: 5 * 65536 + 100 bytes end on page 5 with 100 bytes; Next stops there.
    w.runCommand(u"1624");
    QCOMPARE(w.binary().session().pageIndex(), 5);
    QCOMPARE(f.dump()->lineCount(), 7);
    w.runCommand(u"1623");
    QCOMPARE(w.binary().session().pageIndex(), 5);
    w.runCommand(u"1622");
    QCOMPARE(w.binary().session().pageIndex(), 4);
    w.runCommand(u"1621");
    QCOMPARE(w.binary().session().pageIndex(), 0);
    QCOMPARE(f.dump()->lineCount(), 4096);
    QVERIFY(f.messages.texts.isEmpty());
}

void TFormMainBinaryTest::modesAndTheirQuestion()
{
    Fixture f(bytesOf(600000));
    TFormMain &w = *f.w;
    w.runCommand(u"1721");
    w.runCommand(u"1623");
    QCOMPARE(w.binary().session().pageIndex(), 1);

    // Whole file: the size question; No keeps page mode and its check mark.
    f.messages.answers = {MessageAnswer::No};
    w.commandAction(u"1611")->trigger();
    QCOMPARE(f.messages.texts.size(), 1);
    QCOMPARE(w.binary().session().mode(), HexDumpSession::Mode::Pages);
    QVERIFY(w.commandAction(u"1612")->isChecked());
    QVERIFY(!w.commandAction(u"1611")->isChecked());

    f.messages.answers = {MessageAnswer::Yes};
    w.commandAction(u"1611")->trigger();
    QCOMPARE(w.binary().session().mode(), HexDumpSession::Mode::WholeFile);
    QVERIFY(w.commandAction(u"1611")->isChecked());
    QCOMPARE(f.dump()->lineCount(), 37500);
    for (CommandCode code : {CommandCode(u"1621"), CommandCode(u"1622"), CommandCode(u"1623"), CommandCode(u"1624")})
        QVERIFY(!f.itemEnabled(code));

    // Back to pages: page 0, the page commands on again.
    w.commandAction(u"1612")->trigger();
    QCOMPARE(w.binary().session().mode(), HexDumpSession::Mode::Pages);
    QCOMPARE(w.binary().session().pageIndex(), 0);
    QCOMPARE(f.dump()->lineCount(), 4096);
    QVERIFY(f.itemEnabled(u"1623"));
}

void TFormMainBinaryTest::loadResetsTheDump()
{
    Fixture f(bytesOf(3 * 65536));
    TFormMain &w = *f.w;
    w.runCommand(u"1721");
    w.runCommand(u"1623");
    const QString other = f.home.write(QStringLiteral("other.txt"), QByteArray("hello"));
    w.handleDrop({other});
    QTRY_COMPARE(w.StrLoadFileName, other);
    QVERIFY(!w.binary().shown());
    QVERIFY(w.textView()->isVisible());
    QVERIFY(!w.binary().session().built());
    QCOMPARE(w.binary().session().pageIndex(), 0);
    w.runCommand(u"1721");
    QCOMPARE(f.dump()->lineText(0).left(30), QStringLiteral("00000000  68 65 6C 6C 6F      "));
}

void TFormMainBinaryTest::scrollCommandsActOnTheDump()
{
    Fixture f(bytesOf(65536));
    TFormMain &w = *f.w;
    w.runCommand(u"1721");
    w.runCommand(u"1238"); // end of the text
    QCOMPARE(f.dump()->lineFromPosition(f.dump()->caretPosition()), 4095);
    QVERIFY(f.dump()->firstVisibleLine() > 4000);
    w.runCommand(u"1231"); // top
    QCOMPARE(f.dump()->caretPosition(), 0);
    w.runCommand(u"1235"); // one step down
    QVERIFY(f.dump()->firstVisibleLine() > 0);
    QCOMPARE(w.textView()->firstVisibleLine(), 0);
}

void TFormMainBinaryTest::copyGivesTheRowsAsShown()
{
    Fixture f(bytesOf(40));
    f.w->runCommand(u"1721");
    TMemoExDark *dump = f.dump();
    QTRY_VERIFY(dump->hasFocus());
    dump->selectAll();
    QTest::keyClick(dump, Qt::Key_C, Qt::ControlModifier);
    const QString rows = dump->lineText(0) + QStringLiteral("\r\n") + dump->lineText(1) + QStringLiteral("\r\n")
                         + dump->lineText(2);
    QCOMPARE(QGuiApplication::clipboard()->text(), rows);
    QCOMPARE(dump->lineText(2), QStringLiteral("00000020  E3 EA F1 F8 FF 06 0D 14                            |  ........          |"));

    // A selection larger than a clipboard should take is refused with a message.
    dump->setMaxCopyLength(10);
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    QTest::keyClick(dump, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    QCOMPARE(f.messages.texts, QStringList{J(u"Information : 選択範囲が大きすぎてコピーできません\r\n範囲を狭めてください")});
}

void TFormMainBinaryTest::settingsAtStartAndExit()
{
    std::unique_ptr<Fixture> f = std::make_unique<Fixture>(
        bytesOf(100), "[Editor]\r\nFontSizeBinary=21\r\nBinaryColor=$00FF0000\r\nFontColorBinary=$000000FF\r\n");
    auto *view = f->w->findChild<HexDumpView *>();
    QCOMPARE(view->header()->height(), 30);
    QCOMPARE(f->dump()->backgroundColor(), QColor(0, 0, 255));
    QCOMPARE(f->dump()->textColor(), QColor(255, 0, 0));
    QVERIFY(f->w->commandAction(u"1612")->isChecked());
    f->w->runCommand(u"1721");
    f->w->commandAction(u"1611")->trigger(); // 100 bytes: no question
    const QString ini = f->home.file(QStringLiteral("Quillon.ini"));
    f->w.reset();
    IniFile file(ini);
    QCOMPARE(file.readBool(QStringLiteral("Editor"), QStringLiteral("BinaryLoadAll"), false), true);
    QCOMPARE(file.readBool(QStringLiteral("Editor"), QStringLiteral("BinaryLoadRange"), true), false);
    QCOMPARE(file.readString(QStringLiteral("Editor"), QStringLiteral("FontSizeBinary"), QString()), QStringLiteral("21"));
}

QTEST_MAIN(TFormMainBinaryTest)
#include "TFormMainBinary_test.moc"
