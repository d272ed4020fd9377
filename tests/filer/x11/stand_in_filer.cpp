// A small stand-in for the filer, for the end-to-end runs: it opens a window
// titled "x - Harbek", prints its handle in decimal (for "hwnd="), and
// writes one line to RECORD for every message it gets:
//   data SENDER TAG SIZE BYTES PATH   the show-in-filer message (SIZE as the
//                                     message says, BYTES as the data holds)
//   closed TITLE                      one of its viewer windows was asked to close
// For each show-in-filer message it opens its own viewer window titled
// "PATH - Harbekan", as the filer does. It ends when its window is closed.
//   stand_in_filer RECORD
#include "X11TestWindows.h"

#include <QFile>
#include <QMap>

#include <condition_variable>
#include <cstdio>
#include <mutex>

using quillon::test::X11TestWindows;

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: stand_in_filer RECORD\n");
        return 2;
    }
    const QString record = QString::fromLocal8Bit(argv[1]);
    auto note = [&record](const QString &line) {
        QFile f(record);
        if (f.open(QIODevice::Append))
            f.write(line.toUtf8() + '\n');
    };

    X11TestWindows windows;
    if (!windows.connected()) {
        std::fprintf(stderr, "stand_in_filer: no display\n");
        return 1;
    }
    std::mutex mutex;
    std::condition_variable done;
    bool closed = false;
    QMap<quint32, QString> viewers;

    const quint32 main = windows.open(QStringLiteral("x - Harbek"));
    windows.onData = [&](const X11TestWindows::Data &d) {
        QString path;
        for (qsizetype i = 0; i + 1 < d.bytes.size(); i += 2)
            path.append(QChar(char16_t(uchar(d.bytes[i]) | uchar(d.bytes[i + 1]) << 8)));
        if (path.endsWith(QChar(0)))
            path.chop(1);
        note(QStringLiteral("data %1 %2 %3 %4 %5").arg(d.sender).arg(d.tag).arg(d.size).arg(d.bytes.size()).arg(path));
        const QString title = path + QStringLiteral(" - Harbekan");
        const quint32 viewer = windows.open(title);
        {
            std::lock_guard lock(mutex);
            viewers.insert(viewer, title);
        }
        // Handled once the viewer is a window the desktop lists, as the
        // filer's viewer is when the filer answers.
        windows.waitManaged(viewer);
    };
    windows.onClosed = [&](quint32 window) {
        std::lock_guard lock(mutex);
        if (window == main) {
            closed = true;
            done.notify_all();
        } else {
            note(QStringLiteral("closed ") + viewers.value(window));
        }
    };
    std::printf("%u\n", main);
    std::fflush(stdout);
    std::unique_lock lock(mutex);
    done.wait(lock, [&] { return closed; });
    return 0;
}
