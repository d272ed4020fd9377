#pragma once
// The open, font and colour dialogs answered from the test: each call is
// counted and its request kept; installed for the object's lifetime. It keeps
// the contract of the platform's dialogs (DialogSeams_test): a cancelled
// dialog leaves its outputs alone, and the font's colour is the one picked
// after it, or the one it was given when that choice was cancelled.
#include "MessageService.h"

#include <QColor>
#include <QFont>

namespace quillon::test {

class FakeDialogs : public DialogPresenter {
public:
    FakeDialogs() { MessageService::setDialogPresenter(this); }
    ~FakeDialogs() override { MessageService::setDialogPresenter(nullptr); }
    FakeDialogs(const FakeDialogs &) = delete;
    FakeDialogs &operator=(const FakeDialogs &) = delete;

    bool openFile(QWidget *, const OpenFileRequest &request, QString *fileName) override
    {
        ++calls;
        lastRequest = request;
        if (accept)
            *fileName = fileAnswer;
        return accept;
    }
    bool chooseFont(QWidget *, const QFont &, const QColor &initialColor, QFont *font, QColor *color) override
    {
        ++calls;
        if (accept) {
            *font = fontAnswer;
            *color = fontColorAnswer.isValid() ? fontColorAnswer : initialColor;
        }
        return accept;
    }
    bool chooseColor(QWidget *, const QColor &, QColor *color) override
    {
        ++calls;
        if (accept)
            *color = colorAnswer;
        return accept;
    }

    bool accept = true; // false: every dialog is cancelled
    QString fileAnswer;
    QFont fontAnswer;
    // The colour picked after the font; invalid: the colour dialog was cancelled.
    QColor fontColorAnswer;
    QColor colorAnswer;
    int calls = 0;
    OpenFileRequest lastRequest;
};

} // namespace quillon::test
