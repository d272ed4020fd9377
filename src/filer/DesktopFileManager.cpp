#include "DesktopFileManager.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QUrl>

namespace quillon {

namespace {
DesktopFileManager::Show g_testing;
const QString service = QStringLiteral("org.freedesktop.FileManager1");
} // namespace

bool DesktopFileManager::showItem(const QString &path)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    // Running, or startable by the bus on demand.
    const bool registered = bus.interface()->isServiceRegistered(service).value();
    if (!registered && !bus.interface()->activatableServiceNames().value().contains(service))
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/FileManager1"),
                                                       service, QStringLiteral("ShowItems"));
    // A URI as the interface asks: spaces and non-ASCII percent-encoded.
    call << QStringList{QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)} << QString();
    const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
    return reply.type() == QDBusMessage::ReplyMessage;
}

DesktopFileManager::Show DesktopFileManager::current()
{
    if (g_testing)
        return g_testing;
    return [](const QString &path) { return showItem(path); };
}

void DesktopFileManager::setForTesting(Show show)
{
    g_testing = std::move(show);
}

} // namespace quillon
