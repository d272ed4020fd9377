#pragma once
// A fresh program folder for one test: settings and other files beside the
// program land in a temporary directory that is removed afterwards.
#include "AppPaths.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <sys/fsuid.h>
#include <unistd.h>

namespace quillon::test {

class TempHome {
public:
    TempHome() { AppPaths::setProgramDirForTesting(m_dir.path()); }
    ~TempHome() { AppPaths::setProgramDirForTesting(QString()); }
    TempHome(const TempHome &) = delete;
    TempHome &operator=(const TempHome &) = delete;

    [[nodiscard]] QString path() const { return m_dir.path(); }
    [[nodiscard]] QString file(const QString &name) const { return m_dir.filePath(name); }

    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(file(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        return file(name);
    }
    [[nodiscard]] QByteArray read(const QString &name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
};

// File permissions hold for this thread while it lives, even when the tests
// run as root (whose access ignores them): the thread's file-system user and
// group become "nobody". Folders a test wants usable then need modes that let
// others in.
class PermissionsApply {
public:
    PermissionsApply()
    {
        if (::geteuid() == 0) {
            m_dropped = true;
            ::setfsgid(65534);
            ::setfsuid(65534);
        }
    }
    ~PermissionsApply()
    {
        if (m_dropped) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
    }
    PermissionsApply(const PermissionsApply &) = delete;
    PermissionsApply &operator=(const PermissionsApply &) = delete;

private:
    bool m_dropped = false;
};

} // namespace quillon::test
