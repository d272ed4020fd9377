// Wrapping a large file: the time from choosing "wrap at the window's edge"
// until the view has painted again, then the time Ctrl+End takes to reach the
// last display line, and the longest the event loop stood still meanwhile.
// Each is printed with its ratio to the reference (iconv decoding the file).
//
//   bench_wrap FILE --reference-ms N
#include "BenchWindow.h"
#include "MessageService.h"
#include "TFormMain.h"
#include "TMemoExDark.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTimer>
#include <cstdio>

namespace {

// Runs the event loop until done() holds, noting the longest gap between
// two turns of the loop (what a user would see as a frozen window).
template<typename Done>
qint64 runUntil(Done done, qint64 *longestStall)
{
    QElapsedTimer clock;
    clock.start();
    QElapsedTimer turn;
    turn.start();
    while (!done() && clock.elapsed() < 120000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        *longestStall = std::max(*longestStall, turn.restart());
    }
    return clock.elapsed();
}

void line(const char *what, qint64 ms, double referenceMs)
{
    std::printf("%s: %lld ms", what, static_cast<long long>(ms));
    if (referenceMs > 0)
        std::printf(" = %.2f x iconv", double(ms) / referenceMs);
    std::printf("\n");
}

} // namespace

int main(int argc, char *argv[])
{
    const std::optional<bench::WindowArgs> args = bench::windowArgs(argc, argv, "bench_wrap");
    if (!args)
        return 2;
    const double referenceMs = args->referenceMs;
    QApplication app(argc, argv);
    bench::FreshProgram program;

    const QString file = args->file;
    quillon::TFormMain window({file});
    window.resize(1000, 700);
    window.show();
    quillon::TMemoExDark *view = window.textView();
    qint64 stall = 0;
    // The whole text: a large file shows its first lines while it loads.
    runUntil([&] { return !window.loading() && view->lineCount() > 1; }, &stall);
    {
        QElapsedTimer settle;
        settle.start();
        qint64 ignored = 0;
        runUntil([&] { return settle.elapsed() > 200; }, &ignored);
    }

    // Wrap on: the first screen is painted wrapped at once; the file is read
    // again and the count of display lines finished in the background.
    stall = 0;
    QElapsedTimer clock;
    clock.start();
    window.commandAction(u"1402")->trigger();
    view->viewport()->repaint();
    const qint64 wrapOnMs = clock.elapsed();
    const qint64 countMs =
        wrapOnMs + runUntil([&] { return !window.reloadPending() && view->lineCountKnown(); }, &stall);
    const qint64 stallWrap = std::max(stall, wrapOnMs);

    // Ctrl+End from the top right after switching (count not yet known).
    window.commandAction(u"1401")->trigger();
    window.commandAction(u"1402")->trigger();
    clock.restart();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
    QApplication::sendEvent(view, &press);
    view->viewport()->repaint();
    const qint64 endMs = clock.elapsed();
    const bool atEnd = view->lineFromPosition(view->caretPosition()) == view->lineCount() - 1
                       && view->firstVisibleLine() + view->visibleLineCount() >= view->lineCount();

    std::printf("display lines: %d (from %d lines)\n", view->lineCount(), view->source()->lineCount());
    line("wrap on to first paint", wrapOnMs, referenceMs);
    line("wrap on until the file is read again and the line count known", countMs, referenceMs);
    line("longest stall of the window while counting", stallWrap, referenceMs);
    line("Ctrl+End to the last display line", endMs, referenceMs);
    if (!atEnd) {
        std::printf("Ctrl+End: FAILED (not at the last line)\n");
        return 1;
    }
    return 0;
}
