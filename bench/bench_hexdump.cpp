// `Quillon --hexdump` of a 100 MB file against `hexdump -C` of the same file,
// runs alternated, median of three each: at most 1.5 x hexdump.
//
//   bench_hexdump FILE --reference-ms N   (FILE and N are not used: this
//   benchmark brings its own input and its own reference)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

qint64 timeRun(const QString &program, const QStringList &args)
{
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    p.start(program, args);
    if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "bench_hexdump: %s failed\n", qPrintable(program));
        return -1;
    }
    return clock.elapsed();
}

qint64 median(std::vector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString hexdump = QStandardPaths::findExecutable(QStringLiteral("hexdump"));
    if (hexdump.isEmpty()) {
        std::fprintf(stderr, "bench_hexdump: hexdump is not installed (Debian bsdextrautils)\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("input.bin"));
    {
        // Mixed text and binary bytes, the same on every machine.
        QFile f(input);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        QByteArray block(1 << 20, Qt::Uninitialized);
        quint32 x = 12345;
        for (int b = 0; b < 100; ++b) {
            for (char &c : block) {
                x = x * 1103515245u + 12345u;
                c = char((x >> 16) & 0xFF);
            }
            f.write(block);
        }
    }
    const QString quillon = QCoreApplication::applicationDirPath() + QStringLiteral("/Quillon");
    std::vector<qint64> ours, theirs;
    for (int i = 0; i < 3; ++i) {
        theirs.push_back(timeRun(hexdump, {QStringLiteral("-C"), input}));
        ours.push_back(timeRun(quillon, {QStringLiteral("--hexdump"), input}));
    }
    if (std::min(*std::min_element(ours.begin(), ours.end()), *std::min_element(theirs.begin(), theirs.end())) < 0)
        return 1;
    const qint64 a = median(ours), b = median(theirs);
    const double ratio = double(a) / double(std::max<qint64>(b, 1));
    std::printf("hexdump -C of 100 MB: %lld ms\n", static_cast<long long>(b));
    std::printf("Quillon --hexdump of 100 MB: %lld ms = %.2f x hexdump -C (budget 1.5)\n",
                static_cast<long long>(a), ratio);
    return ratio <= 1.5 ? 0 : 1;
}
