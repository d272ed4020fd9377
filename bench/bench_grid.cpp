// The grid window opening a CSV file of 100,000 rows and 10 columns (about
// 10 MB of Shift_JIS) until its first frame shows the rows, against iconv
// converting the same file: at most 1.5 x iconv + 0.3 s. Also the memory the
// opening takes at its peak (at most 8 x the file size) and the time from
// scrolling to the last row to its frame (immediate: at most 100 ms).
//
//   bench_grid FILE --reference-ms N   (FILE and N are not used: this
//   benchmark brings its own input and measures its own reference)
#include "BenchWindow.h"
#include "GridModel.h"
#include "TFormViewGrid.h"
#include "TMLStringGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

// The same bytes on every machine: ASCII numbers and words, Shift_JIS names
// and places, some cells quoted with a comma inside.
QByteArray makeCsv()
{
    static const QByteArray words[] = {
        QByteArray("\x93\x8C\x8B\x9E\x93\x73"),         // 東京都
        QByteArray("\x91\xE5\x8D\xE3\x95\x7B"),         // 大阪府
        QByteArray("\x8E\x52\x93\x63\x91\xBE\x98\x59"), // 山田太郎
        QByteArray("\x97\xE9\x96\xD8\x89\xD4\x8E\x71"), // 鈴木花子
        QByteArray("apple"), QByteArray("banana"), QByteArray("cherry"), QByteArray("Quillon"),
    };
    QByteArray out;
    out.reserve(11 << 20);
    quint32 x = 2024;
    auto next = [&x] {
        x = x * 1103515245u + 12345u;
        return (x >> 16) & 0x7FFF;
    };
    for (int row = 0; row < 100000; ++row) {
        for (int c = 0; c < 10; ++c) {
            if (c)
                out += ',';
            switch (next() % 4) {
            case 0: out += QByteArray::number(next() * 37 + row); break;
            case 1: out += words[next() % 8] + words[next() % 8]; break;
            case 2: out += '"' + words[next() % 8] + ", " + QByteArray::number(next()) + '"'; break;
            default: out += words[next() % 8] + '-' + QByteArray::number(row); break;
            }
        }
        out += "\r\n";
    }
    return out;
}

qint64 iconvMs(const QString &iconv, const QString &input)
{
    qint64 best = -1;
    for (int i = 0; i < 3; ++i) {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer clock;
        clock.start();
        p.start(iconv, {QStringLiteral("-f"), QStringLiteral("CP932"), QStringLiteral("-t"), QStringLiteral("UTF-16LE"), input});
        if (!p.waitForFinished(120000) || p.exitCode() != 0)
            return -1;
        const qint64 ms = clock.elapsed();
        best = best < 0 ? ms : std::min(best, ms);
    }
    return best;
}

qint64 procStatusKb(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Waits for the next paint of `widget` that `ready` allows; the time it was painted.
class PaintProbe : public QObject {
public:
    std::function<bool()> ready;
    qint64 paintedAt = -1;
    QElapsedTimer *clock = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && paintedAt < 0 && ready && ready()) {
            watched->removeEventFilter(this);
            watched->event(event);
            paintedAt = clock->elapsed();
            // exit, not quit: quit would close the window as well.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
            return true;
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    if (!bench::windowArgs(argc, argv, "bench_grid"))
        return 2;
    QApplication app(argc, argv);
    bench::FreshProgram program;
    const QString iconv = QStandardPaths::findExecutable(QStringLiteral("iconv"));
    if (iconv.isEmpty()) {
        std::fprintf(stderr, "bench_grid: iconv is not installed\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("grid.csv"));
    qint64 fileSize = 0;
    {
        QFile f(input);
        const QByteArray bytes = makeCsv();
        fileSize = bytes.size();
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return 1;
    }
    const qint64 referenceMs = iconvMs(iconv, input);
    if (referenceMs < 0) {
        std::fprintf(stderr, "bench_grid: iconv failed\n");
        return 1;
    }

    // The memory the opening adds at its peak: the high-water mark is reset first.
    const qint64 rssBeforeKb = procStatusKb("VmRSS:");
    {
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5");
    }
    QElapsedTimer clock;
    clock.start();
    quillon::GridContext context;
    context.fileName = input;
    quillon::TFormViewGrid window(context);
    PaintProbe first;
    first.clock = &clock;
    first.ready = [&] { return !window.isLoading() && window.model()->rowCount() == 100000; };
    window.grid()->viewport()->installEventFilter(&first);
    window.show();
    QTimer::singleShot(120000, &app, [] { QCoreApplication::exit(1); });
    app.exec();
    const qint64 peakKb = procStatusKb("VmHWM:");
    if (first.paintedAt < 0) {
        std::printf("grid open-to-first-paint: FAILED (no frame of the rows within 120 s)\n");
        return 1;
    }

    PaintProbe last;
    QElapsedTimer scrollClock;
    last.clock = &scrollClock;
    last.ready = [&] { return window.grid()->rowAt(0) > 99000; };
    window.grid()->viewport()->installEventFilter(&last);
    scrollClock.start();
    window.grid()->scrollToBottom();
    QTimer::singleShot(10000, &app, [] { QCoreApplication::exit(1); });
    app.exec();

    const double budgetMs = 1.5 * double(referenceMs) + 300.0;
    const double ratio = double(first.paintedAt) / double(std::max<qint64>(referenceMs, 1));
    const bool timeOk = double(first.paintedAt) <= budgetMs;
    const double fileMb = double(fileSize) / (1024.0 * 1024.0);
    const double growthMb = double(peakKb - rssBeforeKb) / 1024.0;
    const double memRatio = growthMb / fileMb;
    const bool memOk = peakKb > 0 && memRatio <= 8.0;
    const bool scrollOk = last.paintedAt >= 0 && last.paintedAt <= 100;
    std::printf("iconv CP932->UTF-16LE of the %.1f MB CSV: %lld ms\n", fileMb, static_cast<long long>(referenceMs));
    std::printf("grid open-to-first-paint (100,000 rows x 10 columns): %lld ms = %.2f x iconv "
                "(budget 1.5 x iconv + 300 ms = %.0f ms) %s\n",
                static_cast<long long>(first.paintedAt), ratio, budgetMs, timeOk ? "ok" : "OVER BUDGET");
    std::printf("grid peak memory while opening: %.0f MB = %.2f x file size (budget 8.00 x) %s\n", growthMb,
                memRatio, memOk ? "ok" : "OVER BUDGET");
    std::printf("grid scroll to the last row: %lld ms (budget 100 ms) %s\n", static_cast<long long>(last.paintedAt),
                scrollOk ? "ok" : "OVER BUDGET");
    return timeOk && memOk && scrollOk ? 0 : 1;
}
