#include "TextLoadProgress.h"

namespace quillon {

void TextLoadProgress::publish(const TextShown &shown)
{
    {
        std::lock_guard lock(m_mutex);
        if (shown.lines <= m_shown.lines)
            return;
        m_shown = shown;
        m_shown.era = m_era;
    }
    m_changed.notify_all();
}

void TextLoadProgress::withdraw()
{
    {
        std::lock_guard lock(m_mutex);
        m_shown = TextShown{};
        m_shown.era = ++m_era;
    }
    m_changed.notify_all();
}

void TextLoadProgress::end()
{
    std::function<void()> callback;
    {
        std::lock_guard lock(m_mutex);
        m_ended.store(true, std::memory_order_release);
        callback = std::move(m_whenEnded);
    }
    m_changed.notify_all();
    if (callback)
        callback();
}

void TextLoadProgress::whenEnded(std::function<void()> callback)
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_ended.load(std::memory_order_relaxed)) {
            m_whenEnded = std::move(callback);
            return;
        }
    }
    callback();
}

TextShown TextLoadProgress::shown() const
{
    std::lock_guard lock(m_mutex);
    return m_shown;
}

void TextLoadProgress::waitShown(int lines, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, timeout, [&] { return m_ended.load(std::memory_order_relaxed) || m_shown.lines >= lines; });
}

} // namespace quillon
