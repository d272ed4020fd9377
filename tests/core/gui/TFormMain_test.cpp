// The main window as a user meets it: command line, drops, loading, status
// panels, messages and the exit keys. Messages are captured by the recorder,
// so nothing blocks on a modal box.
#include "support/FakeDialogs.h"
#include "support/Settle.h"
#include "support/TempHome.h"
#include "support/TestText.h"

#include "AppPaths.h"
#include "IniFile.h"
#include "Utf16TextFile.h"
#include "MessageService.h"
#include "StatusPanels.h"
#include "TFormFind.h"
#include "TFormMain.h"
#include "TMemoExDark.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <unistd.h>

using namespace quillon;
using test::J;

namespace {

// "テスト" and "あいう" in Shift_JIS.
const QByteArray sjisText("\x83\x65\x83\x58\x83\x67\r\n\x82\xA0\x82\xA2\x82\xA4\r\nabc", 17);

} // namespace

class TFormMainTest : public QObject {
    Q_OBJECT
private slots:
    void loadsAFileAndFillsTitleAndPanels();
    void commandLineFileIsReadOnceWhileTheWindowIsBuilt();
    void commandLine_data();
    void commandLine();
    void malformedHandleStillOpensTheFile();
    void drops_data();
    void drops();
    void dropOnFilerStartIsRefused();
    void exitKeys_data();
    void exitKeys();
    void enterInTheSearchBoxDoesNotClose();
    void exitKeyClosesTheFindDialogFirst();
    void postLoadMessages_data();
    void postLoadMessages();
    void strictDecodeErrorKeepsTheFileNamed();
    void readSettingReloadsInAnotherCode();
    void unreadableFileKeepsThePreviousOne();
    void openDialog();
    void freshStartWritesSettingsOnExit();
    void unwritableProgramFolderSaysSoOnce();
    void nulIsShownNotATerminator();
    void controlByteInShiftJisShowsItsJapanese();
};

void TFormMainTest::loadsAFileAndFillsTitleAndPanels()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString file = home.write(QStringLiteral("sjis.txt"), sjisText);
    TFormMain w({file});
    w.show();
    QVERIFY(test::settled(w));

    QCOMPARE(w.windowTitle(), QDir::toNativeSeparators(file) + QStringLiteral(" - Quillon"));
    QCOMPARE(w.IntReadEncode1, 1);
    for (StatusPanels *bar : {w.upperStatus(), w.lowerStatus()}) {
        QCOMPARE(bar->panelText(1), J(u"1行,1桁"));
        QCOMPARE(bar->panelText(2), J(u"3行"));
        QCOMPARE(bar->panelText(3), QString());
        QCOMPARE(bar->panelText(4), QStringLiteral("Shift_JIS"));
        QCOMPARE(bar->panelText(5), QStringLiteral("Cr+Lf(Windows) "));
    }
    QCOMPARE(w.textView()->lineCount(), 3);
    QCOMPARE(w.StrListLoadFileTmp->line(0).toString(), J(u"テスト"));
    QCOMPARE(w.StrListLoadFileTmp->line(1).toString(), J(u"あいう"));
    QVERIFY(messages.texts.isEmpty());
    // The line list and the view share one buffer.
    QCOMPARE(w.textView()->textRange(0, w.textView()->length()).constData(), w.StrListLoadFileTmp->text().constData());

    // Caret movement updates panel 1.
    w.textView()->setCaretPosition(w.textView()->lineStart(1) + 2);
    QCOMPARE(w.upperStatus()->panelText(1), J(u"2行,3桁"));
}

