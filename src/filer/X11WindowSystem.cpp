#include "X11WindowSystem.h"

#include <QDeadlineTimer>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>

namespace quillon {

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> owned(T *p)
{
    return Reply<T>(p, &std::free);
}

constexpr const char *atomNames[X11WindowSystem::AtomCount] = {
    "_NET_CLIENT_LIST_STACKING", "_NET_CLIENT_LIST", "_NET_WM_NAME", "UTF8_STRING", "_NET_ACTIVE_WINDOW",
    "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN", "WM_STATE", "_NET_CLOSE_WINDOW", "WM_PROTOCOLS",
    "WM_DELETE_WINDOW", "_NET_SUPPORTING_WM_CHECK", "_QUILLON_COPYDATA",
};

// A request to the window manager comes from a pager: it is the user's wish.
constexpr quint32 sourcePager = 2;
constexpr quint32 iconicState = 3; // ICCCM WM_STATE

} // namespace

X11WindowSystem::X11WindowSystem(const QByteArray &display)
{
    int screenNumber = 0;
    xcb_connection_t *c = xcb_connect(display.isEmpty() ? nullptr : display.constData(), &screenNumber);
    if (!c || xcb_connection_has_error(c)) {
        if (c)
            xcb_disconnect(c);
        return;
    }
    m_c = c;
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    m_root = it.data->root;

    std::array<xcb_intern_atom_cookie_t, AtomCount> cookies{};
    for (int i = 0; i < AtomCount; ++i)
        cookies[size_t(i)] = xcb_intern_atom(c, 0, uint16_t(std::strlen(atomNames[i])), atomNames[i]);
    for (int i = 0; i < AtomCount; ++i) {
        if (auto r = owned(xcb_intern_atom_reply(c, cookies[size_t(i)], nullptr)))
            m_atoms[size_t(i)] = r->atom;
    }
}

X11WindowSystem::~X11WindowSystem()
{
    if (m_c)
        xcb_disconnect(m_c);
}

QList<quint32> X11WindowSystem::windowList(quint32 owner, int atom, bool *found)
{
    *found = false;
    QList<quint32> windows;
    xcb_get_property_cookie_t cookie =
        xcb_get_property(m_c, 0, owner, m_atoms[size_t(atom)], XCB_ATOM_WINDOW, 0, 1u << 20);
    xcb_generic_error_t *error = nullptr;
    auto reply = owned(xcb_get_property_reply(m_c, cookie, &error));
    std::free(error);
    if (!reply || reply->type != XCB_ATOM_WINDOW || reply->format != 32)
        return windows;
    *found = true;
    const auto *data = static_cast<const xcb_window_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < count; ++i)
        windows.append(data[i]);
    return windows;
}

QString X11WindowSystem::title(quint32 window)
{
    auto read = [this, window](xcb_atom_t property) {
        xcb_generic_error_t *error = nullptr;
        auto reply = owned(xcb_get_property_reply(
            m_c, xcb_get_property(m_c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 4096), &error));
        std::free(error);
        return reply;
    };
    if (auto r = read(m_atoms[NetWmName]); r && r->format == 8 && r->type == m_atoms[Utf8String]) {
        return QString::fromUtf8(static_cast<const char *>(xcb_get_property_value(r.get())),
                                 xcb_get_property_value_length(r.get()));
    }
    if (auto r = read(XCB_ATOM_WM_NAME); r && r->format == 8) {
        const auto *bytes = static_cast<const char *>(xcb_get_property_value(r.get()));
        const int length = xcb_get_property_value_length(r.get());
        // STRING is Latin-1 by ICCCM; some programs put UTF-8 there.
        return r->type == m_atoms[Utf8String] ? QString::fromUtf8(bytes, length) : QString::fromLatin1(bytes, length);
    }
    return QString();
}

QList<TopWindow> X11WindowSystem::topLevelWindows()
{
    QList<TopWindow> result;
    if (!m_c)
        return result;
    // Bottom to top in the stacking list; without it, in mapping order; with
    // no window manager at all, the root's mapped children.
    bool found = false;
    QList<quint32> windows = windowList(m_root, NetClientListStacking, &found);
    if (!found)
        windows = windowList(m_root, NetClientList, &found);
    if (!found) {
        auto tree = owned(xcb_query_tree_reply(m_c, xcb_query_tree(m_c, m_root), nullptr));
        if (tree) {
            const xcb_window_t *children = xcb_query_tree_children(tree.get());
            for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
                auto attributes = owned(
                    xcb_get_window_attributes_reply(m_c, xcb_get_window_attributes(m_c, children[i]), nullptr));
                if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE
                    && !attributes->override_redirect)
                    windows.append(children[i]);
            }
        }
    }
    std::reverse(windows.begin(), windows.end());
    for (quint32 w : windows)
        result.append({w, title(w)});
    return result;
}

