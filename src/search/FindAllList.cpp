#include "FindAllList.h"

#include <QStringList>

namespace quillon {

FindAllList FindAllLines(int lineCount, const LineAccess &line, QStringView word, TSearchOptions options)
{
    FindAllList result;
    LineMatcher matcher(word, options);
    QString scratch;
    qsizetype units = 0;
    for (int i = 0; i < lineCount; ++i) {
        const QStringView text = line(i, scratch);
        TSearchInfo info;
        const SearchResult r = matcher.first(text, info);
        if (r.failed()) {
            result.error = r.error;
            break;
        }
        if (r) {
            result.numbers.push_back(i + 1);
            units += text.size() + 2;
        }
    }
    // The list is written once at its final size: growing it line by line
    // would copy a long list over and over.
    TextSink sink(units);
    for (size_t k = 0; k < result.numbers.size(); ++k) {
        if (k > 0)
            sink.put(u'\n'); // one line end, written as CR LF
        const QStringView text = line(result.numbers[k] - 1, scratch);
        sink.putPlain(reinterpret_cast<const char16_t *>(text.utf16()), text.size());
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
