#pragma once
// The hex dump's lines for the text view: one row per 16 bytes of a range
// of the file, formatted when the row is painted or copied from bytes read
// on demand, so the dump of a large file costs no more than one page.
// Rows are joined by CR LF without a break after the last; every row of a
// file the viewer can load has the same length (an eight-digit offset).
#include "HexPaging.h"
#include "LineSource.h"

#include <memory>

namespace quillon {

class HexFileReader;

class HexRowSource final : public LineSource {
public:
    // Rows beyond what 32-bit positions address are left out (rowsCut()).
    HexRowSource(std::shared_ptr<HexFileReader> reader, HexRange range);

    [[nodiscard]] const HexRange &range() const { return m_range; }
    [[nodiscard]] qint64 rowCount() const { return m_rows; }
    [[nodiscard]] bool rowsCut() const { return m_cut; }

    [[nodiscard]] int lineCount() const override { return m_rows > 0 ? int(m_rows) : 1; }
    [[nodiscard]] int length() const override { return m_length; }
    [[nodiscard]] int lineStart(int line) const override;
    [[nodiscard]] int lineLength(int line) const override;
    [[nodiscard]] int lineOf(int pos) const override;
    [[nodiscard]] QStringView line(int line, QString &scratch) const override;
    [[nodiscard]] int longestLine() const override { return 0; }

    static constexpr int Stride = 83 + 2; // a row and its CR LF

private:
    std::shared_ptr<HexFileReader> m_reader;
    HexRange m_range;
    qint64 m_rows = 0;
    bool m_cut = false;
    int m_length = 0;
};

} // namespace quillon
