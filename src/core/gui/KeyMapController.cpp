#include "KeyMapController.h"

#include "AppPaths.h"
#include "CommandCatalogue.h"
#include "KeyMapFile.h"
#include "KeyMapStartup.h"
#include "MainMenuBuilder.h"
#include "MainMessages.h"
#include "TFormMain.h"

#include <QTimer>

namespace quillon {

namespace {

QString keyMapPath()
{
    return AppPaths::besideProgram(KeyMapFileNames::mainWindow().keyMap);
}

} // namespace

KeyMapController::KeyMapController(TFormMain &window, MainMenuBuilder &menus)
    : m_w(window)
    , m_menus(menus)
{
}

void KeyMapController::registerCommands()
{
    m_w.registerCommand(u"1251", [this] { setEditorCursorMode(!m_editorCursorMode); });
    // Timer3 is one-shot; the timer dispatcher stops it, this says why it ran.
    connect(m_w.Timers[3], &QTimer::timeout, this, [this] {
        if (m_writeFailed)
            m_w.showMessage(KeyMapStartup::writeFailedMessage(keyMapPath(), m_writeError));
        else
            m_w.showMessage(MainMessages::keyMapReset());
    });
}

void KeyMapController::InitKeyMap(int exeType)
{
    m_w.StrListKeyMapOriginal = CommandCatalogue::InitKeyMap(exeType, m_menus.currentCaptions());
}

void KeyMapController::SetShortCutKey()
{
    m_w.StrListKeyMap = KeyMapStartup::loadOrWrite(keyMapPath(), m_w.StrListKeyMap);
    // An empty map changes no key (the builder checks that too).
    m_menus.applyKeyMap(m_w.StrListKeyMap);
}

void KeyMapController::setEditorCursorMode(bool on)
{
    m_editorCursorMode = on;
    m_menus.setEditorCursorMode(on, m_w.StrListKeyMap);
}

void KeyMapController::reconcileAtStart()
{
    // Runs before the language file is applied, so the catalogue's command
    // names are the built-in Japanese captions.
    InitKeyMap(0);
    KeyMapReconciliation r = KeyMapStartup::reconcile(keyMapPath(), m_w.StrListKeyMapOriginal);
    m_w.BoolKeyMapSame = r.BoolKeyMapSame;
    if (r.fileWritten)
        m_w.StrListKeyMap = std::move(r.StrListKeyMap);
    SetShortCutKey();
    // The message waits until the window is on screen.
    m_writeFailed = r.writeFailed();
    m_writeError = r.writeResult.error;
    if (r.resetDone() || r.writeFailed())
        m_w.Timers[3]->start();
}

} // namespace quillon
