#pragma once
// Other programs' windows on an X11 desktop, through xcb on a connection of
// its own (so it works whatever Qt's platform is). The window manager's EWMH
// lists give the windows and their stacking; activating, closing and
// minimising go through it as a pager would, so it may not refuse them.
//
// Handing data to a window (the show-in-filer message): the data goes into
// the property _QUILLON_COPYDATA (type _QUILLON_COPYDATA, format 8) of the
// receiving window, then a client message of the same type tells it, with
// data32 = {sender window, tag, size in bytes, property atom, 0}. The receiver
// reads the property and deletes it; the deletion is the answer the sender
// waits for, so the send returns once the data has been taken.
#include "WindowSystem.h"

#include <QByteArray>
#include <array>

struct xcb_connection_t;

namespace quillon {

class X11WindowSystem final : public WindowSystem {
public:
    // display: as $DISPLAY names one; empty: $DISPLAY itself.
    explicit X11WindowSystem(const QByteArray &display = {});
    ~X11WindowSystem() override;
    X11WindowSystem(const X11WindowSystem &) = delete;
    X11WindowSystem &operator=(const X11WindowSystem &) = delete;

    bool available() const override { return m_c != nullptr; }
    QList<TopWindow> topLevelWindows() override;
    WindowHandle foreground() override;
    void setForeground(WindowHandle window) override;
    bool isIconic(WindowHandle window) override;
    void restore(WindowHandle window) override;
    void close(WindowHandle window) override;
    bool sendData(WindowHandle window, WindowHandle sender, quint32 tag, const QByteArray &data) override;

    // How long a send waits for the receiver to take the data.
    static constexpr int SendTimeoutMs = 1500;

    enum Atom : int {
        NetClientListStacking, NetClientList, NetWmName, Utf8String, NetActiveWindow, NetWmState,
        NetWmStateHidden, WmState, NetCloseWindow, WmProtocols, WmDeleteWindow, NetSupportingWmCheck,
        CopyData, AtomCount
    };

private:
    [[nodiscard]] QList<quint32> windowList(quint32 owner, int atom, bool *found);
    [[nodiscard]] QString title(quint32 window);
    [[nodiscard]] bool hasWindowManager();
    void rootMessage(quint32 window, int type, const std::array<quint32, 5> &data);
    bool waitForDeletion(quint32 window);

    xcb_connection_t *m_c = nullptr;
    quint32 m_root = 0;
    std::array<quint32, AtomCount> m_atoms{};
};

} // namespace quillon
