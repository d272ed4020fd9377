// The external programs from the main window: the start commands with a real
// program (the argv recorder), their captions, the messages, the auto-exit,
// and the settings dialog driven as a user drives it.
#include "support/FakeDialogs.h"
#include "support/Mnemonics.h"
#include "support/Settle.h"
#include "support/TempHome.h"
#include "support/TestText.h"

#include "AppPaths.h"
#include "BinaryController.h"
#include "InMemoryWindowSystem.h"
#include "IniFile.h"
#include "LauncherController.h"
#include "LauncherEntry.h"
#include "LauncherMessages.h"
#include "MessageService.h"
#include "TFormLauncher.h"
#include "TFormMain.h"
#include "TMemoExDark.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace quillon;
using test::J;

namespace {

QString shippedFile(const QString &name)
{
    return QDir::cleanPath(QStringLiteral(QUILLON_TEST_DATA "/../../data/Language/Quillon/") + name);
}

void installLanguageFiles()
{
    QDir().mkpath(AppPaths::programLanguageDir());
    for (const char *name : {"Main.txt", "Launcher.txt"})
        QFile::copy(shippedFile(QString::fromLatin1(name)), AppPaths::languageFile(QString::fromLatin1(name)));
}

// A home with the recorder as a program in a folder that needs quoting, a
// text file whose name a shell would run, and the recorder's output file.
struct Fixture {
    test::TempHome home;
    MessageRecorder messages;
    QString program, file, out;

    Fixture()
    {
        const QString tools = home.file(QStringLiteral("my tools"));
        QDir().mkpath(tools);
        program = tools + QStringLiteral("/rec&ord");
        QFile::copy(QStringLiteral(QUILLON_ARGV_RECORDER), program);
        QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);
        QString text;
        for (int i = 1; i <= 10; ++i)
            text += QStringLiteral("line %1\r\n").arg(i);
        file = home.write(QStringLiteral("notes; $(touch x) \"q\".txt"), text.toUtf8());
        out = home.file(QStringLiteral("argv.out"));
        qputenv("QUILLON_ARGV_OUT", QFile::encodeName(out));
        IniFile(AppPaths::settingsPath()).createIfMissing();
    }
    ~Fixture() { qunsetenv("QUILLON_ARGV_OUT"); }

    void entry(int n, const LauncherEntry &e) const
    {
        IniFile ini(AppPaths::settingsPath());
        e.write(ini, n);
    }
    QStringList recorded() const
    {
        QFile f(out);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QStringList parts = QString::fromLocal8Bit(f.readAll()).split(QChar(0));
        parts.removeLast();
        return parts;
    }
};

std::unique_ptr<TFormMain> openWindow(const QStringList &args)
{
    auto w = std::make_unique<TFormMain>(args);
    w->show();
    return test::settled(*w) ? std::move(w) : nullptr;
}

void caretToLine(TFormMain &w, int line)
{
    w.textView()->setCaretPosition(w.textView()->lineStart(line - 1));
}

TFormLauncher *openDialog(TFormMain &w)
{
    w.runCommand(u"1511");
    auto *dialog = w.findChild<TFormLauncher *>();
    return dialog && QTest::qWaitFor([&] { return dialog->isVisible(); }) ? dialog : nullptr;
}

} // namespace

class LauncherTest : public QObject {
    Q_OBJECT
private slots:
    void startsTheProgramWithTheFileAndTheLine();
    void withoutAFileOnlyTheLineGoesIn();
    void captionsNameThePrograms();
    void programMissing_data();
    void programMissing();
    void programThatCannotRunSaysWhy();
    void autoExitClosesTheViewerAfterTheStart();
    void aSecondStartCancelsThePendingExit();
    void nothingRunsWhileTheDumpShows();
    void dialogEditsTheRowsAndOkWritesThem();
    void cancelAndEscWriteNothing();
    void browseFillsThePath();
    void dialogInBothLanguages_data();
    void dialogInBothLanguages();
};

void LauncherTest::startsTheProgramWithTheFileAndTheLine()
{
    Fixture f;
    f.entry(2, {f.program, QStringLiteral("/l $(CurLine) \"$(FileNameEx)\""), false});
    auto w = openWindow({f.file});
    QVERIFY(w);
    caretToLine(*w, 5);
    w->runCommand(u"1012");
    QTRY_VERIFY(QFile::exists(f.out));
    // Started in its own folder, the file name one argument as it is.
    QCOMPARE(f.recorded(), (QStringList{QFileInfo(f.program).absolutePath(), QStringLiteral("/l"),
                                        QStringLiteral("5"), f.file}));
    QCOMPARE(w->launcher().lastParameterText, QStringLiteral("/l 5 \"") + f.file + u'"');
    QVERIFY(f.messages.texts.isEmpty());
    QVERIFY(!w->Timers[9]->isActive());
    QVERIFY(!QFile::exists(f.home.file(QStringLiteral("x"))));
}

