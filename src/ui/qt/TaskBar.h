// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace vindel::qt {

// Keeps a window that is about to be shown off the task bar. On X11 it marks
// the window _NET_WM_STATE_SKIP_TASKBAR, which the window manager reads when
// it maps the window and drops when the window is hidden, so it is called
// before every showing. Elsewhere (Wayland) the desktop decides from the
// window's owner, and this does nothing.
void KeepOffTaskBar(QWidget& window);

}  // namespace vindel::qt
