#include "GridCopyCommand.h"

#include "AppPaths.h"
#include "GridLoad.h"
#include "GridMessages.h"
#include "GridModel.h"

#include <QFileInfo>

namespace quillon {

namespace {

int usage(QTextStream &err, const QString &why)
{
    err << "Quillon --grid-copy: " << why << '\n'
        << "usage: Quillon --grid-copy tab|quoted|comma|csv [--split auto|comma1|comma2] [--lf-to-tab] FILE\n";
    err.flush();
    return 2;
}

} // namespace

int runGridCopy(const QStringList &args, QIODevice &out, QTextStream &err)
{
    static const QStringList styles = {QStringLiteral("tab"), QStringLiteral("quoted"), QStringLiteral("comma"),
                                       QStringLiteral("csv")};
    static const QStringList modes = {QStringLiteral("auto"), QStringLiteral("comma1"), QStringLiteral("comma2")};
    if (args.isEmpty())
        return usage(err, QStringLiteral("no style given"));
    const int style = int(styles.indexOf(args.front()));
    if (style < 0)
        return usage(err, QStringLiteral("unknown style ") + args.front());
    GridLoadRequest request;
    QString file;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--split")) {
            const int mode = i + 1 < args.size() ? int(modes.indexOf(args.at(i + 1))) : -1;
            if (mode < 0)
                return usage(err, QStringLiteral("--split takes auto, comma1 or comma2"));
            request.mode = CsvMode(mode);
            ++i;
        } else if (a == QLatin1String("--lf-to-tab")) {
            request.lfToTab = true;
        } else if (file.isEmpty() && !a.startsWith(QLatin1String("--"))) {
            file = a;
        } else {
            return usage(err, QStringLiteral("unexpected argument ") + a);
        }
    }
    if (file.isEmpty())
        return usage(err, QStringLiteral("no file given"));
    // The same detection as the window, with its unknown-character copy.
    request.path = QFileInfo(file).absoluteFilePath();
    request.copyPath = AppPaths::besideProgram(CsvFileReader::unknownCopyName());
    GridLoadResult loaded = loadGrid(request);
    switch (loaded.file.status) {
    case CsvFile::Status::Ok:
        break;
    case CsvFile::Status::NotFound:
        err << GridMessages::fileNotExist().english << '\n' << file << '\n';
        err.flush();
        return 2;
    case CsvFile::Status::CannotRead:
        err << GridMessages::cannotRead(file, loaded.file.reason).english << '\n';
        err.flush();
        return 2;
    case CsvFile::Status::TooLarge:
        err << GridMessages::tooLarge(file).english << '\n';
        err.flush();
        return 2;
    }
    GridModel model;
    model.setTable(std::move(loaded.table), false);
    const QByteArray bytes = model.copyAll(ClipStyle(style)).toUtf8();
    if (out.write(bytes) != bytes.size())
        return 2;
    return 0;
}

} // namespace quillon
