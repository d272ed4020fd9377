#pragma once
// Page mode of the hex dump: pages of 65536 bytes. The last page number is
// size / 65536, so a file whose size is a multiple of 65536 has one more
// page, which shows its last byte alone (both ends are lowered to the last
// byte when they lie beyond the file).
#include <QtGlobal>

namespace quillon {

struct HexRange {
    qint64 start = 0; // first byte
    qint64 end = -1;  // last byte; end < start: nothing
    [[nodiscard]] qint64 length() const { return end >= start ? end - start + 1 : 0; }
};

class HexPaging {
public:
    HexPaging() = delete;

    static constexpr qint64 PageSize = 65536;

    [[nodiscard]] static qint64 lastPage(qint64 fileSize) { return fileSize / PageSize; }
    // Bytes of page index (from 0) of a file of fileSize bytes.
    [[nodiscard]] static HexRange page(qint64 index, qint64 fileSize);
    [[nodiscard]] static HexRange wholeFile(qint64 fileSize) { return {0, fileSize - 1}; }
    // Rows of a range: 16 bytes each, the last one maybe shorter.
    [[nodiscard]] static qint64 rowCount(const HexRange &range) { return (range.length() + 15) / 16; }
};

} // namespace quillon
