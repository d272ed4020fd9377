#include "HexDumpSession.h"

namespace quillon {

void HexDumpSession::reset()
{
    m_built = false;
    m_pageIndex = 0;
    m_range = {};
}

std::optional<qint64> HexDumpSession::pageFor(PageCommand command) const
{
    if (m_mode != Mode::Pages || m_busy || !m_built)
        return std::nullopt;
    const qint64 last = HexPaging::lastPage(m_readFileSize);
    switch (command) {
    case PageCommand::First:
    case PageCommand::Previous:
        if (m_pageIndex <= 0)
            return std::nullopt;
        return command == PageCommand::First ? 0 : m_pageIndex - 1;
    case PageCommand::Next:
    case PageCommand::Last:
        if (m_pageIndex >= last)
            return std::nullopt;
        return command == PageCommand::Last ? last : m_pageIndex + 1;
    }
    return std::nullopt;
}

HexRange HexDumpSession::build(qint64 fileSize)
{
    m_readFileSize = fileSize;
    m_range = m_mode == Mode::WholeFile ? HexPaging::wholeFile(fileSize) : HexPaging::page(m_pageIndex, fileSize);
    m_built = true;
    return m_range;
}

} // namespace quillon
