// The filer link's inputs from outside: the title-pattern file, window titles
// (any text another program chooses), the stored viewer order and its index.
// The pattern file always gives four lines; searches only return windows that
// exist; a cycle step always lands on a running viewer; the show-in-filer
// data is the path in UTF-16 with its terminator.
#include "FilerLink.h"
#include "FuzzInput.h"
#include "TitlePatterns.h"
#include "ViewerCycle.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    fuzz::Input in(data, size);
    const int index = int(qint16(in.word()));
    QList<TopWindow> windows;
    QSet<quint64> handles;
    for (int i = 0, n = in.byte() % 8; i < n; ++i) {
        windows.append({WindowHandle(1000 + i), in.text()});
        handles.insert(1000 + i);
    }
    QStringList stored;
    for (int i = 0, n = in.byte() % 6; i < n; ++i)
        stored.append(in.text());
    const QString path = dir.filePath(TitlePatterns::fileName());
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(in.rest().data(), in.rest().size());
    }

    const QStringList lines = TitlePatterns::read(path);
    FUZZ_CHECK(lines.size() == TitlePatterns::LineCount);
    for (const QString &line : lines) {
        (void)TitlePatterns::enabled(line);
        (void)TitlePatterns::pattern(line);
    }
    for (const FoundWindow &w : TitlePatterns::filerSearch(windows, lines))
        FUZZ_CHECK(handles.contains(w.handle));

    for (WindowSearch mode : {WindowSearch::Viewers, WindowSearch::ViewersAndFilers, WindowSearch::All}) {
        const QList<FoundWindow> found = FilerLink::search(windows, mode);
        for (const FoundWindow &w : found)
            FUZZ_CHECK(handles.contains(w.handle));
        for (const QString &file : stored) {
            if (const auto shown = FilerLink::windowShowingFile(found, file))
                FUZZ_CHECK(handles.contains(shown->handle));
        }
    }

    const QList<FoundWindow> viewers = FilerLink::search(windows, WindowSearch::Viewers);
    if (const auto step = ViewerCycle::next(viewers, stored, index)) {
        FUZZ_CHECK(step->index >= 0 && step->index < step->order.size());
        bool running = false;
        for (const FoundWindow &v : viewers)
            running = running || v.handle == step->target;
        FUZZ_CHECK(running);
    }

    for (const QString &file : stored)
        FUZZ_CHECK(FilerLink::showInFilerData(file).size() == 2 * file.size() + 2);
    return 0;
}
