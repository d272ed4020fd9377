#pragma once
// Every message box of the program goes through here, so tests can install a
// recorder that captures the text and answers, and no test ever blocks on a
// modal box. The same for the platform's open, font and colour dialogs.
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;

namespace quillon {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual MessageAnswer show(QWidget *parent, const QString &text, MessageButtons buttons) = 0;
};

struct OpenFileRequest {
    QString filter;      // "Text(*.txt)|*.txt|All(*.*)|*.*" as the program writes it
    QString initialPath; // folder and file name to start from
    int filterIndex = 0; // the filter entry the dialog starts with
};

class DialogPresenter {
public:
    virtual ~DialogPresenter() = default;
    // Each returns false on cancel and then leaves its outputs alone.
    // A true result of openFile may carry an empty name.
    virtual bool openFile(QWidget *parent, const OpenFileRequest &request, QString *fileName) = 0;
    // The font, then its colour: on OK of the font, *color is the colour the
    // user chose, or initialColor when the colour was not chosen; never a
    // colour the user did not pick.
    virtual bool chooseFont(QWidget *parent, const QFont &initial, const QColor &initialColor, QFont *font,
                            QColor *color) = 0;
    virtual bool chooseColor(QWidget *parent, const QColor &initial, QColor *color) = 0;
};

class MessageService {
public:
    static MessageAnswer show(QWidget *parent, const QString &text, MessageButtons buttons = MessageButtons::Ok);
    static DialogPresenter &dialogs();

    // Installs a replacement (tests); nullptr puts the platform's boxes back.
    static void setPresenter(MessagePresenter *presenter);
    static void setDialogPresenter(DialogPresenter *presenter);

    // "Text(*.txt)|*.txt|All(*.*)|*.*" → Qt's "Text(*.txt) (*.txt);;All(*.*) (*.*)".
    [[nodiscard]] static QString qtFilter(const QString &filter);
};

// A recorder for tests: keeps every text shown and answers from a queue
// (Yes when the queue is empty).
class MessageRecorder : public MessagePresenter {
public:
    MessageRecorder();
    ~MessageRecorder() override;
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    MessageAnswer show(QWidget *parent, const QString &text, MessageButtons buttons) override;

    QStringList texts;
    QList<MessageAnswer> answers;
};

} // namespace quillon