void TFormMainTest::commandLineFileIsReadOnceWhileTheWindowIsBuilt()
{
    test::TempHome home;
    MessageRecorder messages;
    // Small and large (shown while it loads): the window shows the text read
    // while it was built, and does not read the file again.
    for (const QByteArray &line : {QByteArray("first\r\n"), QByteArray(QByteArray(70 << 20, 'x') + "\r\n")}) {
        const QString file = home.write(QStringLiteral("a.txt"), line);
        TFormMain w({file});
        QTRY_VERIFY_WITH_TIMEOUT(w.startLoadEnded(), 20000);
        home.write(QStringLiteral("a.txt"), QByteArray("second\r\n"));
        w.show();
        QVERIFY(test::settled(w, 20000));
        QCOMPARE(w.textView()->length(), line.size());
        QVERIFY(w.textView()->textRange(0, 5) == QString::fromLatin1(line.left(5)));
    }
    QVERIFY(messages.texts.isEmpty());
}

void TFormMainTest::commandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<bool>("openEnabled");
    QTest::addColumn<QString>("handle");

    QTest::newRow("none") << QStringList{} << false << true << QString();
    QTest::newRow("one file") << QStringList{QStringLiteral("@FILE")} << true << true << QString();
    QTest::newRow("one missing file") << QStringList{QStringLiteral("@DIR/missing.txt")} << false << true << QString();
    QTest::newRow("filer start") << QStringList{QStringLiteral("hwnd=12345"), QStringLiteral("@FILE")} << true << false
                                 << QStringLiteral("12345");
    QTest::newRow("filer start, unfilled handle")
        << QStringList{QStringLiteral("hwnd=%h"), QStringLiteral("@FILE")} << true << false << QString();
    QTest::newRow("filer start, case-blind prefix")
        << QStringList{QStringLiteral("HWND=77"), QStringLiteral("@FILE")} << true << false << QStringLiteral("77");
    QTest::newRow("three arguments") << QStringList{QStringLiteral("@FILE"), QStringLiteral("@FILE"),
                                                    QStringLiteral("@FILE")}
                                     << false << true << QString();
}

void TFormMainTest::commandLine()
{
    QFETCH(QStringList, args);
    QFETCH(bool, loaded);
    QFETCH(bool, openEnabled);
    QFETCH(QString, handle);
    test::TempHome home;
    MessageRecorder messages;
    const QString file = home.write(QStringLiteral("a.txt"), sjisText);
    for (QString &a : args)
        a.replace(QStringLiteral("@FILE"), file).replace(QStringLiteral("@DIR"), home.path());
    TFormMain w(args);
    w.show();
    QVERIFY(test::settled(w));
    QCOMPARE(!w.StrLoadFileName.isEmpty(), loaded);
    QCOMPARE(w.windowTitle().startsWith(QDir::toNativeSeparators(file)), loaded);
    QCOMPARE(w.commandAction(u"1001")->isEnabled(), openEnabled);
    QCOMPARE(w.HarboHandle, handle);
    QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(QLatin1Char('|'))));
}

void TFormMainTest::malformedHandleStillOpensTheFile()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString file = home.write(QStringLiteral("a.txt"), sjisText);
    TFormMain w({QStringLiteral("hwnd=abc"), file});
    w.show();
    QVERIFY(test::settled(w));
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY(messages.texts[0].startsWith(QStringLiteral("Error : ")));
    QVERIFY(messages.texts[0].contains(QStringLiteral("hwnd=abc")));
    QCOMPARE(w.StrLoadFileName, QFileInfo(file).absoluteFilePath());
    QVERIFY(w.HarboHandle.isEmpty());
}

void TFormMainTest::drops_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("replaced");

    QTest::newRow("one file") << QStringList{QStringLiteral("@B")} << QString() << true;
    QTest::newRow("two files") << QStringList{QStringLiteral("@B"), QStringLiteral("@B")}
                               << J(u"Information : ドロップするファイルは１個にしてください") << false;
    QTest::newRow("none") << QStringList{} << J(u"Information : ドロップするファイルの個数が０です") << false;
    QTest::newRow("a folder") << QStringList{QStringLiteral("@DIR")} << J(u"Information : ファイルがありません") << false;
    QTest::newRow("missing") << QStringList{QStringLiteral("@DIR/nope.txt")} << J(u"Information : ファイルがありません")
                             << false;
}

