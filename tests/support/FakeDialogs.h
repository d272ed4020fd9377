#pragma once
// The open, font and colour dialogs answered from the test: each call is
// counted and its request kept; installed for the object's lifetime.
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
        *fileName = fileAnswer;
        return accept;
    }
    bool chooseFont(QWidget *, const QFont &, const QColor &, QFont *font, QColor *color) override
    {
        ++calls;
        *font = fontAnswer;
        *color = fontColorAnswer;
        return accept;
    }
    bool chooseColor(QWidget *, const QColor &, QColor *color) override
    {
        ++calls;
        *color = colorAnswer;
        return accept;
    }

    bool accept = true; // false: every dialog is cancelled
    QString fileAnswer;
    QFont fontAnswer;
    QColor fontColorAnswer;
    QColor colorAnswer;
    int calls = 0;
    OpenFileRequest lastRequest;
};

} // namespace quillon::test
