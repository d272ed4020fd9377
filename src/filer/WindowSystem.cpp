#include "WindowSystem.h"

#include "X11WindowSystem.h"

namespace quillon {

namespace {

WindowSystem *g_testing = nullptr;

// Without X11 there is nobody to ask.
class NoWindowSystem final : public WindowSystem {
public:
    bool available() const override { return false; }
    QList<TopWindow> topLevelWindows() override { return {}; }
    WindowHandle foreground() override { return 0; }
    void setForeground(WindowHandle) override {}
    bool isIconic(WindowHandle) override { return false; }
    void restore(WindowHandle) override {}
    void close(WindowHandle) override {}
    bool sendData(WindowHandle, WindowHandle, quint32, const QByteArray &) override { return false; }
};

} // namespace

WindowSystem &WindowSystem::desktop()
{
    if (g_testing)
        return *g_testing;
    static const std::unique_ptr<WindowSystem> system = [] () -> std::unique_ptr<WindowSystem> {
        auto x11 = std::make_unique<X11WindowSystem>();
        if (x11->available())
            return x11;
        return std::make_unique<NoWindowSystem>();
    }();
    return *system;
}

WindowSystem &WindowSystem::none()
{
    static NoWindowSystem system;
    return system;
}

void WindowSystem::setForTesting(WindowSystem *system)
{
    g_testing = system;
}

bool WindowSystem::isReplacedForTesting()
{
    return g_testing != nullptr;
}

} // namespace quillon
