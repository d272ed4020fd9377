// The key map of the main window: reconciling the key-map file and the editor cursor mode.
#include "TFormMain.h"

#include "AppPaths.h"
#include "CommandCatalogue.h"
#include "KeyMapFile.h"
#include "KeyMapStartup.h"
#include "MainMenuBuilder.h"

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
    showMessage(QString::fromUtf16(u"Information : キーボード設定内容が変更になったので初期化しました\r\n"
                                   u"必要ならキーボード設定で「変更分を反映」を実行して下さい\r\n"
                                   u"キーボード設定を変更した場合は「変更分を保存」を実行しておいて下さい"),
                QStringLiteral("Information : Key board map had initialized, because of orijinal key board map had "
                               "updated.\r\nIf necessary, reffer different items on KeyBoard Window.\r\nWhen change "
                               "keyboard setting, save different items to file on KeyBoard Window.\r\n[OK]"));
}

} // namespace quillon
