#include "LauncherController.h"

#include "LanguageController.h"
#include "LauncherEntry.h"
#include "LauncherMessages.h"
#include "TFormLauncher.h"
#include "TFormMain.h"
#include "TMemoExDark.h"

#include <QAction>
#include <QFileInfo>
#include <QTimer>

namespace quillon {

namespace {

constexpr CommandCode launcherCodes[] = {u"1011", u"1012", u"1013", u"1014", u"1015"};

} // namespace

LauncherController::LauncherController(TFormMain &window)
    : m_w(window)
{
}

void LauncherController::registerCommands()
{
    for (int n = 1; n <= LauncherEntry::Count; ++n)
        m_w.registerCommand(launcherCodes[n - 1], [this, n] { MenuLauncherAutoClick(n); },
                            TFormMain::WhileDump::StandsStill);
    m_w.registerCommand(u"1511", [this] { MenuLauncherSettingClick(); }, TFormMain::WhileDump::StandsStill);
    // The window stops every timer at creation; these two end an auto-exit.
    connect(m_w.Timers[9], &QTimer::timeout, this, &LauncherController::autoExitFindWindow);
    connect(m_w.Timers[10], &QTimer::timeout, this, &LauncherController::autoExitClose);
}

void LauncherController::SetMenuLauncher()
{
    const auto &bases = m_w.language().StrLauncherMenu;
    for (int n = 1; n <= LauncherEntry::Count; ++n) {
        StrLauncherFolderFile[size_t(n - 1)] = LauncherEntry::read(m_w.ini(), n).folderFile;
        if (QAction *a = m_w.commandAction(launcherCodes[n - 1]))
            a->setText(LauncherEntry::menuCaption(bases[size_t(n - 1)], StrLauncherFolderFile[size_t(n - 1)]));
    }
}

LauncherContext LauncherController::context() const
{
    LauncherContext c;
    c.fileName = m_w.StrLoadFileName;
    const TMemoExDark *view = m_w.textView();
    if (view->lineCount() > 0)
        c.currentLine = view->lineFromPosition(view->caretPosition()) + 1;
    return c;
}

void LauncherController::MenuLauncherAutoClick(int number)
{
    const LauncherEntry entry = LauncherEntry::read(m_w.ini(), number);
    const LauncherContext c = context();
    lastParameterText = LauncherOptions::parameterText(entry.options, c);
    lastArguments = LauncherOptions::arguments(entry.options, c);
    if (entry.folderFile.isEmpty() || !QFileInfo::exists(entry.folderFile)) {
        m_w.showMessage(LauncherMessages::programMissing(entry.folderFile));
        return;
    }
    ExecuteProgramEx3(entry.folderFile, lastArguments, entry.autoExit);
}

bool LauncherController::ExecuteProgramEx3(const QString &sExeName, const QStringList &arguments, bool bAutoExit)
{
    m_w.Timers[9]->stop();
    m_w.Timers[10]->stop();
    const StartResult result = ProgramStarter::startDetached(sExeName, arguments);
    if (result.ok()) {
        if (bAutoExit)
            m_w.Timers[9]->start();
        return true;
    }
    m_w.showMessage(LauncherMessages::startFailed(sExeName, result));
    return false;
}

void LauncherController::autoExitFindWindow()
{
    m_w.Timers[9]->stop();
    m_w.Timers[10]->stop();
    if (raiseWindowShowing)
        raiseWindowShowing(m_w.StrLoadFileName);
    m_w.Timers[10]->start();
}

void LauncherController::autoExitClose()
{
    m_w.Timers[10]->stop();
    m_w.close();
}

void LauncherController::MenuLauncherSettingClick()
{
    auto *dialog = new TFormLauncher(m_w.BoolJapanese, &m_w);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_w.language().applyWindowLanguage(dialog, QStringLiteral("Launcher.txt"));
    // However it closes, the captions follow the settings file.
    connect(dialog, &QDialog::finished, m_w.signalContext(), [this] {
        SetMenuLauncher();
        m_w.textView()->setFocus();
    });
    dialog->open();
}

} // namespace quillon