void LauncherTest::withoutAFileOnlyTheLineGoesIn()
{
    Fixture f;
    f.entry(1, {f.program, QStringLiteral("-n$(CurLine) $(FileNameEx)"), false});
    auto w = openWindow({});
    QVERIFY(w);
    w->runCommand(u"1011");
    QTRY_VERIFY(QFile::exists(f.out));
    QCOMPARE(f.recorded().mid(1), QStringList{QStringLiteral("-n1")});
    QCOMPARE(w->launcher().lastParameterText, QStringLiteral("-n1 "));
}

void LauncherTest::captionsNameThePrograms()
{
    Fixture f;
    installLanguageFiles();
    f.entry(1, {QStringLiteral("C:\\tool\\Mery.exe"), QString(), false});
    f.entry(3, {f.program, QString(), false});
    auto w = openWindow({});
    QVERIFY(w);
    QCOMPARE(w->commandAction(u"1011")->text(), J(u"外部プログラム １ 起動(&U)  Mery.exe"));
    QCOMPARE(w->commandAction(u"1012")->text(), J(u"外部プログラム ２ 起動(&V)  "));
    QCOMPARE(w->commandAction(u"1013")->text(), J(u"外部プログラム ３ 起動(&W)  rec&&ord"));
    // A language switch rebuilds them in the other language.
    w->runCommand(u"1952");
    QCOMPARE(w->commandAction(u"1011")->text(), QStringLiteral("Execute Launcher Program1(&U)  Mery.exe"));
    QVERIFY(f.messages.texts.isEmpty());
}

void LauncherTest::programMissing_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("none registered") << QString();
    QTest::newRow("file gone") << QStringLiteral("/nonexistent/editor");
}

void LauncherTest::programMissing()
{
    QFETCH(QString, path);
    Fixture f;
    f.entry(4, {path, QStringLiteral("$(FileNameEx)"), true});
    auto w = openWindow({f.file});
    QVERIFY(w);
    w->runCommand(u"1014");
    QCOMPARE(f.messages.texts, QStringList{LauncherMessages::programMissing(path).japanese});
    QVERIFY(!w->Timers[9]->isActive()); // no auto-exit armed
}

void LauncherTest::programThatCannotRunSaysWhy()
{
    Fixture f;
    f.entry(1, {f.file, QString(), true}); // a text file, not a program
    auto w = openWindow({});
    QVERIFY(w);
    w->runCommand(u"1011");
    QCOMPARE(f.messages.texts.size(), 1);
    QCOMPARE(f.messages.texts.first(), J(u"Information : 外部プログラムの実行が失敗しました\r\n") + f.file
                                           + J(u"\r\n実行の許可がないファイルです"));
    QVERIFY(!w->Timers[9]->isActive());
    QVERIFY(w->isVisible());
}

void LauncherTest::autoExitClosesTheViewerAfterTheStart()
{
    Fixture f;
    f.entry(5, {f.program, QStringLiteral("$(FileNameEx)"), true});
    // The desktop: the started program's window names the file, as does
    // another viewer's (never taken).
    InMemoryWindowSystem desktop;
    WindowSystem::setForTesting(&desktop);
    const WindowHandle editor = desktop.addWindow(QStringLiteral("notes - Editor"));
    desktop.addWindow(f.file + QStringLiteral(" - Quillon"));
    const WindowHandle started = desktop.addWindow(f.file + QStringLiteral(" - Mousepad"));
    desktop.setForeground(editor);
    auto w = openWindow({f.file});
    QVERIFY(w);
    w->runCommand(u"1015");
    QVERIFY(w->Timers[9]->isActive());
    QTRY_VERIFY(!w->isVisible());
    WindowSystem::setForTesting(nullptr);
    QCOMPARE(desktop.foreground(), started);
    QTRY_VERIFY(QFile::exists(f.out));
    QCOMPARE(f.recorded().mid(1), QStringList{f.file});
}

