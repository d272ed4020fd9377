#pragma once
// Starts an external program on its own: no shell, the arguments passed as
// they are, its folder as its working folder, and not a child the viewer
// waits for (it runs on after the viewer closes). A refusal comes back with
// its reason, so the user learns why.
#include <QString>
#include <QStringList>

namespace quillon {

struct StartResult {
    enum class Failure {
        None,
        Missing,       // no such file
        IsFolder,      // the path names a folder
        NotExecutable, // a file without permission to run it
        System,        // the system refused; systemText says why
    };
    Failure failure = Failure::None;
    QString systemText;
    qint64 pid = 0;

    [[nodiscard]] bool ok() const { return failure == Failure::None; }
};

class ProgramStarter {
public:
    ProgramStarter() = delete;
    [[nodiscard]] static StartResult startDetached(const QString &program, const QStringList &arguments);
};

} // namespace quillon
