#include "WindowStart.h"

#include <QList>
#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace quillon {

namespace {

bool starting = false;
WindowStart::LineFor startLine = nullptr;
QtMessageHandler previousHandler = nullptr;
QString firstPlatformWarning; // the first says why; the rest follow from it
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<HeldMessage> heldMessages;

void startGuard(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (starting && type == QtFatalMsg) {
        const QString reason = firstPlatformWarning.isEmpty() ? message.section(QLatin1Char('\n'), 0, 0)
                                                              : firstPlatformWarning;
        std::fputs(qPrintable(startLine(reason.trimmed()) + QLatin1Char('\n')), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (starting && context.category && QByteArrayView(context.category).startsWith("qt.qpa")) {
        if (firstPlatformWarning.isEmpty())
            firstPlatformWarning = message.section(QLatin1Char('\n'), 0, 0);
        heldMessages.append({type, QByteArray(context.category), message});
        return;
    }
    previousHandler(type, context, message); // Qt hands back its default handler when none was set
}

int signalPair[2] = {-1, -1}; // [0] written by the handler, [1] read by the event loop

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPair[0], &byte, 1);
}

} // namespace

void WindowStart::guardPlatformStart(LineFor lineFor)
{
    startLine = lineFor;
    starting = true;
    previousHandler = qInstallMessageHandler(startGuard);
}

void WindowStart::platformStarted()
{
    starting = false;
    for (const HeldMessage &held : std::as_const(heldMessages)) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
        previousHandler(held.type, context, held.text);
    }
    heldMessages.clear();
}

void WindowStart::closeOnSignals(QWidget *window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPair) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPair[1], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window] {
        char byte = 0;
        [[maybe_unused]] const ssize_t n = ::read(signalPair[1], &byte, 1);
        window->close();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}

} // namespace quillon
