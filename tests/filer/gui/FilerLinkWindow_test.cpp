// The filer link as the main window runs it, on the in-memory desktop: the
// start with the filer, show in filer, the filer watch, the close rule, the
// log, the toggles, the selection window, and a desktop that allows nothing.
#include "support/Settle.h"
#include "support/TempHome.h"

#include "DesktopFileManager.h"
#include "FilerController.h"
#include "FilerMessages.h"
#include "InMemoryWindowSystem.h"
#include "KeyMapFile.h"
#include "IniFile.h"
#include "MessageService.h"
#include "TFormMain.h"
#include "TFormSelectFiler.h"
#include "TitlePatterns.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTimer>
#include <QtTest>

using namespace quillon;

namespace {

// The desktop, the file and the filer for one test.
struct Desk {
    test::TempHome home;
    InMemoryWindowSystem windows;
    MessageRecorder messages;
    QStringList shownByFileManager;
    bool fileManagerThere = true;
    QString file;
    WindowHandle filer = 0;

    Desk()
    {
        WindowSystem::setForTesting(&windows);
        DesktopFileManager::setForTesting([this](const QString &path) {
            if (fileManagerThere)
                shownByFileManager.append(path);
            return fileManagerThere;
        });
        file = home.write(QStringLiteral("a.txt"), "abc\r\n");
        filer = windows.addWindow(QStringLiteral("x - Harbek"));
    }
    ~Desk()
    {
        WindowSystem::setForTesting(nullptr);
        DesktopFileManager::setForTesting({});
    }
    void setOption(const char *section, const char *key, bool on) const
    {
        IniFile(AppPaths::settingsPath()).writeBool(QLatin1String(section), QLatin1String(key), on);
    }
    // Started by the filer, as it starts the viewer for the file under its cursor.
    std::unique_ptr<TFormMain> startFromFiler(const QString &path = {})
    {
        auto w = std::make_unique<TFormMain>(
            QStringList{QStringLiteral("hwnd=%1").arg(filer), path.isEmpty() ? file : path});
        w->show();
        if (!test::settled(*w))
            return nullptr;
        return w;
    }
};

} // namespace

class FilerLinkWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startClosesTheFilersViewerOfTheFile_data();
    void startClosesTheFilersViewerOfTheFile();
    void showInFilerSendsThePathAndClosesTheViewer_data();
    void showInFilerSendsThePathAndClosesTheViewer();
    void showInFilerWithoutAFilerWindowAsksTheDesktop();
    void theViewerFollowsTheFilerOut();
    void closingBringsTheFilerForward();
    void logListsViewersAndFilers();
    void togglesMarkAndWatchSwitchesTheTimer();
    void viewerCyclingGoesToTheNextViewer();
    void aDesktopThatAllowsNothingSaysSo();
    void selectionWindowListsAndBringsForward();
    void selectionWindowButtonsAndKeys();
    void selectionWindowTakesItsKeysFromTheKeyMap();
    void aPatternFileThatCannotBeWrittenIsSaid();
};

void FilerLinkWindowTest::startClosesTheFilersViewerOfTheFile_data()
{
    QTest::addColumn<bool>("option");
    QTest::newRow("on") << true;
    QTest::newRow("off") << false;
}

void FilerLinkWindowTest::startClosesTheFilersViewerOfTheFile()
{
    QFETCH(bool, option);
    Desk desk;
    desk.setOption("MenuHarbekanCloseOnStart", "Enabled", option);
    const WindowHandle same = desk.windows.addWindow(desk.file + QStringLiteral(" - Harbekan"));
    const WindowHandle other = desk.windows.addWindow(QStringLiteral("/elsewhere/b.txt - Harbekan"));
    auto w = desk.startFromFiler();
    QVERIFY(w);
    QCOMPARE(desk.windows.exists(same), !option);
    QVERIFY(desk.windows.exists(other));
}

void FilerLinkWindowTest::showInFilerSendsThePathAndClosesTheViewer_data()
{
    QTest::addColumn<bool>("closeAfter");
    QTest::newRow("close after") << true;
    QTest::newRow("stay") << false;
}