void LauncherTest::aSecondStartCancelsThePendingExit()
{
    Fixture f;
    f.entry(1, {f.program, QString(), true});
    f.entry(2, {f.program, QString(), false});
    auto w = openWindow({f.file});
    QVERIFY(w);
    w->runCommand(u"1011");
    QVERIFY(w->Timers[9]->isActive());
    w->runCommand(u"1012"); // its own entry has no auto-exit
    QVERIFY(!w->Timers[9]->isActive());
    QVERIFY(!w->Timers[10]->isActive());
    // A start that fails cancels too, and arms nothing.
    w->runCommand(u"1011");
    QVERIFY(w->Timers[9]->isActive());
    f.entry(3, {f.file, QString(), true});
    w->runCommand(u"1013");
    QVERIFY(!w->Timers[9]->isActive());
    QVERIFY(w->isVisible());
}

void LauncherTest::nothingRunsWhileTheDumpShows()
{
    Fixture f;
    f.entry(1, {f.program, QStringLiteral("$(FileNameEx)"), false});
    auto w = openWindow({f.file});
    QVERIFY(w);
    w->runCommand(u"1721"); // the hex dump
    QVERIFY(test::settled(*w));
    QVERIFY(w->binary().shown());
    w->runCommand(u"1011");
    w->runCommand(u"1511");
    QVERIFY(test::settled(*w));
    QVERIFY(!w->findChild<TFormLauncher *>());
    QVERIFY(!QFile::exists(f.out));
}

void LauncherTest::dialogEditsTheRowsAndOkWritesThem()
{
    Fixture f;
    f.entry(1, {QStringLiteral("/opt/ed"), QStringLiteral("-x"), true});
    auto w = openWindow({});
    QVERIFY(w);
    TFormLauncher *d = openDialog(*w);
    QVERIFY(d);
    QTreeWidget *list = d->list();
    QCOMPARE(list->topLevelItemCount(), 5);
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("1"));
    QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("/opt/ed"));
    QCOMPARE(list->topLevelItem(0)->text(2), J(u"有効"));
    QCOMPARE(list->topLevelItem(1)->text(2), J(u"無効"));
    // Row 1 is selected and in the editors.
    QCOMPARE(d->fileEdit()->text(), QStringLiteral("/opt/ed"));
    QVERIFY(d->autoExitBox()->isChecked());
    QCOMPARE(d->optionsEdit()->text(), QStringLiteral("-x"));

    list->setCurrentItem(list->topLevelItem(1));
    QCOMPARE(d->fileEdit()->text(), QString());
    // While the editors have the focus the selected row is aqua.
    const QColor aqua(0x00, 0xFF, 0xFF);
    d->activateWindow();
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    QVERIFY(list->palette().color(QPalette::Active, QPalette::Highlight) != aqua);
    d->fileEdit()->setFocus();
    QTRY_VERIFY(d->fileEdit()->hasFocus());
    QCOMPARE(list->palette().color(QPalette::Active, QPalette::Highlight), aqua);
    QTest::keyClicks(d->fileEdit(), f.program);
    d->autoExitBox()->click();
    d->examples()->setCurrentIndex(3);
    emit d->examples()->activated(3);
    QCOMPARE(d->optionsEdit()->text(), QStringLiteral("/l $(CurLine) \"$(FileNameEx)\""));
    QCOMPARE(list->topLevelItem(1)->text(1), f.program);
    QCOMPARE(list->topLevelItem(1)->text(2), J(u"有効"));
    QCOMPARE(list->topLevelItem(1)->text(3), QStringLiteral("/l $(CurLine) \"$(FileNameEx)\""));
    emit d->examples()->activated(1);
    QCOMPARE(d->optionsEdit()->text(), QStringLiteral("$(FileNameEx)"));
    emit d->examples()->activated(0); // the blank entry empties the template
    QCOMPARE(d->optionsEdit()->text(), QString());
    QTest::keyClicks(d->optionsEdit(), QStringLiteral("+$(CurLine)"));
    // Enter in an editor neither closes nor accepts.
    QTest::keyClick(d->optionsEdit(), Qt::Key_Return);
    QTest::keyClick(d->fileEdit(), Qt::Key_Escape);
    QVERIFY(d->isVisible());
    // Row 1 untouched by editing row 2.
    QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("/opt/ed"));

    d->okButton()->click();
    QTRY_VERIFY(!w->findChild<TFormLauncher *>());
    IniFile ini(AppPaths::settingsPath());
    QCOMPARE(LauncherEntry::read(ini, 1), (LauncherEntry{QStringLiteral("/opt/ed"), QStringLiteral("-x"), true}));
    QCOMPARE(LauncherEntry::read(ini, 2), (LauncherEntry{f.program, QStringLiteral("+$(CurLine)"), true}));
    for (int n = 3; n <= 5; ++n)
        QVERIFY(ini.hasKey(LauncherEntry::section(n), QStringLiteral("AutoExit")));
    // The menu follows at once.
    QVERIFY(w->commandAction(u"1012")->text().endsWith(QStringLiteral(" rec&&ord")));
}

