#include "GuessCommand.h"

#include "CharCode.h"
#include "CharCodeDetector.h"

namespace quillon {

namespace {

QString usage()
{
    return QStringLiteral("Usage: Quillon --guess [--porcelain] FILE...\n");
}

QString failureText(const DetectFileResult &result)
{
    switch (result.error) {
    case DetectFileError::NotFound:
        return QStringLiteral("file not found");
    case DetectFileError::CannotRead:
        return QStringLiteral("cannot read: ") + result.reason;
    case DetectFileError::TooLarge:
        return QStringLiteral("file is larger than 2 GiB");
    case DetectFileError::None:
        break;
    }
    return QString();
}

} // namespace

int runGuess(const QStringList &args, QTextStream &out, QTextStream &err)
{
    bool porcelain = false;
    QStringList files;
    bool options = true;
    for (const QString &arg : args) {
        if (options && arg == QLatin1String("--")) {
            options = false;
        } else if (options && arg == QLatin1String("--porcelain")) {
            porcelain = true;
        } else if (options && arg.startsWith(QLatin1String("--"))) {
            err << QStringLiteral("Quillon --guess: unknown option ") << arg << '\n' << usage();
            err.flush();
            return 2;
        } else {
            files << arg;
        }
    }
    if (files.isEmpty()) {
        err << usage();
        err.flush();
        return 2;
    }

    int status = 0;
    for (const QString &path : files) {
        // An empty copy path: --guess leaves the files beside the program alone.
        const DetectFileResult result = GetCharCodeRetCode(path, QString());
        if (!result.ok()) {
            out.flush(); // keep the two streams in file order on a terminal
            err << path << QStringLiteral(": ") << failureText(result) << '\n';
            err.flush();
            status = 1;
            continue;
        }
        const DetectResult &d = result.detection;
        if (porcelain) {
            out << d.charCode << '\t' << d.lineEnd << '\t' << int(d.unknownChar) << '\t'
                << int(d.lfInCrLf) << '\t' << path << '\n';
        } else {
            // The CR LF name ends in a space that only the status bar wants.
            out << path << QStringLiteral(": ") << charCodeName(d.charCode, false) << QStringLiteral(", ")
                << lineEndName(d.lineEnd, false).trimmed();
            if (d.unknownChar)
                out << QStringLiteral(", unknown-characters");
            if (d.lfInCrLf)
                out << QStringLiteral(", lf-in-crlf");
            out << '\n';
        }
    }
    out.flush();
    err.flush();
    return status;
}

} // namespace quillon