void FilerLinkWindowTest::showInFilerSendsThePathAndClosesTheViewer()
{
    QFETCH(bool, closeAfter);
    Desk desk;
    desk.setOption("QuillonCloseOnExecuteHarbekan", "Enabled", closeAfter);
    // A path outside any ANSI code page.
    const QString path = desk.home.write(QString::fromUtf16(u"ユーザー Ελλάδα.txt"), "abc\r\n");
    WindowHandle opened = 0;
    desk.windows.onData = [&](const InMemoryWindowSystem::Received &r) {
        opened = desk.windows.addWindow(QString::fromUtf16(reinterpret_cast<const char16_t *>(r.data.constData()))
                                        + QStringLiteral(" - Harbekan"));
    };
    auto w = desk.startFromFiler(path);
    QVERIFY(w);
    const auto own = WindowHandle(w->winId());
    w->runCommand(u"1021");
    QCOMPARE(desk.windows.received.size(), 1);
    const auto &r = desk.windows.received.first();
    QCOMPARE(r.window, desk.filer);
    QCOMPARE(r.sender, own);
    QCOMPARE(r.tag, 32800u);
    QCOMPARE(r.data.size(), 2 * w->StrLoadFileName.size() + 2);
    QCOMPARE(desk.windows.foreground(), opened);
    QTRY_COMPARE(w->isVisible(), !closeAfter);

    // Shown already: the filer's viewer comes forward, nothing is sent, the viewer stays.
    if (!closeAfter) {
        desk.windows.setForeground(desk.filer);
        w->runCommand(u"1021");
        QCOMPARE(desk.windows.received.size(), 1);
        QCOMPARE(desk.windows.foreground(), opened);
        QVERIFY(w->isVisible());
    }
    QVERIFY(desk.messages.texts.isEmpty());
}

void FilerLinkWindowTest::showInFilerWithoutAFilerWindowAsksTheDesktop()
{
    Desk desk;
    auto w = desk.startFromFiler();
    QVERIFY(w);
    desk.windows.removeWindow(desk.filer); // the handle names nothing any more
    w->Timers[8]->stop();
    w->runCommand(u"1021");
    QCOMPARE(desk.shownByFileManager, QStringList{w->StrLoadFileName});
    QVERIFY(desk.windows.received.isEmpty());
    QVERIFY(w->isVisible()); // a folder window is not the filer's viewer: we stay
    QVERIFY(desk.messages.texts.isEmpty());

    desk.fileManagerThere = false;
    w->runCommand(u"1021");
    QCOMPARE(desk.messages.texts, QStringList{FilerMessages::noFilerFound().japanese});
}

void FilerLinkWindowTest::theViewerFollowsTheFilerOut()
{
    Desk desk;
    auto w = desk.startFromFiler();
    QVERIFY(w);
    QVERIFY(w->Timers[8]->isActive());
    QCOMPARE(w->Timers[8]->interval(), 1000);
    // Started with a file that is not there: nothing shown, the viewer stays.
    auto empty = desk.startFromFiler(desk.home.file(QStringLiteral("missing.txt")));
    QVERIFY(empty);
    QVERIFY(empty->StrLoadFileName.isEmpty());

    desk.windows.removeWindow(desk.filer);
    QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), 3000);
    QVERIFY(test::timersDueWithinFired(1100));
    QVERIFY(empty->isVisible());
}

void FilerLinkWindowTest::closingBringsTheFilerForward()
{
    Desk desk;
    {
        auto w = desk.startFromFiler();
        QVERIFY(w);
        desk.windows.minimise(desk.filer);
        desk.windows.addWindow(QStringLiteral("other program"));
        w->close();
        QCOMPARE(desk.windows.foreground(), desk.filer);
        QVERIFY(!desk.windows.isIconic(desk.filer));
    }
    {
        // Another program shows the file: that one comes forward.
        const WindowHandle editor = desk.windows.addWindow(desk.file + QStringLiteral(" - Editor"));
        desk.setOption("MenuHarbekanCloseOnStart", "Enabled", false);
        auto w = desk.startFromFiler();
        QVERIFY(w);
        desk.windows.setForeground(desk.filer);
        w->close();
        QCOMPARE(desk.windows.foreground(), editor);
    }
    {
        desk.setOption("Editor", "TopToFiler", false);
        auto w = desk.startFromFiler();
        QVERIFY(w);
        const WindowHandle front = desk.windows.addWindow(QStringLiteral("other program"));
        w->close();
        QCOMPARE(desk.windows.foreground(), front);
    }
}

void FilerLinkWindowTest::logListsViewersAndFilers()
{
    Desk desk;
    const WindowHandle both = desk.windows.addWindow(QStringLiteral("a - Harbek - Quillon"));
    auto w = desk.startFromFiler();
    QVERIFY(w);
    const QStringList &log = w->StrListLog;
    const qsizetype names = log.indexOf(QStringLiteral("Name"));
    QVERIFY(names > 0);
    QCOMPARE(log.mid(names + 3),
             (QStringList{QStringLiteral("a - Harbek - Quillon"), QString::number(both), QString(),
                          QStringLiteral("a - Harbek - Quillon"), QString::number(both), QString(),
                          QStringLiteral("x - Harbek"), QString::number(desk.filer), QString()}));
}

