#pragma once
// Lines the text view shows, wherever they come from: a decoded file held in
// memory, or rows computed when they are asked for (line numbers, hex rows,
// result lists), so no source has to be built as one big string first.
// Positions address the joined text, the lines separated by CR LF. They are
// 64-bit UTF-16 offsets: a decoded file stays within 32 bits, but the rows of
// a whole-file hex dump of a large file run to billions of units. A single
// line, and any text taken out as one string, stays within 32 bits.
#include <QString>
#include <QStringView>
#include <QtGlobal>

namespace quillon {

using TextPos = qint64;

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
    [[nodiscard]] virtual TextPos length() const = 0;
    // First position of line; 0 below the first line, length() past the last.
    [[nodiscard]] virtual TextPos lineStart(int line) const = 0;
    // Units of line without its line end; 0 when there is no such line.
    [[nodiscard]] virtual int lineLength(int line) const = 0;
    // The line holding pos (clamped to the lines).
    [[nodiscard]] virtual int lineOf(TextPos pos) const = 0;
    // Text of line without its line end (empty when there is no such line).
    // A source that stores its text returns a view of it; one that computes
    // lines writes into scratch and returns a view of that. Either view lasts
    // while the source and scratch do.
    [[nodiscard]] virtual QStringView line(int line, QString &scratch) const = 0;
    // Units start..start + length of the joined text (clamped, and at most
    // MaxTextLength units). This one walks the lines; a source holding one
    // string answers from it.
    [[nodiscard]] virtual QString text(TextPos start, TextPos length) const;
    // The most units text() returns: what one QString can hold.
    static constexpr TextPos MaxTextLength = 0x7FFFFFF0;
    // A line with the most units, for the width estimate of the scroll range.
    // This one scans every line; computed sources know it at once.
    [[nodiscard]] virtual int longestLine() const;

    [[nodiscard]] QString lineText(int line) const;

    // Caret steps over the joined text: a surrogate pair and a CR LF are one
    // step. snapPosition moves a position inside one of them back to its
    // start and clamps to 0..length().
    [[nodiscard]] TextPos snapPosition(TextPos pos) const;
    [[nodiscard]] TextPos nextPosition(TextPos pos) const;
    [[nodiscard]] TextPos previousPosition(TextPos pos) const;
};

} // namespace quillon
