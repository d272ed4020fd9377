#include "LineSplitter.h"

namespace quillon {

namespace {

void splitAt(QStringView s, QChar separator, std::vector<FieldSpan> &spans)
{
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = s.indexOf(separator, from);
        if (at < 0)
            break;
        spans.push_back({from, at - from});
        from = at + 1;
    }
    spans.push_back({from, s.size() - from});
}

} // namespace

void LineSplitter::splitSpans(QStringView s, std::vector<FieldSpan> &spans)
{
    if (s.contains(u'\t')) {
        splitAt(s, u'\t', spans);
        return;
    }
    if (s.startsWith(u'"')) {
        const QStringView t = s.mid(1);
        const qsizetype firstQuote = t.indexOf(u'"');
        if (t.isEmpty() || firstQuote == t.size() - 1) {
            // "x": the only field is what lies between the outer quotes.
            spans.push_back({1, t.isEmpty() ? 0 : t.size() - 1});
            return;
        }
        static constexpr QStringView separator = u"\",\"";
        qsizetype from = 1;
        for (;;) {
            const qsizetype at = s.indexOf(separator, from);
            if (at < 0)
                break;
            spans.push_back({from, at - from});
            from = at + separator.size();
        }
        // The last field loses its closing character, quote or not.
        spans.push_back({from, from >= s.size() ? 0 : s.size() - from - 1});
        return;
    }
    if (s.contains(u',')) {
        splitAt(s, u',', spans);
        return;
    }
    spans.push_back({0, s.size()});
}

void LineSplitter::split(QStringView line, QStringList &fields)
{
    std::vector<FieldSpan> spans;
    splitSpans(line, spans);
    for (const FieldSpan &f : spans)
        fields.append(line.mid(f.start, f.length).toString());
}

QStringList LineSplitter::split(QStringView line)
{
    QStringList fields;
    split(line, fields);
    return fields;
}

} // namespace quillon
