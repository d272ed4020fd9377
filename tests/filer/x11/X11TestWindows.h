#pragma once
// Windows of "another program" on a real X server, for the X11 contract test
// and the test filer: a connection of their own, served by a thread that
// takes handed data (reads and deletes the property, which answers the
// sender), closes a window asked to close, and reports both.
#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <mutex>
#include <set>
#include <thread>

struct xcb_connection_t;

namespace quillon::test {

class X11TestWindows {
public:
    struct Data {
        quint32 window = 0;
        quint32 sender = 0;
        quint32 tag = 0;
        quint32 size = 0; // as the message says
        QByteArray bytes; // as the property holds them
    };
    // Both run on the serving thread.
    std::function<void(const Data &)> onData;
    std::function<void(quint32 window)> onClosed;

    X11TestWindows();
    ~X11TestWindows();
    X11TestWindows(const X11TestWindows &) = delete;
    X11TestWindows &operator=(const X11TestWindows &) = delete;

    [[nodiscard]] bool connected() const { return m_c != nullptr; }
    // A mapped top-level window with the title (UTF-8 _NET_WM_NAME and WM_NAME).
    quint32 open(const QString &title);
    // Asks the window manager to minimise it (ICCCM WM_CHANGE_STATE).
    void minimise(quint32 window);
    void destroy(quint32 window);
    [[nodiscard]] bool isOpen(quint32 window);
    // WM_STATE says Iconic (read on this connection).
    [[nodiscard]] bool iconic(quint32 window);
    // Waits (up to 5 s) until the window manager lists the window.
    bool waitManaged(quint32 window);
    [[nodiscard]] QList<Data> taken(quint32 window);

private:
    void serve();
    quint32 atom(const char *name);

    xcb_connection_t *m_c = nullptr;
    quint32 m_root = 0;
    quint32 m_wakeWindow = 0;
    std::mutex m_mutex;
    std::set<quint32> m_open;
    QList<Data> m_taken;
    std::thread m_thread;
};

} // namespace quillon::test
