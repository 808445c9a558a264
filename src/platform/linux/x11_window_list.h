// Other applications' windows through X11 and the window manager's EWMH hints. Opens its
// own display connection on first use; without an X server it finds nothing.
#pragma once

#include <string>
#include <vector>

#include "platform/windows.h"

struct _XDisplay;

namespace zerin::platform {

class X11WindowList : public WindowList {
public:
    X11WindowList() = default;
    ~X11WindowList() override;
    X11WindowList(const X11WindowList&) = delete;
    X11WindowList& operator=(const X11WindowList&) = delete;

    bool available() override { return display() != nullptr; }
    std::vector<TopLevelWindow> topLevelWindows() override;
    WindowIcon icon(WindowHandle window, int size) override;
    WindowHandle findByTitle(std::string_view part) override;
    bool move(WindowHandle window, int x, int y, int width, int height) override;
    bool setFocus(WindowHandle window) override;

private:
    _XDisplay* display();
    std::vector<unsigned long> clientList();
    std::string title(unsigned long window);
    bool shown(unsigned long window);
    bool known(WindowHandle window);

    _XDisplay* m_display = nullptr;
    bool m_tried = false;
};

}  // namespace zerin::platform
