// The global keyboard and mouse state read straight from the X server over a connection
// of its own, so that the Pause key is seen even while no events are pumped. Without an
// X server every key reads as up and the cursor stands at 0,0.
#pragma once

#include <vector>

#include "platform/keys.h"

namespace zerin::linux_platform {

// The X keysyms that stand for a Windows virtual-key code (several for Shift, Ctrl and
// Alt, which have left and right keys); empty for a code Zerin does not map.
std::vector<unsigned long> keysymsForVirtualKey(int virtualKey);

// True when the X server named by DISPLAY accepts a connection.
bool x11DisplayReachable();

class X11KeyState : public KeyState {
public:
    X11KeyState();
    ~X11KeyState() override;
    X11KeyState(const X11KeyState&) = delete;
    X11KeyState& operator=(const X11KeyState&) = delete;

    bool available() { return connect(); }
    bool asyncKeyState(int virtualKey) override;
    Point cursorPos() override;
    void setCursorPos(Point p) override;
    int mouseButtons() override;

private:
    bool connect();
    void* m_display = nullptr;  // Display*, kept out of the header
    bool m_tried = false;
};

}  // namespace zerin::linux_platform
