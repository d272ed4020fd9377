#include "FilerLink.h"

namespace quillon {

namespace {

const QString viewerSuffix = QStringLiteral(" - Quillon");
const QString filerSuffix = QStringLiteral(" - Harbek");
const QString olderFilerSuffix = QStringLiteral(" - Dollmer");

} // namespace

FilerLink::FilerLink(WindowSystem &system)
    : m_system(system)
{
}

QString FilerLink::upperAscii(const QString &text)
{
    QString upper = text;
    for (QChar &c : upper) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return upper;
}

bool FilerLink::containsAscii(const QString &text, const QString &part)
{
    return upperAscii(text).contains(upperAscii(part));
}

QList<FoundWindow> FilerLink::search(WindowSearch mode)
{
    return search(m_system.topLevelWindows(), mode);
}

QList<FoundWindow> FilerLink::search(const QList<TopWindow> &windows, WindowSearch mode)
{
    QList<FoundWindow> found;
    for (const TopWindow &w : windows) {
        const FoundWindow entry{w.title.left(TitleLimit), w.handle};
        switch (mode) {
        case WindowSearch::All:
            found.append(entry);
            break;
        case WindowSearch::Viewers:
            if (containsAscii(entry.title, viewerSuffix))
                found.append(entry);
            break;
        case WindowSearch::ViewersAndFilers:
            for (const QString &suffix : {filerSuffix, olderFilerSuffix, viewerSuffix}) {
                if (containsAscii(entry.title, suffix))
                    found.append(entry);
            }
            break;
        }
    }
    return found;
}

std::optional<FoundWindow> FilerLink::windowShowingFile(const QList<FoundWindow> &all, const QString &file)
{
    if (file.isEmpty())
        return std::nullopt;
    for (const FoundWindow &w : all) {
        if (containsAscii(w.title, file) && !containsAscii(w.title, viewerSuffix))
            return w;
    }
    return std::nullopt;
}

QByteArray FilerLink::showInFilerData(const QString &path)
{
    QByteArray data;
    data.reserve((path.size() + 1) * 2);
    for (QChar c : path) {
        data.append(char(c.unicode() & 0xFF));
        data.append(char(c.unicode() >> 8));
    }
    data.append('\0');
    data.append('\0');
    return data;
}

void FilerLink::bringToFront(WindowHandle window)
{
    m_system.setForeground(window);
    if (m_system.isIconic(window))
        m_system.restore(window);
}

void FilerLink::sendOrFront(const QString &file, WindowHandle filer, WindowHandle sender)
{
    if (const auto shown = windowShowingFile(search(WindowSearch::All), file)) {
        bringToFront(shown->handle);
        return;
    }
    m_system.sendData(filer, sender, ShowInFilerTag, showInFilerData(file));
}

FilerLink::ShowOutcome FilerLink::showInFiler(const QString &file, WindowHandle filer, WindowHandle sender)
{
    if (file.isEmpty() || filer == 0)
        return ShowOutcome::Nothing;
    if (const auto shown = windowShowingFile(search(WindowSearch::All), file)) {
        bringToFront(shown->handle);
        return ShowOutcome::ShownAlready;
    }
    // The second run brings forward the viewer the filer has just opened.
    sendOrFront(file, filer, sender);
    sendOrFront(file, filer, sender);
    return ShowOutcome::Asked;
}

bool FilerLink::windowExists(WindowHandle window)
{
    for (const TopWindow &w : m_system.topLevelWindows()) {
        if (w.handle == window)
            return true;
    }
    return false;
}

void FilerLink::frontOnClose(const QString &file, WindowHandle filer)
{
    if (const auto shown = windowShowingFile(search(WindowSearch::All), file))
        bringToFront(shown->handle);
    else
        bringToFront(filer);
}

bool FilerLink::closeWindowShowingFile(const QString &file)
{
    const auto shown = windowShowingFile(search(WindowSearch::All), file);
    if (!shown)
        return false;
    m_system.close(shown->handle);
    return true;
}

} // namespace quillon
