#pragma once
// The field splitter shared by language files, the key-map windows and the
// grid: tab-separated when the line holds a tab, quoted ("a","b") when it
// starts with a quote, comma-separated when it holds a comma, else one field.
//
// The splitter itself never touches the event loop; a caller that splits a
// long file line by line and must stay responsive processes events between
// lines itself.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace quillon {

// One field as a stretch of the line: every field of this splitter is a plain
// substring, so a caller that keeps the line needs no copy of its fields.
struct FieldSpan {
    qsizetype start = 0;
    qsizetype length = 0;
    friend bool operator==(const FieldSpan &, const FieldSpan &) = default;
};

class LineSplitter {
public:
    LineSplitter() = delete;
    // Appends the fields of one line to `fields` (the caller empties it).
    static void split(QStringView line, QStringList &fields);
    [[nodiscard]] static QStringList split(QStringView line);
    // The same fields as stretches of `line`, appended to `spans`.
    static void splitSpans(QStringView line, std::vector<FieldSpan> &spans);
};

} // namespace quillon