void FilerLinkWindowTest::togglesMarkAndWatchSwitchesTheTimer()
{
    Desk desk;
    {
        auto w = desk.startFromFiler();
        QVERIFY(w);
        for (CommandCode code : {CommandCode(u"1022"), CommandCode(u"1023"), CommandCode(u"1841"), CommandCode(u"1842")}) {
            QVERIFY(w->commandAction(code)->isChecked());
            w->runCommand(code);
            QVERIFY(!w->commandAction(code)->isChecked());
        }
        QVERIFY(!w->Timers[8]->isActive());
        w->runCommand(u"1842");
        QVERIFY(w->Timers[8]->isActive());
        w->runCommand(u"1842");
        QVERIFY(!w->Timers[8]->isActive());
    }
    // Written when the window went.
    IniFile ini(AppPaths::settingsPath());
    QVERIFY(!ini.readBool(QStringLiteral("Editor"), QStringLiteral("TopToFiler"), true));
    QVERIFY(!ini.readBool(QStringLiteral("Editor"), QStringLiteral("CheckFilerExist"), true));
    QVERIFY(!ini.readBool(QStringLiteral("QuillonCloseOnExecuteHarbekan"), QStringLiteral("Enabled"), true));
    QVERIFY(!ini.readBool(QStringLiteral("MenuHarbekanCloseOnStart"), QStringLiteral("Enabled"), true));
}

void FilerLinkWindowTest::viewerCyclingGoesToTheNextViewer()
{
    Desk desk;
    auto w = desk.startFromFiler();
    QVERIFY(w);
    // The window itself is not on the in-memory desktop: stand-ins for it and two more.
    const WindowHandle v3 = desk.windows.addWindow(QStringLiteral("/c.txt - Quillon"));
    const WindowHandle v2 = desk.windows.addWindow(QStringLiteral("/b.txt - Quillon"));
    const WindowHandle v1 = desk.windows.addWindow(QStringLiteral("/a.txt - Quillon"));
    w->runCommand(u"1801");
    QCOMPARE(desk.windows.foreground(), v2);
    w->runCommand(u"1801");
    QCOMPARE(desk.windows.foreground(), v3);
    w->runCommand(u"1801");
    QCOMPARE(desk.windows.foreground(), v1);
    QVERIFY(QFileInfo::exists(desk.home.file(QStringLiteral("Quillon-Sel.txt"))));
}

void FilerLinkWindowTest::aDesktopThatAllowsNothingSaysSo()
{
    Desk desk;
    auto w = desk.startFromFiler();
    QVERIFY(w);
    WindowSystem::setForTesting(nullptr); // the offscreen platform: no desktop
    desk.fileManagerThere = false;
    for (CommandCode code : {CommandCode(u"1821"), CommandCode(u"1801"), CommandCode(u"1811"), CommandCode(u"1021")}) {
        desk.messages.texts.clear();
        w->runCommand(code);
        QCOMPARE(desk.messages.texts, QStringList{FilerMessages::desktopDoesNotAllow().japanese});
    }
    // The watch and the close rule stay silent.
    w->Timers[8]->start(1);
    QVERIFY(test::timersDueWithinFired(50));
    QVERIFY(w->isVisible());
    w->close();
    QCOMPARE(desk.messages.texts.size(), 1);
}

void FilerLinkWindowTest::selectionWindowListsAndBringsForward()
{
    Desk desk;
    auto w = desk.startFromFiler();
    QVERIFY(w);
    desk.windows.addWindow(QStringLiteral("y - Dollmer"));
    desk.windows.addWindow(QStringLiteral("z - Harbek - Quillon")); // a viewer: never listed
    w->runCommand(u"1811");
    TFormSelectFiler *dialog = nullptr;
    QTRY_VERIFY((dialog = w->findChild<TFormSelectFiler *>()) && dialog->isVisible());
    QCOMPARE(dialog->list()->count(), 2);
    QCOMPARE(dialog->list()->item(0)->text(), QStringLiteral("y - Dollmer"));
    QCOMPARE(dialog->list()->currentRow(), 0);
    QPointer<TFormSelectFiler> guard(dialog);
    dialog->list()->setCurrentRow(1);
    QTest::keyClick(dialog->list(), Qt::Key_Return);
    QCOMPARE(desk.windows.foreground(), desk.filer);
    QTRY_VERIFY(guard.isNull()); // closed and deleted
}

