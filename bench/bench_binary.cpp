// The whole-file hex dump of a 1 GB file: from Yes to the size question to
// the first painted frame of the dump (budget 200 ms), Ctrl+End to its last
// row (budget 50 ms), and the memory the dump adds to the text view's own
// (budget 64 MB). Rows are formatted when painted, so none of these grows
// with the file. Printed with ratios to the reference (iconv decoding the
// benchmark file); the program fails when a budget is exceeded.
//
//   bench_binary FILE --reference-ms N   (FILE is not used: this benchmark
//   writes its own 1 GB text file, which the text view loads first)
#include "AppPaths.h"
#include "BenchWindow.h"
#include "BinaryController.h"
#include "MessageService.h"
#include "TFormMain.h"
#include "TMemoExDark.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// Resident memory now, in bytes.
qint64 residentBytes()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * 4096 : 0;
}

class YesMessages : public quillon::MessagePresenter {
public:
    quillon::MessageAnswer show(QWidget *, const QString &text, quillon::MessageButtons buttons) override
    {
        ++questions;
        if (buttons == quillon::MessageButtons::YesNo)
            return quillon::MessageAnswer::Yes;
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return quillon::MessageAnswer::Ok;
    }
    int questions = 0;
};

bool report(const char *what, qint64 value, const char *unit, qint64 budget, double referenceMs, bool ratio)
{
    std::printf("%s: %lld %s", what, static_cast<long long>(value), unit);
    if (ratio && referenceMs > 0)
        std::printf(" = %.3f x iconv", double(value) / referenceMs);
    const bool ok = value <= budget;
    std::printf(" (budget %lld %s) %s\n", static_cast<long long>(budget), unit, ok ? "ok" : "OVER BUDGET");
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::optional<bench::WindowArgs> args = bench::windowArgs(argc, argv, "bench_binary");
    if (!args)
        return 2;
    QApplication app(argc, argv);
    bench::FreshProgram program;
    YesMessages messages;
    quillon::MessageService::setPresenter(&messages);

    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("one-gigabyte.txt"));
    {
        QFile f(input);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        const QByteArray line = QByteArrayLiteral("0123456789 abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789\r\n");
        QByteArray block;
        while (block.size() < (1 << 20))
            block += line;
        for (qint64 written = 0; written < (qint64(1) << 30); written += block.size())
            f.write(block);
    }
    {
        // Whole-file mode, as a user who chose it before.
        QFile ini(quillon::AppPaths::besideProgram(QStringLiteral("Quillon.ini")));
        if (!ini.open(QIODevice::WriteOnly))
            return 1;
        ini.write("[Editor]\r\nBinaryLoadAll=1\r\nBinaryLoadRange=0\r\n");
    }

    quillon::TFormMain window({input});
    window.resize(1000, 700);
    window.show();
    QElapsedTimer loading;
    loading.start();
    // The whole text, not the first screen a large file shows while it loads:
    // the dump's command would wait for the rest and count it as its own.
    while ((window.textView()->lineCount() <= 1 || window.loading()) && loading.elapsed() < 300000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    if (window.textView()->lineCount() <= 1) {
        std::printf("whole-file dump: FAILED (the file did not load)\n");
        return 1;
    }
    const qint64 before = residentBytes();

    QElapsedTimer clock;
    clock.start();
    window.runCommand(u"1721"); // the size question is answered Yes at once
    QCoreApplication::processEvents();
    quillon::TMemoExDark *dump = window.binary().dump();
    dump->viewport()->repaint();
    const qint64 firstFrame = clock.elapsed();
    if (!window.binary().shown() || messages.questions != 1 || dump->lineCount() != (QFileInfo(input).size() + 15) / 16) {
        std::printf("whole-file dump: FAILED (shown %d, %d questions, %d rows)\n", int(window.binary().shown()),
                    messages.questions, dump->lineCount());
        return 1;
    }

    clock.restart();
    window.runCommand(u"1238");
    QCoreApplication::processEvents();
    dump->viewport()->repaint();
    const qint64 toEnd = clock.elapsed();
    if (dump->lineFromPosition(dump->caretPosition()) != dump->lineCount() - 1) {
        std::printf("whole-file dump: FAILED (Ctrl+End stopped on row %d)\n", dump->lineFromPosition(dump->caretPosition()));
        return 1;
    }
    const qint64 added = std::max<qint64>(0, residentBytes() - before) / (1 << 20);

    bool ok = report("whole-file dump of 1 GB, Yes to first frame", firstFrame, "ms", 200, args->referenceMs, true);
    ok = report("whole-file dump of 1 GB, Ctrl+End to its last row", toEnd, "ms", 50, args->referenceMs, true) && ok;
    ok = report("whole-file dump of 1 GB, memory added to the text view's", added, "MB", 64, 0, false) && ok;
    quillon::MessageService::setPresenter(nullptr);
    return ok ? 0 : 1;
}