WindowHandle X11WindowSystem::foreground()
{
    if (!m_c)
        return 0;
    bool found = false;
    const QList<quint32> active = windowList(m_root, NetActiveWindow, &found);
    if (!active.isEmpty())
        return active.first();
    auto focus = owned(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
    return focus && focus->focus > XCB_INPUT_FOCUS_POINTER_ROOT ? focus->focus : 0;
}

bool X11WindowSystem::hasWindowManager()
{
    bool found = false;
    return !windowList(m_root, NetSupportingWmCheck, &found).isEmpty();
}

void X11WindowSystem::rootMessage(quint32 window, int type, const std::array<quint32, 5> &data)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = m_atoms[size_t(type)];
    std::copy(data.begin(), data.end(), event.data.data32);
    xcb_send_event(m_c, 0, m_root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
}

void X11WindowSystem::setForeground(WindowHandle window)
{
    if (!m_c || window == 0 || window > 0xFFFFFFFFu)
        return;
    const auto w = xcb_window_t(window);
    if (hasWindowManager()) {
        rootMessage(w, NetActiveWindow, {sourcePager, XCB_CURRENT_TIME, 0, 0, 0});
    } else {
        const uint32_t above = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(m_c, w, XCB_CONFIG_WINDOW_STACK_MODE, &above);
        xcb_set_input_focus(m_c, XCB_INPUT_FOCUS_POINTER_ROOT, w, XCB_CURRENT_TIME);
    }
    xcb_flush(m_c);
}

bool X11WindowSystem::isIconic(WindowHandle window)
{
    if (!m_c || window == 0 || window > 0xFFFFFFFFu)
        return false;
    const auto w = xcb_window_t(window);
    xcb_generic_error_t *error = nullptr;
    auto state = owned(xcb_get_property_reply(
        m_c, xcb_get_property(m_c, 0, w, m_atoms[NetWmState], XCB_ATOM_ATOM, 0, 64), &error));
    std::free(error);
    if (state && state->format == 32) {
        const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(state.get()));
        const int count = xcb_get_property_value_length(state.get()) / 4;
        if (std::find(atoms, atoms + count, m_atoms[NetWmStateHidden]) != atoms + count)
            return true;
    }
    error = nullptr;
    auto wmState = owned(xcb_get_property_reply(
        m_c, xcb_get_property(m_c, 0, w, m_atoms[WmState], m_atoms[WmState], 0, 2), &error));
    std::free(error);
    if (wmState && wmState->format == 32 && xcb_get_property_value_length(wmState.get()) >= 4)
        return *static_cast<const quint32 *>(xcb_get_property_value(wmState.get())) == iconicState;
    return false;
}

void X11WindowSystem::restore(WindowHandle window)
{
    if (!m_c || window == 0 || window > 0xFFFFFFFFu)
        return;
    // Mapping an iconic window asks for its normal state (ICCCM 4.1.4).
    xcb_map_window(m_c, xcb_window_t(window));
    xcb_flush(m_c);
}

void X11WindowSystem::close(WindowHandle window)
{
    if (!m_c || window == 0 || window > 0xFFFFFFFFu)
        return;
    const auto w = xcb_window_t(window);
    if (hasWindowManager()) {
        rootMessage(w, NetCloseWindow, {XCB_CURRENT_TIME, sourcePager, 0, 0, 0});
    } else {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = w;
        event.type = m_atoms[WmProtocols];
        event.data.data32[0] = m_atoms[WmDeleteWindow];
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(m_c, 0, w, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
    }
    xcb_flush(m_c);
}

bool X11WindowSystem::sendData(WindowHandle window, WindowHandle sender, quint32 tag, const QByteArray &data)
{
    if (!m_c || window == 0 || window > 0xFFFFFFFFu)
        return false;
    const auto w = xcb_window_t(window);
    // A window that is gone takes nothing.
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    if (xcb_generic_error_t *error =
            xcb_request_check(m_c, xcb_change_window_attributes_checked(m_c, w, XCB_CW_EVENT_MASK, &mask))) {
        std::free(error);
        return false;
    }
    const xcb_atom_t atom = m_atoms[CopyData];
    xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, w, atom, atom, 8, uint32_t(data.size()), data.constData());
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = w;
    event.type = atom;
    event.data.data32[0] = quint32(sender);
    event.data.data32[1] = tag;
    event.data.data32[2] = quint32(data.size());
    event.data.data32[3] = atom;
    xcb_send_event(m_c, 0, w, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
    xcb_flush(m_c);
    const bool taken = waitForDeletion(w);
    const uint32_t none = XCB_EVENT_MASK_NO_EVENT;
    xcb_change_window_attributes(m_c, w, XCB_CW_EVENT_MASK, &none);
    if (!taken)
        xcb_delete_property(m_c, w, atom); // nobody read it: leave nothing behind
    xcb_flush(m_c);
    return taken;
}

bool X11WindowSystem::waitForDeletion(quint32 window)
{
    QDeadlineTimer deadline(SendTimeoutMs);
    const int fd = xcb_get_file_descriptor(m_c);
    while (!deadline.hasExpired()) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_c)) {
            const auto e = owned(event);
            if ((e->response_type & 0x7F) != XCB_PROPERTY_NOTIFY)
                continue;
            const auto *p = reinterpret_cast<const xcb_property_notify_event_t *>(e.get());
            if (p->window == window && p->atom == m_atoms[CopyData] && p->state == XCB_PROPERTY_DELETE)
                return true;
        }
        if (xcb_connection_has_error(m_c))
            return false;
        pollfd pfd{fd, POLLIN, 0};
        ::poll(&pfd, 1, int(std::max<qint64>(1, deadline.remainingTime())));
    }
    return false;
}

} // namespace quillon
