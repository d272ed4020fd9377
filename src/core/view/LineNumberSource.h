#pragma once
// The line-number view's lines: the numbers 1..count, each formatted when it
// is painted, so numbering a million lines costs nothing up front. Numbers
// take six places and more only from 1,000,000 on, so every position is
// worked out from the width bands without storing a line.
#include "LineSource.h"

namespace quillon {

class LineNumberSource final : public LineSource {
public:
    // lineZero as LineNumberText::format takes it. No numbers at all is one
    // empty line; a count whose text would pass the 32-bit positions is cut
    // to what fits.
    LineNumberSource(int count, int lineZero);

    [[nodiscard]] int numberCount() const { return m_count; }
    [[nodiscard]] int lineZero() const { return m_lineZero; }

    [[nodiscard]] int lineCount() const override { return m_count > 0 ? m_count : 1; }
    [[nodiscard]] TextPos length() const override { return m_length; }
    [[nodiscard]] TextPos lineStart(int line) const override;
    [[nodiscard]] int lineLength(int line) const override;
    [[nodiscard]] int lineOf(TextPos pos) const override;
    [[nodiscard]] QStringView line(int line, QString &scratch) const override;
    [[nodiscard]] int longestLine() const override { return m_count > 0 ? m_count - 1 : 0; }

private:
    int m_count = 0;
    int m_lineZero = 1;
    int m_length = 0;
};

} // namespace quillon
