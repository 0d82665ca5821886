// SPDX-License-Identifier: MIT
#include "ui/qt/TaskBar.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef VINDEL_X11
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#endif

namespace vindel::qt {

#ifdef VINDEL_X11
namespace {

// xcb hands out replies allocated with malloc.
struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// Whether the window's _NET_WM_STATE already holds the state.
bool HasState(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
              xcb_atom_t state) {
    const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_ATOM, 0, 1024),
        nullptr));
    if (reply == nullptr || reply->format != 32)
        return false;
    const auto* states = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    return std::find(states, states + count, state) != states + count;
}

}  // namespace
#endif

void KeepOffTaskBar([[maybe_unused]] QWidget& window) {
#ifdef VINDEL_X11
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return;
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t property = Atom(connection, "_NET_WM_STATE");
    const xcb_atom_t skipTaskBar = Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (property == XCB_ATOM_NONE || skipTaskBar == XCB_ATOM_NONE ||
        HasState(connection, id, property, skipTaskBar))
        return;
    // Added to what is there: the toolkit keeps its own states in it too.
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, property, XCB_ATOM_ATOM, 32, 1,
                        &skipTaskBar);
    xcb_flush(connection);
#endif
}

}  // namespace vindel::qt
