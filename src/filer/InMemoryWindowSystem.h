#pragma once
// A desktop in memory for tests: windows with titles in a stacking order,
// one of them in front, minimised or not. A window takes data at once and
// keeps it; a test may act as its owner when data arrives (a filer that
// opens its viewer) through onData.
#include "WindowSystem.h"

#include <functional>

namespace quillon {

class InMemoryWindowSystem final : public WindowSystem {
public:
    struct Received {
        WindowHandle window = 0;
        WindowHandle sender = 0;
        quint32 tag = 0;
        QByteArray data;
    };

    // A new window on top of the others, in front.
    WindowHandle addWindow(const QString &title);
    void removeWindow(WindowHandle window);
    void minimise(WindowHandle window);
    [[nodiscard]] bool exists(WindowHandle window) const;

    bool available() const override { return true; }
    QList<TopWindow> topLevelWindows() override;
    WindowHandle foreground() override { return m_foreground; }
    void setForeground(WindowHandle window) override;
    bool isIconic(WindowHandle window) override;
    void restore(WindowHandle window) override;
    void close(WindowHandle window) override;
    bool sendData(WindowHandle window, WindowHandle sender, quint32 tag, const QByteArray &data) override;

    QList<Received> received;
    QList<WindowHandle> closeRequests;
    std::function<void(const Received &)> onData;

private:
    struct Window {
        WindowHandle handle;
        QString title;
        bool iconic = false;
    };
    int indexOf(WindowHandle window) const;
    QList<Window> m_windows; // topmost first
    WindowHandle m_foreground = 0;
    WindowHandle m_next = 0x400001;
};

} // namespace quillon