void LauncherTest::cancelAndEscWriteNothing()
{
    Fixture f;
    for (bool esc : {false, true}) {
        auto w = openWindow({});
        QVERIFY(w);
        TFormLauncher *d = openDialog(*w);
        QVERIFY(d);
        QTest::keyClicks(d->fileEdit(), QStringLiteral("/bin/true"));
        if (esc)
            QTest::keyClick(d->list(), Qt::Key_Escape);
        else
            d->cancelButton()->click();
        QTRY_VERIFY(!w->findChild<TFormLauncher *>());
        QVERIFY(!IniFile(AppPaths::settingsPath()).hasKey(QStringLiteral("Launcher1"), QStringLiteral("FolderFile")));
        // Its placement is kept however it closed.
        QVERIFY(IniFile(AppPaths::settingsPath()).hasKey(QStringLiteral("FormLauncher"), QStringLiteral("State")));
    }
}

void LauncherTest::browseFillsThePath()
{
    Fixture f;
    test::FakeDialogs dialogs;
    auto w = openWindow({});
    QVERIFY(w);
    TFormLauncher *d = openDialog(*w);
    QVERIFY(d);
    dialogs.fileAnswer = f.program;
    d->browseButton()->click();
    QCOMPARE(dialogs.lastRequest.initialPath, QString()); // nothing to start from
    QCOMPARE(dialogs.lastRequest.filter, TFormLauncher::browseFilter());
    QCOMPARE(dialogs.lastRequest.filterIndex, 1); // "All": programs here have no extension
    QCOMPARE(d->fileEdit()->text(), f.program);
    QCOMPARE(d->list()->topLevelItem(0)->text(1), f.program);
    // Now the chosen file is where the next browse starts; a cancel changes nothing.
    dialogs.accept = false;
    d->browseButton()->click();
    QCOMPARE(dialogs.lastRequest.initialPath, f.program);
    QCOMPARE(d->fileEdit()->text(), f.program);
    d->cancelButton()->click();
}

void LauncherTest::dialogInBothLanguages_data()
{
    QTest::addColumn<bool>("japanese");
    QTest::newRow("Japanese") << true;
    QTest::newRow("English") << false;
}

void LauncherTest::dialogInBothLanguages()
{
    QFETCH(bool, japanese);
    Fixture f;
    installLanguageFiles();
    IniFile(AppPaths::settingsPath()).writeBool(QStringLiteral("Language"), QStringLiteral("Japanese"), japanese);
    auto w = openWindow({});
    QVERIFY(w);
    TFormLauncher *d = openDialog(*w);
    QVERIFY(d);
    QCOMPARE(d->windowTitle(), japanese ? J(u"外部プログラム設定") : QStringLiteral("Launcher Settings"));
    QCOMPARE(d->list()->headerItem()->text(1), japanese ? J(u"ファイル名") : QStringLiteral("FileName"));
    QCOMPARE(d->list()->headerItem()->text(3), japanese ? J(u"引数") : QStringLiteral("Parameter"));
    QCOMPARE(d->examples()->count(), 5);
    QCOMPARE(d->examples()->itemText(4), japanese ? J(u"/J $(CurLine) $(FileNameEx): 秀丸の場合")
                                                  : QStringLiteral("/J $(CurLine) $(FileNameEx): Editor Hidemaru"));
    QCOMPARE(d->cancelButton()->text(), japanese ? J(u"ｷｬﾝｾﾙ(&C)") : QStringLiteral("&Cancel"));
    QCOMPARE(test::mnemonicClashes(d), QStringList());
    QCOMPARE(d->minimumSize(), QSize(760, 470));
    d->cancelButton()->click();
    QTRY_VERIFY(!w->findChild<TFormLauncher *>());
    QVERIFY(f.messages.texts.isEmpty());
}

QTEST_MAIN(LauncherTest)
#include "Launcher_test.moc"
