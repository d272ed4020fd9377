#pragma once
// The hex dump's lines for the text view: one row per 16 bytes of a range
// of the file, formatted when the row is painted or copied from bytes read
// on demand, so the dump of a large file costs no more than one page.
// Rows are joined by CR LF without a break after the last. A row is 83
// units while its offset has eight digits; rows at 4 GiB and beyond take a
// ninth digit, so positions are counted in two bands.
#include "HexPaging.h"
#include "LineSource.h"

#include <memory>

namespace quillon {

class HexFileReader;

class HexRowSource final : public LineSource {
public:
    HexRowSource(std::shared_ptr<HexFileReader> reader, HexRange range);

    [[nodiscard]] const HexRange &range() const { return m_range; }
    [[nodiscard]] qint64 rowCount() const { return m_rows; }

    [[nodiscard]] int lineCount() const override { return m_rows > 0 ? int(m_rows) : 1; }
    [[nodiscard]] TextPos length() const override { return m_length; }
    [[nodiscard]] TextPos lineStart(int line) const override;
    [[nodiscard]] int lineLength(int line) const override;
    [[nodiscard]] int lineOf(TextPos pos) const override;
    [[nodiscard]] QStringView line(int line, QString &scratch) const override;
    [[nodiscard]] int longestLine() const override { return m_rows > 0 ? int(m_rows - 1) : 0; }

    static constexpr int Stride = 83 + 2; // a row and its CR LF

private:
    std::shared_ptr<HexFileReader> m_reader;
    HexRange m_range;
    qint64 m_rows = 0;
    qint64 m_firstWide = 0; // the first row with a nine-digit offset (m_rows when none)
    TextPos m_length = 0;
};

} // namespace quillon
