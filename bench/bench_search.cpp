// Search speed on the large benchmark file, against grep in the same run:
// SearchAll for a literal and for an IncludeCRLF word (budget: 2 x grep -c of
// the same literal over the file's UTF-8 form), and SearchBackward from the
// end for a word found only at the top (budget: one second).
//
//   bench_search FILE [--reference-ms N]     (N is not used here: grep is the reference)
#include "TextLoader.h"
#include "SearchEngine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

using namespace quillon;

namespace {

// Best of three wall times in milliseconds.
double bestOf3(const std::function<void()> &run)
{
    double best = 1e18;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer t;
        t.start();
        run();
        best = std::min(best, double(t.nsecsElapsed()) / 1e6);
    }
    return best;
}

void line(const char *what, double ms, double reference, double budgetRatio, const char *referenceName)
{
    const double ratio = ms / reference;
    std::printf("%-40s %8.1f ms  %s %8.1f ms  ratio %.2f  budget %.2f  %s\n", what, ms, referenceName, reference,
                ratio, budgetRatio, ratio <= budgetRatio ? "ok" : "OVER BUDGET");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: bench_search FILE [--reference-ms N]\n");
        return 2;
    }
    const QString path = args[1];
    const LoadedText loaded = TextLoader::load(path, 0, QString());
    if (!loaded.ok()) {
        std::fprintf(stderr, "cannot load %s\n", qPrintable(path));
        return 2;
    }
    const QString &text = loaded.buffer->text();
    const QString literal = QString::fromUtf16(u"日本");

    // The reference: grep -c on the UTF-8 form of the same file.
    QTemporaryDir dir;
    const QString utf8 = dir.filePath(QStringLiteral("bench-utf8.txt"));
    QProcess iconv;
    iconv.setStandardOutputFile(utf8);
    iconv.start(QStringLiteral("iconv"), {QStringLiteral("-f"), QStringLiteral("CP932"), QStringLiteral("-t"),
                                          QStringLiteral("UTF-8"), path});
    if (!iconv.waitForFinished(-1) || iconv.exitCode() != 0) {
        std::fprintf(stderr, "iconv failed\n");
        return 2;
    }
    QByteArray grepOut;
    const double grepMs = bestOf3([&] {
        QProcess grep;
        grep.start(QStringLiteral("grep"), {QStringLiteral("-c"), literal, utf8});
        grep.waitForFinished(-1);
        grepOut = grep.readAllStandardOutput().trimmed();
    });

    int literalCount = 0, crlfCount = 0;
    const double literalMs = bestOf3([&] {
        TSearchInfo info;
        QStringList list;
        (void)SearchAll(text, info, literal, list, {});
        literalCount = int(list.size());
    });
    const TSearchOptions crlf{TSearchOption::sfrIncludeCRLF, TSearchOption::sfrIncludeSpace};
    const double crlfMs = bestOf3([&] {
        TSearchInfo info;
        QStringList list;
        (void)SearchAll(text, info, literal, list, crlf);
        crlfCount = int(list.size());
    });

    // A word that stands only on the first line, searched from the very end.
    const QString marked = QStringLiteral("QuillonTopMarker\r\n") + text;
    bool found = false;
    const double backMs = bestOf3([&] {
        TSearchInfo info{int(marked.size()), 0};
        found = bool(SearchBackward(marked, info, u"QuillonTopMarker", {})) && info.Start == 0;
    });

    std::printf("text: %lld UTF-16 units; grep -c: %s lines; SearchAll: %d literal, %d IncludeCRLF matches\n",
                static_cast<long long>(text.size()), grepOut.constData(), literalCount, crlfCount);
    line("SearchAll literal", literalMs, grepMs, 2.0, "grep -c");
    line("SearchAll IncludeCRLF", crlfMs, grepMs, 2.0, "grep -c");
    line("SearchBackward end to top", backMs, 1000.0, 1.0, "1 s");
    if (!found) {
        std::fprintf(stderr, "SearchBackward did not find the word at the top\n");
        return 1;
    }
    const bool ok = literalMs <= 2 * grepMs && crlfMs <= 2 * grepMs && backMs <= 1000.0;
    return ok ? 0 : 1;
}
