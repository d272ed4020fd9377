#pragma once
// Lines the text view shows, wherever they come from: a decoded file held in
// memory, or rows computed when they are asked for (line numbers, hex rows,
// result lists), so no source has to be built as one big string first.
// Positions address the joined text, the lines separated by CR LF; they are
// 32-bit UTF-16 offsets, so a source holds at most TextBuffer::MaxLength units.
#include <QString>
#include <QStringView>

namespace quillon {

class LineSource {
public:
    LineSource() = default;
    virtual ~LineSource() = default;
    LineSource(const LineSource &) = delete;
    LineSource &operator=(const LineSource &) = delete;

    // Lines as a multi-line control counts them: at least one, and an empty
    // last line after a final line end.
    [[nodiscard]] virtual int lineCount() const = 0;
    // Units of the joined text.
    [[nodiscard]] virtual int length() const = 0;
    // First position of line; 0 below the first line, length() past the last.
    [[nodiscard]] virtual int lineStart(int line) const = 0;
    // Units of line without its line end; 0 when there is no such line.
    [[nodiscard]] virtual int lineLength(int line) const = 0;
    // The line holding pos (clamped to the lines).
    [[nodiscard]] virtual int lineOf(int pos) const = 0;
    // Text of line without its line end (empty when there is no such line).
    // A source that stores its text returns a view of it; one that computes
    // lines writes into scratch and returns a view of that. Either view lasts
    // while the source and scratch do.
    [[nodiscard]] virtual QStringView line(int line, QString &scratch) const = 0;
    // Units start..start + length of the joined text (clamped). This one walks
    // the lines; a source holding one string answers from it.
    [[nodiscard]] virtual QString text(int start, int length) const;
    // A line with the most units, for the width estimate of the scroll range.
    // This one scans every line; computed sources know it at once.
    [[nodiscard]] virtual int longestLine() const;

    [[nodiscard]] QString lineText(int line) const;

    // Caret steps over the joined text: a surrogate pair and a CR LF are one
    // step. snapPosition moves a position inside one of them back to its
    // start and clamps to 0..length().
    [[nodiscard]] int snapPosition(int pos) const;
    [[nodiscard]] int nextPosition(int pos) const;
    [[nodiscard]] int previousPosition(int pos) const;
};

} // namespace quillon
