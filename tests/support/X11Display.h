// SPDX-License-Identifier: MIT
#pragma once

#include <xcb/xcb.h>

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

namespace vindel::testing {

// A connection of its own to the X server of $DISPLAY, for reading what the
// window manager and the server know of the windows: properties, stacking,
// mapping and pixels. Any thread may make one.
class X11Display final {
  public:
    X11Display();
    ~X11Display();
    X11Display(const X11Display&) = delete;
    X11Display& operator=(const X11Display&) = delete;

    // Whether the connection works.
    bool Connected() const;

    // The X11 id of a window of this program.
    static xcb_window_t Id(const QWidget& window);

    // The names in an ATOM list property, such as _NET_WM_STATE.
    QStringList AtomNames(xcb_window_t window, const char* property);
    // A WINDOW property, such as WM_TRANSIENT_FOR; 0 when it is absent.
    xcb_window_t WindowProperty(xcb_window_t window, const char* property);
    // A UTF-8 text property, such as _NET_WM_NAME.
    QString TextProperty(xcb_window_t window, const char* property);
    // The managed windows, bottom to top, as the window manager stacks them.
    std::vector<xcb_window_t> Stacking();
    // The managed window that the process `pid` made; 0 while there is none.
    xcb_window_t ManagedWindowOf(long long pid);
    // Whether the window is mapped with all its ancestors.
    bool Viewable(xcb_window_t window);
    // The window's inside, in screen coordinates.
    QRect Geometry(xcb_window_t window);
    // The pixels on the screen, whatever window shows them.
    QImage Grab(const QRect& area);
    // Asks the window manager to close the window, as its close box does.
    void RequestClose(xcb_window_t window);
    // Maps a dock along the bottom of the screen, `height` pixels high, that
    // reserves its strip as a desktop panel does; it lasts as long as the
    // connection.
    void ReserveBottomStrip(int height);
    // The work area the window manager gives (_NET_WORKAREA of the first
    // desktop), in pixels; empty without one.
    QRect WorkArea();

  private:
    xcb_atom_t Atom(const char* name);
    std::vector<std::uint32_t> Property(xcb_window_t window, const char* property, xcb_atom_t type);
    xcb_window_t Root() const;

    xcb_connection_t* connection_;
};

}  // namespace vindel::testing
