#include "TextBufferSource.h"

#include <algorithm>

namespace quillon {

TextBufferSource::TextBufferSource(std::shared_ptr<const TextBuffer> buffer)
    : m_buffer(buffer ? std::move(buffer) : std::make_shared<const TextBuffer>())
{
}

QString TextBufferSource::text(int start, int length) const
{
    const int total = m_buffer->length();
    start = std::clamp(start, 0, total);
    length = int(std::clamp<qint64>(length, 0, total - start));
    return m_buffer->text().mid(start, length);
}

} // namespace quillon