void TFormMainTest::drops()
{
    QFETCH(QStringList, names);
    QFETCH(QString, message);
    QFETCH(bool, replaced);
    test::TempHome home;
    MessageRecorder messages;
    const QString a = home.write(QStringLiteral("a.txt"), sjisText);
    const QString b = home.write(QStringLiteral("b.txt"), QByteArray("plain\r\n"));
    for (QString &n : names)
        n.replace(QStringLiteral("@B"), b).replace(QStringLiteral("@DIR"), home.path());
    TFormMain w({a});
    w.show();
    QVERIFY(test::settled(w));
    w.handleDrop(names);
    QVERIFY(test::settled(w));
    QCOMPARE(w.StrLoadFileName, QFileInfo(replaced ? b : a).absoluteFilePath());
    if (message.isEmpty())
        QVERIFY(messages.texts.isEmpty());
    else
        QCOMPARE(messages.texts, QStringList{message});
}

void TFormMainTest::dropOnFilerStartIsRefused()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString a = home.write(QStringLiteral("a.txt"), sjisText);
    const QString b = home.write(QStringLiteral("b.txt"), QByteArray("b\r\n"));
    TFormMain w({QStringLiteral("hwnd=%h"), a});
    w.show();
    QVERIFY(test::settled(w));
    w.handleDrop({b});
    QCOMPARE(messages.texts, QStringList{J(u"Information : ファイラーとの連携では、ドロップの操作はできません")});
    QCOMPARE(w.StrLoadFileName, QFileInfo(a).absoluteFilePath());
}

void TFormMainTest::exitKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("toggleOff");
    QTest::addColumn<bool>("closes");

    QTest::newRow("Esc") << int(Qt::Key_Escape) << 0 << QString() << true;
    QTest::newRow("Shift+Esc") << int(Qt::Key_Escape) << int(Qt::ShiftModifier) << QString() << false;
    QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << QString() << true;
    QTest::newRow("Q") << int(Qt::Key_Q) << 0 << QString() << true;
    QTest::newRow("X") << int(Qt::Key_X) << 0 << QString() << true;
    QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << int(Qt::ControlModifier) << QString() << false;
    QTest::newRow("Esc with its toggle off") << int(Qt::Key_Escape) << 0 << QStringLiteral("1551") << false;
    QTest::newRow("Q with its toggle off") << int(Qt::Key_Q) << 0 << QStringLiteral("1553") << false;
    QTest::newRow("A") << int(Qt::Key_A) << 0 << QString() << false;
}

void TFormMainTest::exitKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, toggleOff);
    QFETCH(bool, closes);
    test::TempHome home;
    MessageRecorder messages;
    TFormMain w({});
    w.show();
    QVERIFY(test::settled(w));
    if (!toggleOff.isEmpty()) {
        const std::optional<CommandCode> code = CommandCode::fromText(toggleOff);
        QVERIFY(code);
        w.commandAction(*code)->trigger();
        QVERIFY(!w.commandAction(*code)->isChecked());
        // Written at once.
        QCOMPARE(IniFile(AppPaths::settingsPath()).readBool(QStringLiteral("Editor"),
                                                            toggleOff == QLatin1String("1551") ? QStringLiteral("CloseESCkey")
                                                                                              : QStringLiteral("CloseQkey"),
                                                            true),
                 false);
    }
    QTest::keyClick(w.textView(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(test::settled(w));
    QCOMPARE(w.isVisible(), !closes);
}

void TFormMainTest::enterInTheSearchBoxDoesNotClose()
{
    test::TempHome home;
    MessageRecorder messages;
    TFormMain w({});
    w.show();
    QVERIFY(test::settled(w));
    w.searchCombo()->setFocus();
    QTest::keyClick(w.searchCombo()->lineEdit(), Qt::Key_Return);
    QVERIFY(test::settled(w));
    QVERIFY(w.isVisible());
}

void TFormMainTest::exitKeyClosesTheFindDialogFirst()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString file = home.write(QStringLiteral("a.txt"), QByteArray("abc"));
    TFormMain w({file});
    w.show();
    QVERIFY(test::settled(w));
    for (const int key : {int(Qt::Key_Escape), int(Qt::Key_Q), int(Qt::Key_X), int(Qt::Key_Return)}) {
        w.runCommand(u"1101");
        QTRY_VERIFY(w.findDialog()->isVisible());
        // Back in the text, with the dialog still open beside it.
        w.activateWindow();
        w.textView()->setFocus();
        QTest::keyClick(w.textView(), Qt::Key(key));
        QTRY_VERIFY(!w.findDialog()->isVisible());
        QVERIFY(test::settled(w));
        QVERIFY2(w.isVisible(), "the viewer stays while the key closes the find dialog");
    }
    // With the dialog closed the same key closes the viewer.
    QTest::keyClick(w.textView(), Qt::Key_Q);
    QTRY_VERIFY(!w.isVisible());
}

