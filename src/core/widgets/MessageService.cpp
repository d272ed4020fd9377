#include "MessageService.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QMessageBox>

namespace quillon {

namespace {

class PlatformMessages : public MessagePresenter {
public:
    MessageAnswer show(QWidget *parent, const QString &text, MessageButtons buttons) override
    {
        const QString title = QStringLiteral("Quillon");
        // The texts carry CR LF as the settings files do; Qt wants LF.
        QString shown = text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (buttons == MessageButtons::YesNo) {
            const auto r = QMessageBox::question(parent, title, shown, QMessageBox::Yes | QMessageBox::No,
                                                 QMessageBox::No);
            return r == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
        }
        const bool error = text.startsWith(QLatin1String("Error"));
        QMessageBox box(error ? QMessageBox::Warning : QMessageBox::Information, title, shown, QMessageBox::Ok,
                        parent);
        box.exec();
        return MessageAnswer::Ok;
    }
};

class PlatformDialogs : public DialogPresenter {
public:
    bool openFile(QWidget *parent, const OpenFileRequest &request, QString *fileName) override
    {
        QFileDialog dialog(parent);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilter(MessageService::qtFilter(request.filter));
        // The program's filter names already list their patterns.
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        if (!request.initialPath.isEmpty()) {
            const QFileInfo info(request.initialPath);
            dialog.setDirectory(info.absolutePath());
            dialog.selectFile(info.fileName());
        }
        if (dialog.exec() != QDialog::Accepted)
            return false;
        const QStringList files = dialog.selectedFiles();
        *fileName = files.isEmpty() ? QString() : files.first();
        return true;
    }
    bool chooseFont(QWidget *parent, const QFont &initial, const QColor &initialColor, QFont *font,
                    QColor *color) override
    {
        // Start from the face the view really shows: a name the system
        // substitutes (the default "ＭＳ ゴシック") would open on another face.
        QFont start = initial;
        start.setFamily(QFontInfo(initial).family());
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, start, parent);
        if (!ok)
            return false;
        // Qt's font dialog has no colour control: the colour dialog follows.
        // Cancelling it keeps the colour as it was; the font still applies.
        const QColor picked = QColorDialog::getColor(initialColor, parent);
        *font = chosen;
        *color = picked.isValid() ? picked : initialColor;
        return true;
    }
    bool chooseColor(QWidget *parent, const QColor &initial, QColor *color) override
    {
        const QColor chosen = QColorDialog::getColor(initial, parent);
        if (!chosen.isValid())
            return false;
        *color = chosen;
        return true;
    }
};

MessagePresenter *&presenter()
{
    static MessagePresenter *p = nullptr;
    return p;
}

DialogPresenter *&dialogPresenter()
{
    static DialogPresenter *p = nullptr;
    return p;
}

} // namespace

MessageAnswer MessageService::show(QWidget *parent, const QString &text, MessageButtons buttons)
{
    static PlatformMessages platform;
    MessagePresenter *p = presenter() ? presenter() : &platform;
    return p->show(parent, text, buttons);
}

DialogPresenter &MessageService::dialogs()
{
    static PlatformDialogs platform;
    return dialogPresenter() ? *dialogPresenter() : platform;
}

void MessageService::setPresenter(MessagePresenter *p)
{
    presenter() = p;
}

void MessageService::setDialogPresenter(DialogPresenter *p)
{
    dialogPresenter() = p;
}

QString MessageService::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out.append(parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return out.join(QStringLiteral(";;"));
}

MessageRecorder::MessageRecorder()
{
    MessageService::setPresenter(this);
}

MessageRecorder::~MessageRecorder()
{
    MessageService::setPresenter(nullptr);
}

MessageAnswer MessageRecorder::show(QWidget *, const QString &text, MessageButtons buttons)
{
    texts.append(text);
    if (!answers.isEmpty())
        return answers.takeFirst();
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

} // namespace quillon
