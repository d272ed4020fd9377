// Asking the desktop's file manager over D-Bus, on a private session bus
// (the test command runs this under dbus-run-session): a file manager that
// is there gets the file's URL, and none being there is a plain "no".
#include "DesktopFileManager.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QMutex>
#include <QStringList>
#include <QThread>

namespace quillon {
namespace {

// org.freedesktop.FileManager1 on a connection of its own, served on a
// thread of its own, so the viewer's blocking call gets its answer.
class FileManagerService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QStringList lastUris;
    QString lastStartupId;
    QMutex mutex;

public slots:
    void ShowItems(const QStringList &uris, const QString &startupId)
    {
        QMutexLocker lock(&mutex);
        lastUris = uris;
        lastStartupId = startupId;
    }
};

class FileManagerOnBus {
public:
    FileManagerOnBus()
    {
        m_thread.start();
        m_service.moveToThread(&m_thread);
        QMetaObject::invokeMethod(
            &m_service,
            [this] {
                QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fm"));
                m_registered = bus.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &m_service,
                                                  QDBusConnection::ExportAllSlots)
                               && bus.registerService(QStringLiteral("org.freedesktop.FileManager1"));
            },
            Qt::BlockingQueuedConnection);
    }
    ~FileManagerOnBus()
    {
        QMetaObject::invokeMethod(
            &m_service,
            [] {
                QDBusConnection bus(QStringLiteral("fm"));
                bus.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
                bus.unregisterObject(QStringLiteral("/org/freedesktop/FileManager1"));
                QDBusConnection::disconnectFromBus(QStringLiteral("fm"));
            },
            Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    bool registered() const { return m_registered; }
    FileManagerService &service() { return m_service; }

private:
    QThread m_thread;
    FileManagerService m_service;
    bool m_registered = false;
};

TEST(DesktopFileManager, AFileManagerOnTheBusGetsTheFilesUrl)
{
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "run under dbus-run-session";
    const QString path = QString::fromUtf16(u"/tmp/データ 100%/a #1.txt");
    {
        FileManagerOnBus fileManager;
        ASSERT_TRUE(fileManager.registered());
        EXPECT_TRUE(DesktopFileManager::showItem(path));
        QMutexLocker lock(&fileManager.service().mutex);
        EXPECT_EQ(fileManager.service().lastUris.join(u'|').toStdString(),
                  "file:///tmp/%E3%83%87%E3%83%BC%E3%82%BF%20100%25/a%20%231.txt");
        EXPECT_TRUE(fileManager.service().lastStartupId.isEmpty());
    }
    // Gone from the bus: no, at once, and nothing else happens.
    EXPECT_FALSE(DesktopFileManager::showItem(path));
}

} // namespace
} // namespace quillon

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "DesktopFileManager_test.moc"
