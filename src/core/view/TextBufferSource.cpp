#include "TextBufferSource.h"

#include <algorithm>

namespace quillon {

TextBufferSource::TextBufferSource(std::shared_ptr<const TextBuffer> buffer)
    : m_buffer(buffer ? std::move(buffer) : std::make_shared<const TextBuffer>())
{
}

QString TextBufferSource::text(TextPos start, TextPos length) const
{
    const TextPos total = m_buffer->length();
    start = std::clamp<TextPos>(start, 0, total);
    length = std::clamp<TextPos>(length, 0, total - start);
    return m_buffer->text().mid(qsizetype(start), qsizetype(length));
}

} // namespace quillon
