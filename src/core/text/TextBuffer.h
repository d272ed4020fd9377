#pragma once
// The decoded text of a file, held once: all lines joined with CR LF in one
// UTF-16 string, plus the index of line starts. The text view, the line list
// and the search all read this one copy.
#include <QString>
#include <QStringView>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace quillon {

class TextBuffer {
public:
    TextBuffer();

    [[nodiscard]] const QString &text() const { return m_text; }
    [[nodiscard]] int length() const { return int(m_text.size()); }
    [[nodiscard]] bool isEmpty() const { return m_text.isEmpty(); }

    // Lines as a multi-line control counts them: a text ending in a line
    // break has an empty last line, an empty text has one empty line.
    [[nodiscard]] int lineCount() const { return int(m_lineStarts.size()); }
    // The count shown to the user: an empty last line is not counted.
    [[nodiscard]] int visibleLineCount() const;
    [[nodiscard]] int lineStart(int line) const;
    // Length of the line without its line end.
    [[nodiscard]] int lineLength(int line) const;
    [[nodiscard]] QStringView line(int line) const;
    // The line holding position pos (0..length()).
    [[nodiscard]] int lineOf(int pos) const;
    // The first of the longest lines, found where the text was made (the
    // loading thread), not where it is shown.
    [[nodiscard]] int longestLine() const { return m_longestLine; }

    // Largest text the view can address with 32-bit positions.
    static constexpr qsizetype MaxLength = 0x7FFFFFF0;

private:
    friend class TextSink;
    QString m_text;
    std::vector<int32_t> m_lineStarts;
    int m_longestLine = 0;
};

// Collects decoded UTF-16 and turns CR LF, a lone CR and a lone LF into
// CR LF, recording where each line starts. Decoders write through it.
class TextSink {
public:
    // capacityHint: an upper bound of the units to come; reserved but not
    // touched, so an overestimate costs address space, not memory.
    explicit TextSink(qsizetype capacityHint = 0);

    inline void put(char16_t c)
    {
        if (c == u'\r' || c == u'\n') {
            putBreak(c);
            return;
        }
        m_afterCr = false;
        if (m_pos == m_cap && !grow(1))
            return;
        m_data[m_pos++] = c;
    }
    // Code units without CR or LF among them (the decoders' fast path).
    void putPlain(const char16_t *s, qsizetype n);
    // Latin-1 / ASCII bytes, one unit each; CR and LF handled.
    void putLatin1(const char *s, qsizetype n);
    void putCodePoint(char32_t cp);
    // Joining pieces collected apart, each from the bytes that follow the
    // last: joinRoom makes room at the end for all their units and takes
    // over their line starts, returning where the first piece's units go
    // (null when the text would grow too large); moveUnits then copies a
    // piece's units [from, to) into their room, on any thread, giving the
    // piece's pages back as it goes.
    [[nodiscard]] char16_t *joinRoom(const std::vector<TextSink *> &pieces);
    void moveUnits(qsizetype from, qsizetype to, char16_t *room);

    // Room for this many line starts in all, made before the first line so
    // that a reader on another thread can follow the starts written so far
    // (the units are already in place when the capacity hint bounds them).
    void reserveLines(qsizetype lines) { m_lineStarts.reserve(size_t(std::max<qsizetype>(lines, 1))); }
    // What has been written so far, for such a reader: it stays where it is
    // while neither the units nor the line starts outgrow their room, and
    // finish() hands the same memory to the buffer.
    [[nodiscard]] const char16_t *data() const { return m_data; }
    [[nodiscard]] const int32_t *lineStartData() const { return m_lineStarts.data(); }
    [[nodiscard]] int lineStartCount() const { return int(m_lineStarts.size()); }

    // True once the text has grown past TextBuffer::MaxLength; the rest is dropped.
    [[nodiscard]] bool overflowed() const { return m_overflow; }
    [[nodiscard]] qsizetype size() const { return m_pos; }

    [[nodiscard]] TextBuffer finish();

private:
    void putBreak(char16_t c);
    bool grow(qsizetype need);

    QString m_text;
    char16_t *m_data = nullptr;
    qsizetype m_pos = 0;
    qsizetype m_cap = 0;
    bool m_afterCr = false;
    bool m_overflow = false;
    std::vector<int32_t> m_lineStarts;
};

} // namespace quillon
