#pragma once
// A fresh program folder for one test: settings and other files beside the
// program land in a temporary directory that is removed afterwards.
#include "core/AppPaths.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

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

} // namespace quillon::test
