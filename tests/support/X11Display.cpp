// SPDX-License-Identifier: MIT
#include "X11Display.h"

#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace vindel::testing {
namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

}  // namespace

X11Display::X11Display() : connection_(xcb_connect(nullptr, nullptr)) {}

X11Display::~X11Display() {
    xcb_disconnect(connection_);
}

bool X11Display::Connected() const {
    return xcb_connection_has_error(connection_) == 0;
}

xcb_window_t X11Display::Id(const QWidget& window) {
    return static_cast<xcb_window_t>(window.winId());
}

xcb_window_t X11Display::Root() const {
    return xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
}

xcb_atom_t X11Display::Atom(const char* name) {
    const ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection_,
        xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::vector<std::uint32_t> X11Display::Property(xcb_window_t window, const char* property,
                                                xcb_atom_t type) {
    const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, Atom(property), type, 0, 4096),
        nullptr));
    if (reply == nullptr || reply->format != 32)
        return {};
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

QStringList X11Display::AtomNames(xcb_window_t window, const char* property) {
    QStringList names;
    for (const std::uint32_t atom : Property(window, property, XCB_ATOM_ATOM)) {
        const ReplyPtr<xcb_get_atom_name_reply_t> reply(
            xcb_get_atom_name_reply(connection_, xcb_get_atom_name(connection_, atom), nullptr));
        if (reply != nullptr) {
            names << QString::fromLatin1(xcb_get_atom_name_name(reply.get()),
                                         xcb_get_atom_name_name_length(reply.get()));
        }
    }
    return names;
}

xcb_window_t X11Display::WindowProperty(xcb_window_t window, const char* property) {
    const auto values = Property(window, property, XCB_ATOM_WINDOW);
    return values.empty() ? 0 : values.front();
}

QString X11Display::TextProperty(xcb_window_t window, const char* property) {
    const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection_,
        xcb_get_property(connection_, 0, window, Atom(property), Atom("UTF8_STRING"), 0, 4096),
        nullptr));
    if (reply == nullptr || reply->format != 8)
        return {};
    return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply.get())),
                             xcb_get_property_value_length(reply.get()));
}

std::vector<xcb_window_t> X11Display::Stacking() {
    return Property(Root(), "_NET_CLIENT_LIST_STACKING", XCB_ATOM_WINDOW);
}

xcb_window_t X11Display::ManagedWindowOf(long long pid) {
    for (const xcb_window_t window : Property(Root(), "_NET_CLIENT_LIST", XCB_ATOM_WINDOW)) {
        const auto owner = Property(window, "_NET_WM_PID", XCB_ATOM_CARDINAL);
        if (!owner.empty() && owner.front() == pid)
            return window;
    }
    return 0;
}

bool X11Display::Viewable(xcb_window_t window) {
    const ReplyPtr<xcb_get_window_attributes_reply_t> reply(xcb_get_window_attributes_reply(
        connection_, xcb_get_window_attributes(connection_, window), nullptr));
    return reply != nullptr && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

QRect X11Display::Geometry(xcb_window_t window) {
    const ReplyPtr<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
    const ReplyPtr<xcb_translate_coordinates_reply_t> origin(xcb_translate_coordinates_reply(
        connection_, xcb_translate_coordinates(connection_, window, Root(), 0, 0), nullptr));
    if (geometry == nullptr || origin == nullptr)
        return {};
    return {origin->dst_x, origin->dst_y, geometry->width, geometry->height};
}

QImage X11Display::Grab(const QRect& area) {
    const ReplyPtr<xcb_get_image_reply_t> reply(xcb_get_image_reply(
        connection_,
        xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, Root(),
                      static_cast<std::int16_t>(area.x()), static_cast<std::int16_t>(area.y()),
                      static_cast<std::uint16_t>(area.width()),
                      static_cast<std::uint16_t>(area.height()), ~0u),
        nullptr));
    // The test display is 24 bits deep, 32 bits a pixel, as QImage's RGB32.
    if (reply == nullptr || reply->depth != 24 ||
        xcb_get_image_data_length(reply.get()) != area.width() * area.height() * 4)
        return {};
    const QImage image(xcb_get_image_data(reply.get()), area.width(), area.height(),
                       area.width() * 4, QImage::Format_RGB32);
    return image.copy();
}

void X11Display::RequestClose(xcb_window_t window) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = Atom("_NET_CLOSE_WINDOW");
    message.data.data32[0] = XCB_CURRENT_TIME;
    message.data.data32[1] = 2;  // from a pager, as for the operator's own click
    xcb_send_event(connection_, 0, Root(),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
}

void X11Display::ReserveBottomStrip(int height) {
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    const xcb_window_t dock = xcb_generate_id(connection_);
    const int top = screen->height_in_pixels - height;
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, dock, screen->root, 0,
                      static_cast<std::int16_t>(top), screen->width_in_pixels,
                      static_cast<std::uint16_t>(height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      screen->root_visual, 0, nullptr);
    const xcb_atom_t dockType = Atom("_NET_WM_WINDOW_TYPE_DOCK");
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, dock, Atom("_NET_WM_WINDOW_TYPE"),
                        XCB_ATOM_ATOM, 32, 1, &dockType);
    // left, right, top, bottom, then the start and end of each strip.
    const std::uint32_t strut[12] = {0, 0, 0, static_cast<std::uint32_t>(height), 0, 0, 0, 0,
                                     0, 0, 0, screen->width_in_pixels - 1u};
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, dock, Atom("_NET_WM_STRUT_PARTIAL"),
                        XCB_ATOM_CARDINAL, 32, 12, strut);
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, dock, Atom("_NET_WM_STRUT"),
                        XCB_ATOM_CARDINAL, 32, 4, strut);
    xcb_map_window(connection_, dock);
    xcb_flush(connection_);
}

QRect X11Display::WorkArea() {
    const auto area = Property(Root(), "_NET_WORKAREA", XCB_ATOM_CARDINAL);
    if (area.size() < 4)
        return {};
    return {static_cast<int>(area[0]), static_cast<int>(area[1]), static_cast<int>(area[2]),
            static_cast<int>(area[3])};
}

}  // namespace vindel::testing
