#include "LineSplitter.h"

namespace quillon {

namespace {

void splitAt(QStringView s, QChar separator, QStringList &fields)
{
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = s.indexOf(separator, from);
        if (at < 0)
            break;
        fields.append(s.mid(from, at - from).toString());
        from = at + 1;
    }
    fields.append(s.mid(from).toString());
}

} // namespace

void LineSplitter::split(QStringView s, QStringList &fields)
{
    if (s.contains(u'\t')) {
        splitAt(s, u'\t', fields);
        return;
    }
    if (s.startsWith(u'"')) {
        const QStringView t = s.mid(1);
        const qsizetype firstQuote = t.indexOf(u'"');
        if (t.isEmpty() || firstQuote == t.size() - 1) {
            // "x": the only field is what lies between the outer quotes.
            fields.append(t.isEmpty() ? QString() : t.first(t.size() - 1).toString());
            return;
        }
        QStringView rest = t;
        static constexpr QStringView separator = u"\",\"";
        for (;;) {
            const qsizetype at = rest.indexOf(separator);
            if (at < 0)
                break;
            fields.append(rest.first(at).toString());
            rest = rest.mid(at + separator.size());
        }
        // The last field loses its closing character, quote or not.
        fields.append(rest.isEmpty() ? QString() : rest.first(rest.size() - 1).toString());
        return;
    }
    if (s.contains(u',')) {
        splitAt(s, u',', fields);
        return;
    }
    fields.append(s.toString());
}

QStringList LineSplitter::split(QStringView line)
{
    QStringList fields;
    split(line, fields);
    return fields;
}

} // namespace quillon
