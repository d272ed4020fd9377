#include "HexRows.h"

namespace quillon {

QString HexRows::header()
{
    return QStringLiteral("          +0 +1 +2 +3 +4 +5 +6 +7 - +8 +9 +A +B +C +D +E +F  |  0123456789ABCDEF  |");
}

int HexRows::offsetDigits(quint64 offset)
{
    int digits = 8;
    while (digits < 16 && (offset >> (4 * digits)) != 0)
        ++digits;
    return digits;
}

QString HexRows::row(quint64 offset, QByteArrayView bytes)
{
    QString s(rowLength(offset), Qt::Uninitialized);
    const int n = format(reinterpret_cast<char16_t *>(s.data()), offset,
                         reinterpret_cast<const uchar *>(bytes.data()), int(qMin<qsizetype>(bytes.size(), BytesPerRow)));
    s.truncate(n);
    return s;
}

} // namespace quillon
