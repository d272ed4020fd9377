#pragma once
// What every benchmark of the main window needs: the reference time from the
// command line, the offscreen platform, a fresh program folder (the settings
// of a first start, not the user's) and messages printed instead of shown.
#include "AppPaths.h"
#include "MessageService.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <optional>

namespace bench {

// Lets the window work until done() holds or limitMs have passed; says whether it holds.
template<typename Done>
bool runUntil(Done done, qint64 limitMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

// "--reference-ms N" anywhere after the file; 0 when absent.
inline double referenceMs(int argc, char *argv[])
{
    for (int i = 2; i + 1 < argc; ++i) {
        if (QByteArray(argv[i]) == "--reference-ms")
            return QByteArray(argv[i + 1]).toDouble();
    }
    return 0;
}

// The command line of a window benchmark, "FILE [--reference-ms N]", with
// FILE made absolute. Call before the QApplication: it also picks the
// offscreen platform. Empty (after printing the usage) when FILE is missing.
struct WindowArgs {
    QString file;
    double referenceMs = 0;
};

inline std::optional<WindowArgs> windowArgs(int argc, char *argv[], const char *name)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE [--reference-ms N]\n", name);
        return std::nullopt;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return WindowArgs{QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath(), referenceMs(argc, argv)};
}

class SilentMessages : public quillon::MessagePresenter {
public:
    quillon::MessageAnswer show(QWidget *, const QString &text, quillon::MessageButtons) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return quillon::MessageAnswer::Ok;
    }
};

// Create after the QApplication; keeps the folder and the message seam for
// its lifetime.
class FreshProgram {
public:
    FreshProgram()
    {
        quillon::AppPaths::setProgramDirForTesting(m_home.path());
        quillon::MessageService::setPresenter(&m_messages);
    }
    ~FreshProgram() { quillon::MessageService::setPresenter(nullptr); }
    FreshProgram(const FreshProgram &) = delete;
    FreshProgram &operator=(const FreshProgram &) = delete;

private:
    QTemporaryDir m_home;
    SilentMessages m_messages;
};

} // namespace bench
