#include "SearchFolderCommand.h"

#include "FolderSearchRunner.h"

#include <QFileInfo>
#include "SearchArguments.h"

namespace quillon {

namespace {

QString usage()
{
    return QStringLiteral("Usage: Quillon --search-folder [--match-case] [--whole-word] [--regexp] [--include-crlf] "
                          "WORD FILE\n");
}

} // namespace

int runSearchFolder(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const SearchArguments parsed = SearchArguments::parse(args, TSearchOptions{TSearchOption::sfrDown});
    if (!parsed.unknownOption.isEmpty()) {
        err << QStringLiteral("Quillon --search-folder: unknown option ") << parsed.unknownOption << '\n' << usage();
        err.flush();
        return 2;
    }
    const TSearchOptions options = parsed.options;
    const QStringList &rest = parsed.operands;
    if (rest.size() != 2 || rest[0].isEmpty() || rest[1].isEmpty()) {
        err << usage();
        err.flush();
        return 2;
    }
    const QString &word = rest[0];
    const QString &file = rest[1];
    if (!QFileInfo(file).isFile()) {
        err << file << QStringLiteral(": file not found\n");
        err.flush();
        return 2;
    }
    FolderSearchCollector collected;
    SearchError error;
    FolderSearchRunner runner(FolderSearch::listFiles(file), word, options);
    runner.run([&](int, FolderFileOutcome &&outcome) {
        if (outcome.error.isError()) {
            error = outcome.error;
            return false;
        }
        if (outcome.status == FolderFileOutcome::Status::CannotRead) {
            err << outcome.path << QStringLiteral(": skipped: ") << outcome.reason.english << '\n';
            err.flush();
            ++collected.filesDone;
            return true;
        }
        return collected.add(outcome);
    });
    if (error.isError()) {
        if (error.kind == SearchError::Kind::Pattern)
            err << error.english() << '\n';
        else
            err << QStringLiteral("Search stopped: ") << error.reason << '\n';
        err.flush();
        return 2;
    }
    for (const QString &line : std::as_const(collected.lines))
        out << line << '\n';
    out.flush();
    if (collected.limitReached) {
        err << FolderSearch::limitMessage().english.replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << '\n';
        err.flush();
    }
    return collected.lines.isEmpty() ? 1 : 0;
}

} // namespace quillon
