// Quillon: a read-only text file viewer for Japanese text.
#include "AppPaths.h"
#include "CommandLine.h"
#include "FontLogFilter.h"
#include "GridCopyCommand.h"
#include "GuessCommand.h"
#include "HexDumpCommand.h"
#include "TFormMain.h"
#include "ThemeStyle.h"
#include "WindowStart.h"
#include "SearchCommand.h"
#include "SearchFolderCommand.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <cstdio>

namespace {

void printUsage(QTextStream &out)
{
    out << "Usage: Quillon [hwnd=HANDLE] [--] [FILE]\n"
           "       Quillon --guess [--porcelain] FILE...\n"
           "       Quillon --search [--match-case] [--whole-word] [--regexp] [--include-crlf] WORD FILE\n"
           "       Quillon --hexdump [--page N] FILE\n"
           "       Quillon --search-folder [--match-case] [--whole-word] [--regexp] [--include-crlf] WORD FILE\n"
           "       Quillon --grid-copy tab|quoted|comma|csv [--split auto|comma1|comma2] [--lf-to-tab] FILE\n"
           "       Quillon --help | --version\n";
}

void printHelp(QTextStream &out)
{
    printUsage(out);
    out << "\n"
           "Shows FILE read-only, detecting its character code (Shift_JIS, JIS, EUC-JP,\n"
           "UTF-8, UTF-16) and line ends.\n"
           "\n"
           "  hwnd=HANDLE  the filer's window handle (started from the filer)\n"
           "  --guess      print the detected character code and line end of each FILE\n"
           "               without opening a window\n"
           "  --porcelain  with --guess: tab-separated code number, line-end number,\n"
           "               unknown-character flag, LF-in-CR-LF flag and the path\n"
           "  --search     print the offset (UTF-16 units, CR LF line ends) of every\n"
           "               match of WORD in FILE; exit 0 found, 1 none, 2 error\n"
           "  --hexdump    print the hex dump of FILE (header line and rows) as the\n"
           "               window shows it; with --page N only page N (from 0) of\n"
           "               65536 bytes; exit 0, or 2 on errors\n"
           "  --search-folder  search WORD in every file of FILE's folder with FILE's\n"
           "               extension, in natural order of the names, each decoded as\n"
           "               the viewer decodes it; print one line per hit,\n"
           "               PATH*(LINE)[COLUMN]TEXT, as the multi-file search lists\n"
           "               it; unreadable files are named on stderr and skipped;\n"
           "               exit 0 found, 1 none, 2 error\n"
           "  --grid-copy  read FILE as the grid window does and print, as UTF-8, what\n"
           "               copying all of its cells puts on the clipboard: tab (TAB\n"
           "               between cells), quoted (\"a\",\"b\"), comma (a,b, nothing\n"
           "               quoted) or csv (quoted only where needed, quotes doubled);\n"
           "               CR LF after every row. --split picks the splitting mode\n"
           "               (auto: the grid's automatic mode; comma1, comma2: the two\n"
           "               comma modes), --lf-to-tab reads line breaks inside lines\n"
           "               as tabs; exit 0, or 2 on errors\n"
           "  --help       this text\n"
           "  --version    the program's version\n"
           "  --           ends the options: a FILE after it may start with \"--\"\n"
           "\n"
           "Without a mode Quillon opens its window, which needs a display; it exits 1\n"
           "when none can be reached. An unknown option exits 2.\n"
           "\n"
           "Settings, key maps and histories live beside the program when its folder\n"
           "holds a Language folder or a Quillon.ini (a portable copy), otherwise in\n"
           "$XDG_CONFIG_HOME/Quillon (default ~/.config/Quillon). QUILLON_HOME names\n"
           "another folder for both. See quillon(1).\n";
}

} // namespace

int main(int argc, char *argv[])
{
    // Our own "--" options run without a window (and without a display).
    if (argc >= 2) {
        const QString first = QString::fromLocal8Bit(argv[1]);
        if (first == QLatin1String("--help") || first == QLatin1String("--version")
            || first == QLatin1String("--guess") || first == QLatin1String("--search")
            || first == QLatin1String("--hexdump") || first == QLatin1String("--search-folder")
            || first == QLatin1String("--grid-copy")) {
            QCoreApplication app(argc, argv);
            QTextStream out(stdout);
            QTextStream err(stderr);
            if (first == QLatin1String("--help")) {
                printHelp(out);
                return 0;
            }
            if (first == QLatin1String("--version")) {
                out << "Quillon " << QStringLiteral(QUILLON_VERSION) << '\n';
                return 0;
            }
            QStringList args = app.arguments();
            args.removeFirst(); // the program
            args.removeFirst(); // --guess / --search
            if (first == QLatin1String("--grid-copy")) {
                QFile stdoutFile;
                if (!stdoutFile.open(stdout, QIODevice::WriteOnly))
                    return 2;
                return quillon::runGridCopy(args, stdoutFile, err);
            }
            if (first == QLatin1String("--hexdump")) {
                QFile stdoutFile;
                if (!stdoutFile.open(stdout, QIODevice::WriteOnly))
                    return 2;
                return quillon::runHexDump(args, stdoutFile, err);
            }
            if (first == QLatin1String("--search-folder"))
                return quillon::runSearchFolder(args, out, err);
            if (first == QLatin1String("--search"))
                return quillon::runSearch(args, out, err);
            return quillon::runGuess(args, out, err);
        }
    }

    QStringList rawArgs;
    for (int i = 1; i < argc; ++i)
        rawArgs << QString::fromLocal8Bit(argv[i]);
    const quillon::WindowCommandLine cl = quillon::WindowCommandLine::parse(rawArgs);
    if (!cl.badOption.isEmpty()) {
        QTextStream err(stderr);
        err << "Quillon: unknown option " << cl.badOption << '\n';
        printUsage(err);
        return 2;
    }
    quillon::DisplayFacts display;
    display.qpaPlatform = qEnvironmentVariable("QT_QPA_PLATFORM");
    display.display = qEnvironmentVariable("DISPLAY");
    display.waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
    display.platformOption = rawArgs.first(cl.optionCount).contains(QStringLiteral("-platform"));
    if (const QString line = quillon::StartCheck::noDisplay(display); !line.isEmpty()) {
        std::fputs(qPrintable(line + QLatin1Char('\n')), stderr);
        return 1;
    }

    quillon::WindowStart::guardPlatformStart(&quillon::StartCheck::cannotStart);
    quillon::FontLogFilter::install();
    int qtArgc = int(1 + cl.optionCount); // Qt never sees what follows "--"
    QApplication app(qtArgc, argv);
    quillon::WindowStart::platformStarted();
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLON_VERSION));
    QDir().mkpath(quillon::AppPaths::programDir()); // ~/.config/Quillon on the first start
    quillon::ThemeStyle::applyStored(); // before any window: the theme holds for the whole run
    QStringList args = app.arguments();
    args.removeFirst();
    args += cl.afterDashes;
    quillon::TFormMain window(args);
    quillon::WindowStart::closeOnSignals(&window);
    window.show();
    return app.exec();
}
