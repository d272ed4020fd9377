#pragma once
// The parameter template of an external program and what it becomes.
//
// The template may hold two macros, replaced wherever they occur (case
// matters): $(FileNameEx), the loaded file's path, and $(CurLine), the caret's
// line counted from 1. The parameter text is the template with both replaced
// (the whole template "$(FileNameEx)" gives the path in double quotes); it is
// what the user reads in messages and the log.
//
// The program itself never sees that text parsed again: the template is split
// into arguments first, as a command line is split (blanks separate, double
// quotes group and are dropped, "" inside quotes is one quote), and the macros
// are replaced inside each argument afterwards. A file name holding blanks,
// quotes, ';' or "$(...)" therefore reaches the program as one argument, and
// no shell ever reads it.
#include <QString>
#include <QStringList>
#include <optional>

namespace quillon {

struct LauncherContext {
    QString fileName;               // empty when no file is loaded
    std::optional<int> currentLine; // from 1; none when the view holds no lines
};

class LauncherOptions {
public:
    LauncherOptions() = delete;

    [[nodiscard]] static QString parameterText(const QString &templateText, const LauncherContext &context);
    [[nodiscard]] static QStringList arguments(const QString &templateText, const LauncherContext &context);

    struct Word {
        QString text;
        bool quoted = false; // some part of it stood in quotes
    };
    // The template split as a command line.
    [[nodiscard]] static QList<Word> splitCommandLine(const QString &text);
    // Both macros replaced in one pass: text put in is never scanned again.
    [[nodiscard]] static QString replaceMacros(const QString &text, const LauncherContext &context);
};

} // namespace quillon
