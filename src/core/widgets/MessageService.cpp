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
        const bool question = buttons == MessageButtons::YesNo;
        const bool error = text.startsWith(QLatin1String("Error"));
        const auto icon = question ? QMessageBox::Question : error ? QMessageBox::Warning : QMessageBox::Information;
        QMessageBox box(icon, title, shown, question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
        if (question)
            box.setDefaultButton(QMessageBox::No);
        centreOn(box, parent);
        const int r = box.exec();
        if (!question)
            return MessageAnswer::Ok;
        return r == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }

private:
    // Over the middle of the owner's window, also while the window manager
    // has not placed it yet (a message of the start-up): Qt would otherwise
    // leave the box where the window manager puts a window without a place.
    static void centreOn(QMessageBox &box, QWidget *parent)
    {
        if (!parent)
            return;
        const QWidget *window = parent->window();
        QRect area = window->frameGeometry();
        if (area.width() <= 1 || area.height() <= 1)
            area = window->geometry();
        box.adjustSize();
        box.move(area.center() - box.rect().center());
    }
};

class PlatformDialogs : public DialogPresenter {
public:
    bool openFile(QWidget *parent, const OpenFileRequest &request, QString *fileName) override
    {
        QFileDialog dialog(parent);
        dialog.setFileMode(QFileDialog::ExistingFile);
        // The program's filter names already list their patterns.
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        const QStringList filters = MessageService::qtFilter(request.filter).split(QStringLiteral(";;"));
        dialog.setNameFilters(filters);
        if (request.filterIndex > 0 && request.filterIndex < filters.size())
            dialog.selectNameFilter(filters[request.filterIndex]);
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
