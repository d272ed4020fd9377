#include "ProgramStarter.h"

#include <QFileInfo>
#include <QProcess>

namespace quillon {

StartResult ProgramStarter::startDetached(const QString &program, const QStringList &arguments)
{
    StartResult result;
    const QFileInfo info(program);
    if (!info.exists()) {
        result.failure = StartResult::Failure::Missing;
        return result;
    }
    if (info.isDir()) {
        result.failure = StartResult::Failure::IsFolder;
        return result;
    }
    if (!info.isExecutable()) {
        result.failure = StartResult::Failure::NotExecutable;
        return result;
    }
    QProcess process;
    // The absolute path: a bare name is never looked up in PATH, and a
    // relative one never depends on the viewer's own working folder.
    process.setProgram(info.absoluteFilePath());
    process.setArguments(arguments);
    process.setWorkingDirectory(info.absolutePath());
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached(&result.pid)) {
        result.failure = StartResult::Failure::System;
        result.systemText = process.errorString();
    }
    return result;
}

} // namespace quillon
