#include "KeyMapController.h"

#include "AppPaths.h"
#include "CommandCatalogue.h"
#include "KeyMapFile.h"
#include "KeyMapStartup.h"
#include "MainMenuBuilder.h"
#include "MainMessages.h"
#include "TFormKeyBoard.h"
#include "TFormMain.h"
#include "TMemoExDark.h"

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
    m_w.registerCommand(u"1701", [this] { openKeyBoard(); });
    // Timer3 is one-shot; the timer dispatcher stops it, this says why it ran.
    connect(m_w.Timers[3], &QTimer::timeout, this, [this] {
        if (m_writeFailed)
            m_w.showMessage(KeyMapStartup::writeFailedMessage(keyMapPath(), m_writeError));
        else
            m_w.showMessage(MainMessages::keyMapReset());
    });
}

KeyMapParent KeyMapController::keyMapParent()
{
    KeyMapParent parent = KeyMapParent::forName(QStringLiteral("Main"));
    parent.defaults = [this](int exeType) {
        return CommandCatalogue::InitKeyMap(exeType, m_menus.currentCaptions());
    };
    parent.setCatalogue = [this](const QStringList &catalogue) { m_w.StrListKeyMapOriginal = catalogue; };
    return parent;
}

void KeyMapController::openKeyBoard()
{
    TFormKeyBoard *dialog = TFormKeyBoard::openFor(keyMapParent(), m_w.BoolJapanese, &m_w, [this] { keyBoardConfirmed(); });
    connect(dialog, &QDialog::finished, m_w.signalContext(), [this] { m_w.textView()->setFocus(); });
}

void KeyMapController::keyBoardConfirmed()
{
    // The fixed keys of the cursor mode would hide the new ones.
    if (m_editorCursorMode)
        setEditorCursorMode(false);
    SetShortCutKey();
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
