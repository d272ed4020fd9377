#pragma once
// The decoded file as a line source: answers from the shared TextBuffer
// itself, nothing copied.
#include "LineSource.h"
#include "TextBuffer.h"

#include <algorithm>
#include <memory>

namespace quillon {

class TextBufferSource final : public LineSource {
public:
    // A null buffer is an empty text.
    explicit TextBufferSource(std::shared_ptr<const TextBuffer> buffer);

    [[nodiscard]] const std::shared_ptr<const TextBuffer> &buffer() const { return m_buffer; }

    [[nodiscard]] int lineCount() const override { return m_buffer->lineCount(); }
    [[nodiscard]] TextPos length() const override { return m_buffer->length(); }
    [[nodiscard]] TextPos lineStart(int line) const override { return m_buffer->lineStart(line); }
    [[nodiscard]] int lineLength(int line) const override { return m_buffer->lineLength(line); }
    [[nodiscard]] int lineOf(TextPos pos) const override { return m_buffer->lineOf(int(std::clamp<TextPos>(pos, 0, length()))); }
    [[nodiscard]] QStringView line(int line, QString &) const override { return m_buffer->line(line); }
    // The whole text comes back shared with the buffer, not copied.
    [[nodiscard]] QString text(TextPos start, TextPos length) const override;
    [[nodiscard]] int longestLine() const override { return m_buffer->longestLine(); }

private:
    std::shared_ptr<const TextBuffer> m_buffer;
};

} // namespace quillon
