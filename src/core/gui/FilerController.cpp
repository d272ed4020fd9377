#include "FilerController.h"

#include "AppPaths.h"
#include "AutoExitTarget.h"
#include "DesktopFileManager.h"
#include "FilerLink.h"
#include "FilerMessages.h"
#include "LanguageController.h"
#include "TFormMain.h"
#include "TFormSelectFiler.h"
#include "TMemoExDark.h"
#include "ViewerCycle.h"

#include <QAction>
#include <QGuiApplication>
#include <QTimer>

namespace quillon {

FilerController::FilerController(TFormMain &window)
    : m_w(window)
{
}

WindowSystem &FilerController::windows() const
{
    if (WindowSystem::isReplacedForTesting())
        return WindowSystem::desktop();
    // Without a desktop (the offscreen platform) there are no other windows.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return WindowSystem::none();
    return WindowSystem::desktop();
}

void FilerController::registerCommands()
{
    syncCheckMarks();
    MainSettings &s = m_w.settings();
    constexpr auto textOnly = TFormMain::WhileDump::StandsStill;
    m_w.registerCommand(u"1021", [this] { showInFiler(); });
    m_w.registerCommand(u"1022", [this, &s] { toggle(&s.quillonCloseOnExecuteHarbekan, u"1022"); });
    m_w.registerCommand(u"1023", [this, &s] { toggle(&s.menuHarbekanCloseOnStart, u"1023"); });
    m_w.registerCommand(u"1801", [this] { selectViewer(); }, textOnly);
    m_w.registerCommand(u"1811", [this] { openSelectFiler(); }, textOnly);
    m_w.registerCommand(u"1821", [this] { bringFilerForward(); }, textOnly);
    m_w.registerCommand(u"1841", [this, &s] { toggle(&s.topToFiler, u"1841"); }, textOnly);
    m_w.registerCommand(
        u"1842",
        [this, &s] {
            toggle(&s.checkFilerExist, u"1842");
            startWatch();
        },
        textOnly);
}

void FilerController::syncCheckMarks()
{
    const MainSettings &s = m_w.settings();
    struct Mark {
        CommandCode code;
        bool on;
    };
    const Mark marks[] = {
        {u"1022", s.quillonCloseOnExecuteHarbekan},
        {u"1023", s.menuHarbekanCloseOnStart},
        {u"1841", s.topToFiler},
        {u"1842", s.checkFilerExist},
    };
    for (const auto &[code, on] : marks) {
        if (QAction *a = m_w.commandAction(code))
            a->setChecked(on);
    }
}

void FilerController::toggle(bool *flag, CommandCode code)
{
    // Written when the window is destroyed.
    *flag = !*flag;
    if (QAction *a = m_w.commandAction(code))
        a->setChecked(*flag);
}

WindowHandle FilerController::filerHandle() const
{
    bool ok = false;
    const WindowHandle handle = m_w.HarboHandle.toULongLong(&ok, 10);
    return ok ? handle : 0;
}

WindowHandle FilerController::ownHandle() const
{
    return WindowHandle(m_w.winId());
}

bool FilerController::desktopAllows()
{
    if (windows().available())
        return true;
    m_w.showMessage(FilerMessages::desktopDoesNotAllow());
    return false;
}

void FilerController::showInFiler()
{
    const QString file = m_w.StrLoadFileName;
    if (file.isEmpty())
        return;
    WindowSystem &system = windows();
    FilerLink link(system);
    const WindowHandle filer = filerHandle();
    if (system.available() && filer != 0 && link.windowExists(filer)) {
        const FilerLink::ShowOutcome outcome = link.showInFiler(file, filer, ownHandle());
        if (outcome == FilerLink::ShowOutcome::Asked && m_w.settings().quillonCloseOnExecuteHarbekan)
            m_w.close();
        return;
    }
    // No filer window: the desktop's own file manager shows the file in its
    // folder. It is not the filer's viewer, so this viewer stays open.
    if (DesktopFileManager::current()(file))
        return;
    m_w.showMessage(system.available() ? FilerMessages::noFilerFound() : FilerMessages::desktopDoesNotAllow());
}

void FilerController::bringFilerForward()
{
    const WindowHandle filer = filerHandle();
    if (filer == 0 || !desktopAllows())
        return;
    windows().setForeground(filer);
}

void FilerController::selectViewer()
{
    if (!desktopAllows())
        return;
    FilerLink link(windows());
    ViewerCycle::run(link, m_w.ini(), AppPaths::besideProgram(QStringLiteral("Quillon-Sel.txt")));
}

void FilerController::openSelectFiler()
{
    if (!desktopAllows())
        return;
    auto *dialog = new TFormSelectFiler(m_w.BoolJapanese, windows(), &m_w);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_w.language().applyWindowLanguage(dialog, QStringLiteral("SelectFiler.txt"));
    connect(dialog, &QDialog::finished, m_w.signalContext(), [this] { m_w.textView()->setFocus(); });
    dialog->open();
}

void FilerController::startWatch()
{
    QTimer *timer = m_w.Timers[8];
    if (m_w.settings().checkFilerExist)
        timer->start();
    else
        timer->stop();
}

void FilerController::watchTick()
{
    const WindowHandle filer = filerHandle();
    if (filer == 0 || m_w.StrLoadFileName.isEmpty() || !windows().available())
        return;
    if (!FilerLink(windows()).windowExists(filer))
        m_w.close();
}

void FilerController::filerStartLoaded()
{
    if (!m_w.settings().menuHarbekanCloseOnStart || !windows().available())
        return;
    FilerLink(windows()).closeWindowShowingFile(m_w.StrLoadFileName);
}

void FilerController::onClose()
{
    const WindowHandle filer = filerHandle();
    if (filer == 0 || !m_w.settings().topToFiler || !windows().available())
        return;
    FilerLink(windows()).frontOnClose(m_w.StrLoadFileName, filer);
}

QList<FoundWindow> FilerController::logWindows()
{
    return FilerLink(windows()).search(WindowSearch::ViewersAndFilers);
}

void FilerController::bringForwardWindowNaming(const QString &file)
{
    WindowSystem &system = windows();
    if (!system.available())
        return;
    const QList<TopWindow> tops = system.topLevelWindows();
    QStringList titles;
    for (const TopWindow &t : tops)
        titles << t.title;
    const int at = AutoExitTarget::pick(titles, file);
    if (at >= 0)
        FilerLink(system).bringToFront(tops[at].handle);
}

} // namespace quillon