void TFormMainTest::postLoadMessages_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("panel3");

    const QString emptyText = J(u"Information : ファイルサイズが 0 以上ですが、テキストが取得できませんでした\r\n"
                                u"文字コードが自動検出の場合は、文字コードを直接設定してみてください");
    const QString unknown = J(u"Information : 不正な文字を含んでいますので書き換え禁止ファイルとして扱います");
    const QString lfInCrLf = J(u"Information : 改行(CrLf)までに、さらに改行(Lf)があります");
    QTest::newRow("only NULs") << QByteArray(16, '\0') << QStringList{emptyText, unknown} << J(u"ファイル読取専用");
    QTest::newRow("lone LF among CR LF") << QByteArray("a\r\nb\nc\r\n") << QStringList{lfInCrLf} << QString();
    QTest::newRow("control byte") << QByteArray("ab\x01" "cd\r\n") << QStringList{unknown} << J(u"ファイル読取専用");
    QTest::newRow("empty file") << QByteArray() << QStringList{} << QString();
}

void TFormMainTest::postLoadMessages()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QFETCH(QString, panel3);
    test::TempHome home;
    MessageRecorder messages;
    const QString file = home.write(QStringLiteral("f.txt"), bytes);
    TFormMain w({file});
    w.show();
    QVERIFY(test::settled(w));
    QStringList got = messages.texts;
    std::sort(got.begin(), got.end());
    std::sort(expected.begin(), expected.end());
    QCOMPARE(got, expected);
    QCOMPARE(w.upperStatus()->panelText(3), panel3);
}

void TFormMainTest::strictDecodeErrorKeepsTheFileNamed()
{
    test::TempHome home;
    MessageRecorder messages;
    IniFile ini(AppPaths::settingsPath());
    ini.createIfMissing();
    ini.writeBool(QStringLiteral("Editor"), QStringLiteral("ReadAuto"), false);
    ini.writeBool(QStringLiteral("Editor"), QStringLiteral("ReadUTF8"), true);
    const QString file = home.write(QStringLiteral("bad.txt"), QByteArray("ok\r\n\x82\xA0\r\n"));
    TFormMain w({file});
    w.show();
    QVERIFY(test::settled(w));
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY(messages.texts[0].startsWith(QStringLiteral("Error : ")));
    QCOMPARE(w.StrLoadFileName, QFileInfo(file).absoluteFilePath());
    QCOMPARE(w.upperStatus()->panelText(4), J(u"UTF8  [BOM無]"));
    // Choosing Shift_JIS now shows the file.
    messages.texts.clear();
    w.commandAction(u"1301")->trigger();
    QVERIFY(test::settled(w));
    QVERIFY(messages.texts.isEmpty());
    QCOMPARE(w.StrListLoadFileTmp->line(1).toString(), J(u"あ"));
    QCOMPARE(w.upperStatus()->panelText(4), QStringLiteral("Shift_JIS"));
}

