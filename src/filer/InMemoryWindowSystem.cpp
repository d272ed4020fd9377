#include "InMemoryWindowSystem.h"

namespace quillon {

int InMemoryWindowSystem::indexOf(WindowHandle window) const
{
    for (int i = 0; i < int(m_windows.size()); ++i) {
        if (m_windows[i].handle == window)
            return i;
    }
    return -1;
}

WindowHandle InMemoryWindowSystem::addWindow(const QString &title)
{
    const WindowHandle handle = m_next;
    m_next += 0x200000; // handles are sparse, as a server's are
    m_windows.prepend({handle, title});
    m_foreground = handle;
    return handle;
}

void InMemoryWindowSystem::removeWindow(WindowHandle window)
{
    const int i = indexOf(window);
    if (i < 0)
        return;
    m_windows.removeAt(i);
    if (m_foreground == window)
        m_foreground = m_windows.isEmpty() ? 0 : m_windows.first().handle;
}

void InMemoryWindowSystem::minimise(WindowHandle window)
{
    const int i = indexOf(window);
    if (i < 0)
        return;
    m_windows[i].iconic = true;
    if (m_foreground == window)
        m_foreground = 0;
}

bool InMemoryWindowSystem::exists(WindowHandle window) const
{
    return indexOf(window) >= 0;
}

QList<TopWindow> InMemoryWindowSystem::topLevelWindows()
{
    QList<TopWindow> list;
    for (const Window &w : m_windows)
        list.append({w.handle, w.title});
    return list;
}

void InMemoryWindowSystem::setForeground(WindowHandle window)
{
    const int i = indexOf(window);
    if (i < 0)
        return;
    // A minimised window comes forward only once restored.
    m_windows.move(i, 0);
    if (!m_windows.first().iconic)
        m_foreground = window;
}

bool InMemoryWindowSystem::isIconic(WindowHandle window)
{
    const int i = indexOf(window);
    return i >= 0 && m_windows[i].iconic;
}

void InMemoryWindowSystem::restore(WindowHandle window)
{
    const int i = indexOf(window);
    if (i < 0)
        return;
    m_windows[i].iconic = false;
    m_windows.move(i, 0);
    m_foreground = window;
}

void InMemoryWindowSystem::close(WindowHandle window)
{
    if (!exists(window))
        return;
    closeRequests.append(window);
    removeWindow(window);
}

bool InMemoryWindowSystem::sendData(WindowHandle window, WindowHandle sender, quint32 tag, const QByteArray &data)
{
    if (!exists(window))
        return false;
    received.append({window, sender, tag, data});
    if (onData)
        onData(received.last());
    return true;
}

} // namespace quillon
