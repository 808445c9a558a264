// Other applications' top-level windows: found by handle or by a part of their title,
// moved, and brought to the front. On Linux this is the X11 window manager's client list;
// without X11 (offscreen, Wayland) nothing is found and nothing is done.
#pragma once

#include <cstdint>
#include <string_view>

namespace zerin {

using WindowHandle = std::uint64_t;  // 0 = no window

class WindowList {
public:
    virtual ~WindowList() = default;
    // The first top-level window whose non-empty title contains `part`, ignoring case.
    virtual WindowHandle findByTitle(std::string_view part) = 0;
    // Moves and sizes the window; false when there is no such window.
    virtual bool move(WindowHandle window, int x, int y, int width, int height) = 0;
    // Restores a minimised window and activates it.
    virtual bool setFocus(WindowHandle window) = 0;
};

}  // namespace zerin
