// Other applications' top-level windows: found by handle or by a part of their title,
// moved, and brought to the front. On Linux this is the X11 window manager's client list;
// without X11 (offscreen, Wayland) nothing is found and nothing is done.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zerin {

using WindowHandle = std::uint64_t;  // 0 = no window

// A top-level window as the window manager lists it.
struct TopLevelWindow {
    WindowHandle handle = 0;
    std::string title;  // UTF-8; empty when it has none
    // Shown to the user (mapped or minimised), not a desktop, a panel or a window that
    // keeps itself out of task lists.
    bool visible = false;
};

// A window's icon: width x height pixels, 0xAARRGGBB, row by row.
struct WindowIcon {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

class WindowList {
public:
    virtual ~WindowList() = default;
    // Whether other windows can be listed and switched to here at all.
    virtual bool available() { return false; }
    // Every top-level window, in the window manager's order (oldest first).
    virtual std::vector<TopLevelWindow> topLevelWindows() { return {}; }
    // The window's icon nearest to `size` pixels; empty when it has none.
    virtual WindowIcon icon(WindowHandle window, int size) {
        (void)window;
        (void)size;
        return {};
    }
    // The first top-level window whose non-empty title contains `part`, ignoring case.
    virtual WindowHandle findByTitle(std::string_view part) = 0;
    // Moves and sizes the window; false when there is no such window.
    virtual bool move(WindowHandle window, int x, int y, int width, int height) = 0;
    // Restores a minimised window and activates it.
    virtual bool setFocus(WindowHandle window) = 0;
};

}  // namespace zerin
