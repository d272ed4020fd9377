#pragma once
// The key-map area of the main window: reconciling the key-map file at start,
// giving the command items their keys, and the temporary editor cursor mode
// (command 1251). The lists other windows read stay on the window
// (StrListKeyMap, StrListKeyMapOriginal, ...); this owns the rest.
#include "KeyMapParent.h"

#include <QObject>
#include <QString>

namespace quillon {

class MainMenuBuilder;
class TFormMain;

class KeyMapController : public QObject {
public:
    KeyMapController(TFormMain &window, MainMenuBuilder &menus);

    void registerCommands();
    // Rebuilds StrListKeyMapOriginal with the captions the menu shows now;
    // exeType 0 filer-style keys, any other editor-style keys.
    void InitKeyMap(int exeType);
    // Reads the key-map file (or writes StrListKeyMap when it is missing) and
    // gives every command item its key.
    void SetShortCutKey();
    void setEditorCursorMode(bool on);
    [[nodiscard]] bool editorCursorMode() const { return m_editorCursorMode; }
    // The show sequence's key-map step: compare, rewrite if needed, apply.
    void reconcileAtStart();
    // Command 1701: the keyboard dialog on this window's key map; on OK the
    // cursor mode ends and the file is applied again.
    void openKeyBoard();
    void keyBoardConfirmed();
    // This window as the keyboard dialog's owner.
    [[nodiscard]] KeyMapParent keyMapParent();

private:
    TFormMain &m_w;
    MainMenuBuilder &m_menus;
    bool m_editorCursorMode = false;
    bool m_writeFailed = false; // the start-up write of the key-map file
    QString m_writeError;       // and the system's reason
};

} // namespace quillon
