// The key map of the main window: reconciling the key-map file and the editor cursor mode.
#include "TFormMain.h"

#include "AppPaths.h"
#include "CommandCatalogue.h"
#include "KeyMapFile.h"
#include "KeyMapStartup.h"
#include "MainMenuBuilder.h"
#include "MainMessages.h"

#include <QAction>
#include <QTimer>

namespace quillon {

namespace {

QString keyMapPath()
{
    return AppPaths::besideProgram(KeyMapFileNames::mainWindow().keyMap);
}

} // namespace

void TFormMain::registerKeyMapCommands()
{
    registerCommand(u"1251", [this] { setEditorCursorMode(!m_editorCursorMode); });
    // Timer3 is one-shot; the timer dispatcher stops it, this says why it ran.
    connect(Timers[3], &QTimer::timeout, this, [this] { showKeyMapResetMessage(); });
}

void TFormMain::InitKeyMap(int ExeType)
{
    StrListKeyMapOriginal = CommandCatalogue::InitKeyMap(ExeType, m_menus->currentCaptions());
}

void TFormMain::SetShortCutKey()
{
    StrListKeyMap = KeyMapStartup::loadOrWrite(keyMapPath(), StrListKeyMap);
    // An empty map changes no key (the builder checks that too).
    m_menus->applyKeyMap(StrListKeyMap);
}

void TFormMain::setEditorCursorMode(bool on)
{
    m_editorCursorMode = on;
    m_menus->setEditorCursorMode(on, StrListKeyMap);
}

void TFormMain::reconcileKeyMapAtStart()
{
    // Runs before the language file is applied, so the catalogue's command
    // names are the built-in Japanese captions.
    InitKeyMap(0);
    KeyMapReconciliation r = KeyMapStartup::reconcile(keyMapPath(), StrListKeyMapOriginal);
    BoolKeyMapSame = r.BoolKeyMapSame;
    StrListKeyMapCheck1 = std::move(r.StrListKeyMapCheck1);
    StrListKeyMapCheck2 = std::move(r.StrListKeyMapCheck2);
    if (r.fileWritten)
        StrListKeyMap = std::move(r.StrListKeyMap);
    SetShortCutKey();
    // The message waits until the window is on screen.
    if (!BoolKeyMapSame)
        Timers[3]->start();
}

void TFormMain::showKeyMapResetMessage()
{
    showMessage(MainMessages::keyMapReset());
}

} // namespace quillon