void TFormMainTest::readSettingReloadsInAnotherCode()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString file = home.write(QStringLiteral("sjis.txt"), sjisText);
    TFormMain w({file});
    w.show();
    QVERIFY(test::settled(w));
    w.commandAction(u"1303")->trigger(); // EUC-JP: mojibake, but the line end stays
    QVERIFY(test::settled(w));
    QCOMPARE(w.IntReadEncode1, 3);
    QCOMPARE(w.upperStatus()->panelText(4), QStringLiteral("EUC-JP"));
    QCOMPARE(w.upperStatus()->panelText(5), QStringLiteral("Cr+Lf(Windows) "));
    QVERIFY(w.StrListLoadFileTmp->line(0).toString() != J(u"テスト"));
    QVERIFY(w.commandAction(u"1303")->isChecked());
    QVERIFY(!w.commandAction(u"1321")->isChecked());
    // Saved at exit.
    w.close();
}

void TFormMainTest::unreadableFileKeepsThePreviousOne()
{
    if (::geteuid() == 0)
        QSKIP("root reads files without read permission");
    test::TempHome home;
    MessageRecorder messages;
    const QString a = home.write(QStringLiteral("a.txt"), sjisText);
    const QString b = home.write(QStringLiteral("b.txt"), QByteArray("secret\r\n"));
    QFile::setPermissions(b, QFileDevice::WriteOwner);
    TFormMain w({a});
    w.show();
    QVERIFY(test::settled(w));
    w.handleDrop({b});
    QVERIFY(test::settled(w));
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY(messages.texts[0].startsWith(J(u"Error : ファイルを読み込めません")));
    QCOMPARE(w.StrLoadFileName, QFileInfo(a).absoluteFilePath());
    QCOMPARE(w.StrListLoadFileTmp->line(0).toString(), J(u"テスト"));
}

void TFormMainTest::openDialog()
{
    test::TempHome home;
    MessageRecorder messages;
    test::FakeDialogs dialogs;
    const QString file = home.write(QStringLiteral("o.txt"), sjisText);
    TFormMain w({});
    w.show();
    QVERIFY(test::settled(w));
    dialogs.fileAnswer = file;
    w.commandAction(u"1001")->trigger();
    QVERIFY(test::settled(w));
    QCOMPARE(w.StrLoadFileName, QFileInfo(file).absoluteFilePath());
    QCOMPARE(IniFile(AppPaths::settingsPath()).readString(QStringLiteral("Load"), QStringLiteral("FolderFile")), file);
    QVERIFY(dialogs.lastRequest.filter.startsWith(QStringLiteral("Text(*.txt;*.ini;*js;*.his;*.csv)|")));
    // Next time the dialog starts from there.
    dialogs.fileAnswer.clear();
    w.commandAction(u"1001")->trigger();
    QCOMPARE(dialogs.lastRequest.initialPath, file);
    QCOMPARE(messages.texts, QStringList{J(u"Information : ファイル名が設定されていません")});
}

void TFormMainTest::freshStartWritesSettingsOnExit()
{
    test::TempHome home;
    MessageRecorder messages;
    {
        TFormMain w({});
        w.show();
        QVERIFY(test::settled(w));
        QVERIFY(QFile::exists(AppPaths::settingsPath()));
        QVERIFY(QDir(AppPaths::programLanguageDir()).exists());
        w.close();
    }
    IniFile ini(AppPaths::settingsPath());
    QCOMPARE(ini.readString(QStringLiteral("FormMain"), QStringLiteral("State")), QStringLiteral("NORMAL"));
    for (const char *key : {"Left", "Top", "Width", "Height"})
        QVERIFY2(ini.hasKey(QStringLiteral("FormMain"), QLatin1String(key)), key);
    QCOMPARE(ini.readString(QStringLiteral("FTextView"), QStringLiteral("ColorCarbon")), QStringLiteral("$00191919"));
    QCOMPARE(ini.readString(QStringLiteral("Editor"), QStringLiteral("ReadAuto")), QStringLiteral("1"));
    QCOMPARE(ini.readString(QStringLiteral("SaveCsv"), QStringLiteral("FolderFile")), QString());
    QVERIFY(QFile(AppPaths::settingsPath()).open(QIODevice::ReadOnly));
    QFile f(AppPaths::settingsPath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().startsWith("\xFF\xFE"));
}

