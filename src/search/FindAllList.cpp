#include "FindAllList.h"

#include <QStringList>

namespace quillon {

FindAllList FindAllLines(int lineCount, const LineAccess &line, QStringView word, TSearchOptions options)
{
    FindAllList result;
    LineMatcher matcher(word, options);
    TextSink sink;
    QString scratch;
    for (int i = 0; i < lineCount; ++i) {
        const QStringView text = line(i, scratch);
        TSearchInfo info;
        const SearchResult r = matcher.first(text, info);
        if (r.failed()) {
            result.error = r.error;
            break;
        }
        if (!r)
            continue;
        if (!result.numbers.empty())
            sink.put(u'\n'); // one line end, written as CR LF
        sink.putPlain(reinterpret_cast<const char16_t *>(text.utf16()), text.size());
        result.numbers.push_back(i + 1);
    }
    result.lines = std::make_shared<const TextBuffer>(sink.finish());
    return result;
}

std::shared_ptr<const TextBuffer> joinLines(const QStringList &lines)
{
    qsizetype units = 0;
    for (const QString &l : lines)
        units += l.size() + 2;
    TextSink sink(units);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            sink.put(u'\n');
        sink.putPlain(reinterpret_cast<const char16_t *>(lines[i].utf16()), lines[i].size());
    }
    return std::make_shared<const TextBuffer>(sink.finish());
}

} // namespace quillon
