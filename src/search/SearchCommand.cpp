#include "SearchCommand.h"

#include "TextLoader.h"
#include "SearchEngine.h"
#include "SearchArguments.h"

namespace quillon {

namespace {

QString usage()
{
    return QStringLiteral(
        "Usage: Quillon --search [--match-case] [--whole-word] [--regexp] [--include-crlf] WORD FILE\n");
}

} // namespace

int runSearch(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const SearchArguments parsed = SearchArguments::parse(args);
    if (!parsed.unknownOption.isEmpty()) {
        err << QStringLiteral("Quillon --search: unknown option ") << parsed.unknownOption << '\n' << usage();
        err.flush();
        return 2;
    }
    const TSearchOptions options = parsed.options;
    const QStringList &rest = parsed.operands;
    if (rest.size() != 2 || rest[0].isEmpty()) {
        err << usage();
        err.flush();
        return 2;
    }
    const QString &word = rest[0];
    const QString &path = rest[1];
    const LoadedText loaded = TextLoader::load(path, 0, QString());
    if (!loaded.ok()) {
        QString reason;
        switch (loaded.status) {
        case LoadedText::Status::Missing: reason = QStringLiteral("file not found"); break;
        case LoadedText::Status::TooLarge: reason = QStringLiteral("file is too large"); break;
        default: reason = loaded.reasonEnglish; break;
        }
        err << path << QStringLiteral(": ") << reason << '\n';
        err.flush();
        return 2;
    }
    const QString &text = loaded.buffer->text();
    TSearchInfo info;
    QStringList offsets;
    const SearchResult result = SearchAll(text, info, word, offsets, options);
    if (result.failed()) {
        if (result.error.kind == SearchError::Kind::Pattern)
            err << result.error.english() << '\n';
        else
            err << QStringLiteral("Search stopped: ") << result.error.reason << '\n';
        err.flush();
        return 2;
    }
    for (const QString &offset : offsets)
        out << offset << '\n';
    out.flush();
    return result ? 0 : 1;
}

} // namespace quillon
