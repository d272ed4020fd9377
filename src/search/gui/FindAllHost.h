#pragma once
// What the find-all window needs from the window that opens it: the text to
// list (the lines as its view shows them) and that view's look, the loaded
// file's path, the find dialog, the go-to-line dialog, the message boxes, and
// the windows it hands over to. The main window's controller implements it;
// tests give a stand-in.
#include "MessageService.h"

#include <QString>

#include <functional>

class QWidget;

namespace quillon {

class TFormFind;
class TMemoExDark;

class FindAllHost {
public:
    virtual ~FindAllHost() = default;
    [[nodiscard]] virtual bool japanese() const = 0;
    // A message box in the interface language (the text built in StrMsg).
    virtual MessageAnswer message(const QString &japanese, const QString &english,
                                  MessageButtons buttons = MessageButtons::Ok) = 0;
    // The text view whose display lines find all searches; its font, colours
    // and marks are the list's. The line-number view lends the number column its look.
    [[nodiscard]] virtual const TMemoExDark *textView() const = 0;
    [[nodiscard]] virtual const TMemoExDark *lineNumberView() const = 0;
    [[nodiscard]] virtual QString loadedFileName() const = 0;
    // The largest page amount of the main window's paging commands.
    [[nodiscard]] virtual int pageAmount() const = 0;
    // The find dialog, shared with the main window.
    [[nodiscard]] virtual TFormFind *findDialog() const = 0;
    // The window's language file, in the interface language.
    virtual void applyLanguage(QWidget *window, const QString &fileName) = 0;
    // The go-to-line dialog over `parent`; onOk runs after it wrote "Jump".
    virtual void openJumpDialog(QWidget *parent, std::function<void()> onOk) = 0;
    // The grid window on the hand-off file, modally. False while the program
    // has no grid window to open: the command then stays disabled.
    [[nodiscard]] virtual bool gridAvailable() const = 0;
    virtual void openGrid(QWidget *parent) = 0;
    // The keyboard dialog for this window's key map; onOk runs when it was
    // confirmed. False while there is none: the command stays disabled.
    [[nodiscard]] virtual bool keyboardDialogAvailable() const = 0;
    virtual void openKeyboardDialog(QWidget *parent, std::function<void()> onOk) = 0;
};

} // namespace quillon
