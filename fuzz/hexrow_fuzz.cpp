// Hex dump rows for any offset and bytes: the row has the length the layout
// promises, and its hex part reads back as the bytes.
#include "FuzzInput.h"
#include "HexRows.h"

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Input in(data, size);
    quint64 offset = 0;
    for (int i = 0; i < 8; ++i)
        offset = (offset << 8) | in.byte();
    offset >>= in.byte() % 64; // every width of the offset column
    const QByteArrayView bytes = in.rest().first(qMin<qsizetype>(in.rest().size(), HexRows::BytesPerRow));

    const QString row = HexRows::row(offset, bytes);
    FUZZ_CHECK(row.size() <= HexRows::MaxRowLength);
    if (bytes.size() == HexRows::BytesPerRow)
        FUZZ_CHECK(row.size() == HexRows::rowLength(offset));
    const int digits = HexRows::offsetDigits(offset);
    FUZZ_CHECK(row.left(digits) == QString::number(offset, 16).toUpper().rightJustified(digits, u'0'));
    const QString hex = row.mid(digits + 2, 51).remove(u' ').remove(u'-');
    FUZZ_CHECK(QByteArray::fromHex(hex.toLatin1()) == bytes.toByteArray());
    return 0;
}
