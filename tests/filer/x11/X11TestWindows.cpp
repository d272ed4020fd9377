#include "X11TestWindows.h"

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>

namespace quillon::test {

X11TestWindows::X11TestWindows()
{
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (!c || xcb_connection_has_error(c)) {
        if (c)
            xcb_disconnect(c);
        return;
    }
    m_c = c;
    m_root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    // An unmapped window of our own that wakes the serving thread to stop it.
    m_wakeWindow = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, m_wakeWindow, m_root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_flush(c);
    m_thread = std::thread([this] { serve(); });
}

X11TestWindows::~X11TestWindows()
{
    if (!m_c)
        return;
    xcb_client_message_event_t stop{};
    stop.response_type = XCB_CLIENT_MESSAGE;
    stop.format = 32;
    stop.window = m_wakeWindow;
    stop.type = atom("_QUILLON_TEST_STOP");
    xcb_send_event(m_c, 0, m_wakeWindow, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&stop));
    xcb_flush(m_c);
    m_thread.join();
    xcb_disconnect(m_c);
}

quint32 X11TestWindows::atom(const char *name)
{
    auto *r = xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const quint32 a = r ? r->atom : 0;
    std::free(r);
    return a;
}

quint32 X11TestWindows::open(const QString &title)
{
    const xcb_window_t w = xcb_generate_id(m_c);
    const uint32_t values[] = {0xFFFFFF, XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE};
    xcb_create_window(m_c, XCB_COPY_FROM_PARENT, w, m_root, 50, 50, 320, 120, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
    const QByteArray utf8 = title.toUtf8();
    xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, w, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 8,
                        uint32_t(utf8.size()), utf8.constData());
    xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        uint32_t(utf8.size()), utf8.constData());
    const xcb_atom_t deleteWindow = atom("WM_DELETE_WINDOW");
    xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, w, atom("WM_PROTOCOLS"), XCB_ATOM_ATOM, 32, 1, &deleteWindow);
    {
        std::lock_guard lock(m_mutex);
        m_open.insert(w);
    }
    xcb_map_window(m_c, w);
    xcb_flush(m_c);
    return w;
}

void X11TestWindows::minimise(quint32 window)
{
    xcb_client_message_event_t e{};
    e.response_type = XCB_CLIENT_MESSAGE;
    e.format = 32;
    e.window = window;
    e.type = atom("WM_CHANGE_STATE");
    e.data.data32[0] = 3; // IconicState
    xcb_send_event(m_c, 0, m_root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&e));
    xcb_flush(m_c);
}

void X11TestWindows::destroy(quint32 window)
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_open.erase(window))
            return;
    }
    xcb_destroy_window(m_c, window);
    xcb_flush(m_c);
}

bool X11TestWindows::iconic(quint32 window)
{
    const quint32 wmState = atom("WM_STATE");
    auto *r = xcb_get_property_reply(m_c, xcb_get_property(m_c, 0, window, wmState, wmState, 0, 2), nullptr);
    const bool result = r && r->format == 32 && xcb_get_property_value_length(r) >= 4
        && *static_cast<const quint32 *>(xcb_get_property_value(r)) == 3;
    std::free(r);
    return result;
}

bool X11TestWindows::isOpen(quint32 window)
{
    std::lock_guard lock(m_mutex);
    return m_open.count(window) > 0;
}

bool X11TestWindows::waitManaged(quint32 window)
{
    const xcb_atom_t clientList = atom("_NET_CLIENT_LIST");
    for (int tries = 0; tries < 250; ++tries) {
        auto *r = xcb_get_property_reply(
            m_c, xcb_get_property(m_c, 0, m_root, clientList, XCB_ATOM_WINDOW, 0, 4096), nullptr);
        bool listed = false;
        if (r) {
            const auto *w = static_cast<const xcb_window_t *>(xcb_get_property_value(r));
            for (int i = 0; i < xcb_get_property_value_length(r) / 4; ++i)
                listed = listed || w[i] == window;
            std::free(r);
        }
        if (listed)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

QList<X11TestWindows::Data> X11TestWindows::taken(quint32 window)
{
    std::lock_guard lock(m_mutex);
    QList<Data> list;
    for (const Data &d : m_taken) {
        if (d.window == window)
            list.append(d);
    }
    return list;
}

void X11TestWindows::serve()
{
    const xcb_atom_t stop = atom("_QUILLON_TEST_STOP");
    const xcb_atom_t protocols = atom("WM_PROTOCOLS");
    const xcb_atom_t deleteWindow = atom("WM_DELETE_WINDOW");
    const xcb_atom_t copyData = atom("_QUILLON_COPYDATA");
    while (xcb_generic_event_t *event = xcb_wait_for_event(m_c)) {
        const int type = event->response_type & 0x7F;
        if (type != XCB_CLIENT_MESSAGE) {
            std::free(event);
            continue;
        }
        const auto m = *reinterpret_cast<const xcb_client_message_event_t *>(event);
        std::free(event);
        if (m.type == stop)
            return;
        if (m.type == protocols && m.data.data32[0] == deleteWindow) {
            destroy(m.window);
            if (onClosed)
                onClosed(m.window);
        } else if (m.type == copyData) {
            Data d{m.window, m.data.data32[0], m.data.data32[1], m.data.data32[2], {}};
            auto *r = xcb_get_property_reply(
                m_c, xcb_get_property(m_c, 0, m.window, m.data.data32[3], XCB_GET_PROPERTY_TYPE_ANY, 0, 1u << 20),
                nullptr);
            if (r) {
                d.bytes = QByteArray(static_cast<const char *>(xcb_get_property_value(r)),
                                     xcb_get_property_value_length(r));
                std::free(r);
            }
            {
                std::lock_guard lock(m_mutex);
                m_taken.append(d);
            }
            if (onData)
                onData(d);
            // Deleting the property answers the sender: only once it is handled.
            xcb_delete_property(m_c, m.window, m.data.data32[3]);
            xcb_flush(m_c);
        }
    }
}

} // namespace quillon::test