void TFormMainTest::unwritableProgramFolderSaysSoOnce()
{
    test::TempHome home;
    MessageRecorder messages;
    // A "folder" under a plain file can never be created, whoever runs the test.
    const QString blocker = home.write(QStringLiteral("blocker"), QByteArray("x"));
    AppPaths::setProgramDirForTesting(blocker + QStringLiteral("/prog"));
    IniFile::resetReportedFailures();
    const QString file = home.write(QStringLiteral("a.txt"), sjisText);
    {
        TFormMain w({file});
        w.show();
        QVERIFY(test::settled(w));
        QCOMPARE(w.StrListLoadFileTmp->line(0).toString(), J(u"テスト")); // the viewer still works
        w.close();
    }
    const test::PostedEventsBarrier teardown; // what the teardown queued has had its turn
    QTRY_VERIFY(teardown.passed());
    int settingsMessages = 0;
    for (const QString &t : messages.texts)
        settingsMessages += t.contains(J(u"設定ファイルに書き込めません")) ? 1 : 0;
    QCOMPARE(settingsMessages, 1);
    IniFile::resetReportedFailures();
}

void TFormMainTest::controlByteInShiftJisShowsItsJapanese()
{
    test::TempHome home;
    MessageRecorder messages;
    // "abc", NUL, "def", CR LF, then こんにちは in Shift_JIS.
    const QByteArray bytes = QByteArray("abc\0def\r\n", 9) + QByteArray("\x82\xb1\x82\xf1\x82\xc9\x82\xbf\x82\xcd");
    const QString file = home.write(QStringLiteral("nul-sjis.txt"), bytes);
    TFormMain w({file});
    w.show();
    QTRY_COMPARE(messages.texts,
                 QStringList{J(u"Information : 不正な文字を含んでいますので書き換え禁止ファイルとして扱います")});
    QCOMPARE(w.StrListLoadFileTmp->line(0).toString(), QStringLiteral("abcdef"));
    QCOMPARE(w.StrListLoadFileTmp->line(1).toString(), J(u"こんにちは"));
    QCOMPARE(w.upperStatus()->panelText(3), J(u"ファイル読取専用"));
    QVERIFY(w.BoolFileReadOnly);
    // A wrap change decodes the filtered copy again, the same way.
    w.runCommand(u"1402");
    QCOMPARE(w.StrListLoadFileTmp->line(1).toString(), J(u"こんにちは"));
}

void TFormMainTest::nulIsShownNotATerminator()
{
    test::TempHome home;
    MessageRecorder messages;
    IniFile ini(AppPaths::settingsPath());
    ini.createIfMissing();
    ini.writeBool(QStringLiteral("Editor"), QStringLiteral("ReadAuto"), false);
    ini.writeBool(QStringLiteral("Editor"), QStringLiteral("ReadUTF16Le"), true);
    const QByteArray bytes("a\0\0\0b\0\r\0\n\0c\0", 12);
    const QString file = home.write(QStringLiteral("nul.txt"), bytes);
    TFormMain w({file});
    w.show();
    QVERIFY(test::settled(w));
    QCOMPARE(w.StrListLoadFileTmp->line(0).toString(), QString::fromUtf16(u"a\0b", 3));
    QCOMPARE(w.StrListLoadFileTmp->line(1).toString(), QStringLiteral("c"));
    QCOMPARE(w.upperStatus()->panelText(2), J(u"2行"));
}

QTEST_MAIN(TFormMainTest)
#include "TFormMain_test.moc"
