#include "platform/linux/x11_key_state.h"

#include <cstdlib>

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include "platform/linux/x11_library.h"

namespace zerin::linux_platform {

namespace {

Display* dpy(void* d) { return static_cast<Display*>(d); }

// Mouse "keys": 1 left, 2 right, 4 middle.
constexpr int kVkLButton = 0x01, kVkRButton = 0x02, kVkMButton = 0x04;

}  // namespace

std::vector<unsigned long> keysymsForVirtualKey(int vk) {
    if (vk >= '0' && vk <= '9') return {static_cast<unsigned long>(XK_0 + (vk - '0'))};
    if (vk >= 'A' && vk <= 'Z') return {static_cast<unsigned long>(XK_a + (vk - 'A'))};
    if (vk >= 0x60 && vk <= 0x69) return {static_cast<unsigned long>(XK_KP_0 + (vk - 0x60))};
    if (vk >= 0x70 && vk <= 0x87) return {static_cast<unsigned long>(XK_F1 + (vk - 0x70))};
    switch (vk) {
        case 0x08: return {XK_BackSpace};
        case 0x09: return {XK_Tab};
        case 0x0D: return {XK_Return, XK_KP_Enter};
        case 0x10: return {XK_Shift_L, XK_Shift_R};
        case 0x11: return {XK_Control_L, XK_Control_R};
        case 0x12: return {XK_Alt_L, XK_Alt_R, XK_ISO_Level3_Shift};
        case 0x13: return {XK_Pause};
        case 0x14: return {XK_Caps_Lock};
        case 0x1B: return {XK_Escape};
        case 0x20: return {XK_space};
        case 0x21: return {XK_Prior};
        case 0x22: return {XK_Next};
        case 0x23: return {XK_End};
        case 0x24: return {XK_Home};
        case 0x25: return {XK_Left};
        case 0x26: return {XK_Up};
        case 0x27: return {XK_Right};
        case 0x28: return {XK_Down};
        case 0x2C: return {XK_Print};
        case 0x2D: return {XK_Insert};
        case 0x2E: return {XK_Delete};
        case 0x5B: return {XK_Super_L};
        case 0x5C: return {XK_Super_R};
        case 0x6A: return {XK_KP_Multiply};
        case 0x6B: return {XK_KP_Add};
        case 0x6D: return {XK_KP_Subtract};
        case 0x6E: return {XK_KP_Decimal};
        case 0x6F: return {XK_KP_Divide};
        case 0x90: return {XK_Num_Lock};
        case 0x91: return {XK_Scroll_Lock};
        case 0xA0: return {XK_Shift_L};
        case 0xA1: return {XK_Shift_R};
        case 0xA2: return {XK_Control_L};
        case 0xA3: return {XK_Control_R};
        case 0xA4: return {XK_Alt_L};
        case 0xA5: return {XK_Alt_R, XK_ISO_Level3_Shift};
        default: return {};
    }
}

namespace {

// Without a display named there is nothing to connect to: the X library is not even
// loaded, which alone costs a command-line run more than its script.
bool displayNamed() {
    const char* name = std::getenv("DISPLAY");
    return name && *name;
}

}  // namespace

bool x11DisplayReachable() {
    if (!displayNamed()) return false;
    Display* display = x11().XOpenDisplay(nullptr);
    if (!display) return false;
    x11().XCloseDisplay(display);
    return true;
}

X11KeyState::X11KeyState() = default;

X11KeyState::~X11KeyState() {
    if (m_display) x11().XCloseDisplay(dpy(m_display));
}

// The connection is made at the first question, not at start-up: most command-line runs
// never ask, and a connection costs more than the whole run.
bool X11KeyState::connect() {
    if (!m_tried) {
        m_tried = true;
        m_display = displayNamed() ? x11().XOpenDisplay(nullptr) : nullptr;
    }
    return m_display != nullptr;
}

bool X11KeyState::asyncKeyState(int vk) {
    if (!connect()) return false;
    if (vk == kVkLButton) return mouseButtons() & 1;
    if (vk == kVkRButton) return mouseButtons() & 2;
    if (vk == kVkMButton) return mouseButtons() & 4;
    std::vector<unsigned long> syms = keysymsForVirtualKey(vk);
    if (syms.empty()) return false;
    char keys[32];
    x11().XQueryKeymap(dpy(m_display), keys);
    for (unsigned long sym : syms) {
        KeyCode code = x11().XKeysymToKeycode(dpy(m_display), sym);
        if (code != 0 && (keys[code / 8] & (1 << (code % 8)))) return true;
    }
    return false;
}

Point X11KeyState::cursorPos() {
    if (!connect()) return {};
    Window root = DefaultRootWindow(dpy(m_display)), rootReturn, child;
    int rootX = 0, rootY = 0, winX = 0, winY = 0;
    unsigned int mask = 0;
    if (!x11().XQueryPointer(dpy(m_display), root, &rootReturn, &child, &rootX, &rootY, &winX, &winY, &mask)) return {};
    return {rootX, rootY};
}

void X11KeyState::setCursorPos(Point p) {
    if (!connect()) return;
    Window root = DefaultRootWindow(dpy(m_display));
    x11().XWarpPointer(dpy(m_display), None, root, 0, 0, 0, 0, p.x, p.y);
    x11().XFlush(dpy(m_display));
}

int X11KeyState::mouseButtons() {
    if (!connect()) return 0;
    Window root = DefaultRootWindow(dpy(m_display)), rootReturn, child;
    int rootX = 0, rootY = 0, winX = 0, winY = 0;
    unsigned int mask = 0;
    if (!x11().XQueryPointer(dpy(m_display), root, &rootReturn, &child, &rootX, &rootY, &winX, &winY, &mask)) return 0;
    int buttons = 0;
    if (mask & Button1Mask) buttons |= 1;
    if (mask & Button3Mask) buttons |= 2;
    if (mask & Button2Mask) buttons |= 4;
    return buttons;
}

}  // namespace zerin::linux_platform
