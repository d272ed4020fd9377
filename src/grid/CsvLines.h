#pragma once
// The lines of a grid file after decoding (StrListLoadFile), held as one
// UTF-16 text and the stretch of each line in it: a large file costs its text
// and eight bytes per line, not a string object per line.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <vector>

namespace quillon {

class CsvLines {
public:
    CsvLines() = default;
    // From separate lines (tests, small hand-made tables).
    explicit CsvLines(const QStringList &lines);

    [[nodiscard]] int size() const { return int(m_ranges.size()); }
    [[nodiscard]] bool isEmpty() const { return m_ranges.empty(); }
    [[nodiscard]] QStringView line(int i) const
    {
        const Range &r = m_ranges[size_t(i)];
        return QStringView(m_text).sliced(r.start, r.length);
    }
    [[nodiscard]] QStringList toList() const;

    // ConvertLfToTab: every LF of every line becomes a TAB, in place.
    void replaceLfByTab();

    // Building: the text grows at the end, each line closes a stretch.
    struct Range {
        int32_t start = 0;
        int32_t length = 0;
    };
    QString m_text;
    std::vector<Range> m_ranges;
};

} // namespace quillon
