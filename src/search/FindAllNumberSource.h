#pragma once
// The find-all window's number column: one given number per line, written
// as the line-number view writes it ("000012", or "    12" with LineZero
// 0), formatted when painted. Line i belongs to line i of the list.
#include "LineSource.h"

#include <cstdint>
#include <vector>

namespace quillon {

class FindAllNumberSource final : public LineSource {
public:
    FindAllNumberSource(std::vector<int> numbers, int lineZero);

    [[nodiscard]] const std::vector<int> &numbers() const { return m_numbers; }

    [[nodiscard]] int lineCount() const override { return m_numbers.empty() ? 1 : int(m_numbers.size()); }
    [[nodiscard]] TextPos length() const override { return m_length; }
    [[nodiscard]] TextPos lineStart(int line) const override;
    [[nodiscard]] int lineLength(int line) const override;
    [[nodiscard]] int lineOf(TextPos pos) const override;
    [[nodiscard]] QStringView line(int line, QString &scratch) const override;
    [[nodiscard]] int longestLine() const override;

private:
    std::vector<int> m_numbers;
    std::vector<TextPos> m_starts; // start of each line
    int m_lineZero = 1;
    TextPos m_length = 0;
};

} // namespace quillon