void FilerLinkWindowTest::selectionWindowButtonsAndKeys()
{
    Desk desk;
    const QString path = desk.home.file(TitlePatterns::fileName());
    TFormSelectFiler dialog(true, desk.windows);
    dialog.show();
    QTRY_VERIFY(dialog.isVisible());
    QCOMPARE(dialog.list()->count(), 1);
    QCOMPARE(dialog.patternBox(0)->width(), dialog.width() - 105);

    // Again, from the boxes: a one-character pattern takes part in nothing.
    dialog.patternBox(0)->setText(QStringLiteral("x"));
    dialog.searchAgain();
    QCOMPARE(dialog.list()->count(), 0);
    dialog.patternBox(0)->setText(QStringLiteral("x -"));
    dialog.searchAgain();
    QCOMPARE(dialog.list()->count(), 1);
    QVERIFY(!QFileInfo::exists(path)); // in memory only

    // Enter and Esc in a pattern box go nowhere.
    dialog.patternBox(1)->setFocus();
    QTest::keyClick(dialog.patternBox(1), Qt::Key_Escape);
    QTest::keyClick(dialog.patternBox(1), Qt::Key_Return);
    QVERIFY(dialog.isVisible());

    dialog.initialise();
    QCOMPARE(dialog.patternBox(0)->text(), QStringLiteral("- Harbek"));
    QVERIFY(dialog.enabledBox(1)->isChecked());
    QVERIFY(!dialog.enabledBox(2)->isChecked());
    QVERIFY(!QFileInfo::exists(path));

    dialog.enabledBox(1)->setChecked(false);
    dialog.patternBox(2)->setText(QString::fromUtf16(u"- ファイラー"));
    dialog.save();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(TitlePatterns::read(path),
             (QStringList{QStringLiteral("1 - Harbek"), QStringLiteral("0 - Dollmer"),
                          QString::fromUtf16(u"0 - ファイラー"), QStringLiteral("0 ")}));

    // Shown again: the saved lines; Esc closes; an empty list only closes.
    TFormSelectFiler again(false, desk.windows);
    QCOMPARE(again.patternBox(2)->text(), QString::fromUtf16(u"- ファイラー"));
    desk.windows.removeWindow(desk.filer);
    again.show();
    QTRY_VERIFY(again.isVisible());
    QCOMPARE(again.list()->count(), 0);
    QTest::keyClick(again.list(), Qt::Key_Escape);
    QVERIFY(!again.isVisible());
}

void FilerLinkWindowTest::selectionWindowTakesItsKeysFromTheKeyMap()
{
    Desk desk;
    {
        // Without a key map file the items keep their keys (none).
        TFormSelectFiler dialog(true, desk.windows);
        dialog.show();
        QTRY_VERIFY(dialog.isVisible());
        QVERIFY(dialog.item(1001)->shortcut().isEmpty());
        QVERIFY(dialog.item(1002)->shortcut().isEmpty());
    }
    QVERIFY(KeyMapFile::write(desk.home.file(QStringLiteral("Quillon-KeyMap.txt")),
                              {QString::fromUtf16(u"ファイル\t終了\tCtrl+W\t1031"),
                               QString::fromUtf16(u"共通\tカーソル移動設定\tCtrl+R\t1711")})
                .ok);
    TFormSelectFiler dialog(true, desk.windows);
    dialog.show();
    QTRY_VERIFY(dialog.isVisible());
    QCOMPARE(dialog.item(1002)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
    QCOMPARE(dialog.item(1001)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    desk.windows.minimise(desk.filer);
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(dialog.list(), Qt::Key_R, Qt::ControlModifier);
    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(desk.windows.foreground(), desk.filer); // run: forward and restored
}

void FilerLinkWindowTest::aPatternFileThatCannotBeWrittenIsSaid()
{
    Desk desk;
    // A folder where the file should be: the write fails.
    QVERIFY(QDir(desk.home.path()).mkdir(TitlePatterns::fileName()));
    TFormSelectFiler dialog(false, desk.windows);
    dialog.show();
    QTRY_VERIFY(dialog.isVisible());
    dialog.patternBox(2)->setText(QStringLiteral("- Mine"));
    dialog.save();
    QCOMPARE(desk.messages.texts.size(), 1);
    QVERIFY(desk.messages.texts.first().startsWith(QStringLiteral("Error : The file can not write.")));
    // Still open with what the user typed.
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.patternBox(2)->text(), QStringLiteral("- Mine"));
}

QTEST_MAIN(FilerLinkWindowTest)
#include "FilerLinkWindow_test.moc"
