#include "LauncherOptions.h"

namespace quillon {

namespace {

const QString fileNameMacro = QStringLiteral("$(FileNameEx)");
const QString curLineMacro = QStringLiteral("$(CurLine)");

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

} // namespace

QString LauncherOptions::replaceMacros(const QString &text, const LauncherContext &context)
{
    const QString line = context.currentLine ? QString::number(*context.currentLine) : QString();
    QString out;
    out.reserve(text.size() + context.fileName.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const QStringView rest = QStringView(text).mid(i);
        if (rest.startsWith(fileNameMacro)) {
            out += context.fileName;
            i += fileNameMacro.size();
        } else if (rest.startsWith(curLineMacro)) {
            out += line;
            i += curLineMacro.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

QString LauncherOptions::parameterText(const QString &templateText, const LauncherContext &context)
{
    // The template supplies quotes where it needs them, except when it is the
    // macro alone: then the path is quoted for it.
    if (templateText == fileNameMacro && !context.fileName.isEmpty())
        return u'"' + context.fileName + u'"';
    return replaceMacros(templateText, context);
}

QList<LauncherOptions::Word> LauncherOptions::splitCommandLine(const QString &text)
{
    QList<Word> words;
    Word word;
    bool inWord = false;
    bool inQuotes = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"') {
            inWord = true;
            word.quoted = true;
            if (inQuotes && i + 1 < text.size() && text[i + 1] == u'"') {
                word.text += u'"'; // "" inside quotes: one quote
                ++i;
            } else {
                inQuotes = !inQuotes;
            }
        } else if (isBlank(c) && !inQuotes) {
            if (inWord)
                words.append(std::exchange(word, Word{}));
            inWord = false;
        } else {
            inWord = true;
            word.text += c;
        }
    }
    if (inWord)
        words.append(word);
    return words;
}

QStringList LauncherOptions::arguments(const QString &templateText, const LauncherContext &context)
{
    QStringList args;
    for (const Word &word : splitCommandLine(templateText)) {
        const QString text = replaceMacros(word.text, context);
        // A bare macro with nothing to put in gives no argument; "" written
        // in the template is an empty argument on purpose.
        if (text.isEmpty() && !word.quoted)
            continue;
        args.append(text);
    }
    return args;
}

} // namespace quillon
