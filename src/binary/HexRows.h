#pragma once
// The rows of the hex dump: 16 bytes a row, as offset, hex part and
// character part. Rows are formatted on demand from the bytes, so a dump
// of any size is never held as text.
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

namespace quillon {

class HexRows {
public:
    HexRows() = delete;

    static constexpr int BytesPerRow = 16;
    // A full row with an eight-digit offset, and the header.
    static constexpr int RowLength = 83;
    // Longest row: a 16-digit offset.
    static constexpr int MaxRowLength = RowLength + 8;

    // "          +0 +1 ... +F  |  0123456789ABCDEF  |"
    [[nodiscard]] static QString header();

    // Digits of the offset column: eight, more only where the offset needs them.
    [[nodiscard]] static int offsetDigits(quint64 offset);
    // Length of the row at offset (full or short, the columns line up).
    [[nodiscard]] static int rowLength(quint64 offset) { return RowLength - 8 + offsetDigits(offset); }

    // Writes the row for count (1..16) bytes starting at offset into out,
    // which has room for rowLength(offset) units; returns the units written.
    // CharT is char (the command line's bytes) or char16_t (the view).
    template <typename CharT>
    static int format(CharT *out, quint64 offset, const uchar *bytes, int count);

    [[nodiscard]] static QString row(quint64 offset, QByteArrayView bytes);
};

template <typename CharT>
int HexRows::format(CharT *out, quint64 offset, const uchar *bytes, int count)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    const int width = offsetDigits(offset);
    CharT *p = out;
    for (int i = width - 1; i >= 0; --i)
        *p++ = CharT(digits[(offset >> (4 * i)) & 0xF]);
    *p++ = ' ';
    *p++ = ' ';
    CharT *hex = p;
    for (int i = 0; i < count; ++i) {
        if (i == 8) {
            *p++ = '-';
            *p++ = ' ';
        }
        *p++ = CharT(digits[bytes[i] >> 4]);
        *p++ = CharT(digits[bytes[i] & 0xF]);
        *p++ = ' ';
    }
    // The hex part of a short row is padded so the bars line up.
    while (p < hex + 51)
        *p++ = ' ';
    *p++ = '|';
    *p++ = ' ';
    *p++ = ' ';
    CharT *chars = p;
    for (int i = 0; i < count; ++i) {
        const uchar b = bytes[i];
        *p++ = CharT(b >= 0x20 && b <= 0x7E ? char(b) : '.');
    }
    while (p < chars + 17)
        *p++ = ' ';
    *p++ = ' ';
    *p++ = '|';
    return int(p - out);
}

} // namespace quillon
