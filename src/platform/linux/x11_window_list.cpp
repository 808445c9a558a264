#include "platform/linux/x11_window_list.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdlib>

#include "core/text.h"
#include "platform/linux/x11_library.h"

using zerin::linux_platform::x11;

namespace zerin::platform {

namespace {

// X errors (a window that vanished between listing and moving) must not end the
// program, which is Xlib's default.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

class ErrorTrap {
public:
    explicit ErrorTrap(Display* d) : m_display(d), m_old(x11().XSetErrorHandler(ignoreXError)) {}
    ~ErrorTrap() {
        x11().XSync(m_display, False);
        x11().XSetErrorHandler(m_old);
    }

private:
    Display* m_display;
    int (*m_old)(Display*, XErrorEvent*);
};

// A 32-bit property's values; at most `longest` of them (an icon list can be large).
std::vector<unsigned long> windowProperty(Display* d, Window w, const char* name, long longest = 65536) {
    std::vector<unsigned long> out;
    Atom property = x11().XInternAtom(d, name, True);
    if (property == None) return out;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (x11().XGetWindowProperty(d, w, property, 0, longest, False, AnyPropertyType, &type, &format, &count, &after,
                           &data) == Success &&
        data && format == 32) {
        auto* values = reinterpret_cast<unsigned long*>(data);
        out.assign(values, values + count);
    }
    if (data) x11().XFree(data);
    return out;
}

}  // namespace

X11WindowList::~X11WindowList() {
    if (m_display) x11().XCloseDisplay(m_display);
}

_XDisplay* X11WindowList::display() {
    if (!m_tried) {
        m_tried = true;
        const char* name = std::getenv("DISPLAY");
        if (name && *name) m_display = x11().XOpenDisplay(nullptr);
    }
    return m_display;
}

std::vector<unsigned long> X11WindowList::clientList() {
    Display* d = display();
    if (!d) return {};
    Window root = DefaultRootWindow(d);
    std::vector<unsigned long> windows = windowProperty(d, root, "_NET_CLIENT_LIST");
    if (!windows.empty()) return windows;
    // No EWMH window manager: the root's mapped children are the top-level windows.
    ErrorTrap trap(d);
    Window rootOut = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (x11().XQueryTree(d, root, &rootOut, &parent, &children, &count) && children) {
        for (unsigned int i = 0; i < count; ++i) {
            XWindowAttributes a;
            if (x11().XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable && !a.override_redirect)
                windows.push_back(children[i]);
        }
        x11().XFree(children);
    }
    return windows;
}

std::string X11WindowList::title(unsigned long window) {
    Display* d = display();
    std::string result;
    ErrorTrap trap(d);
    Atom netName = x11().XInternAtom(d, "_NET_WM_NAME", False);
    Atom utf8 = x11().XInternAtom(d, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (x11().XGetWindowProperty(d, window, netName, 0, 4096, False, utf8, &type, &format, &count, &after, &data) ==
            Success &&
        data && format == 8)
        result.assign(reinterpret_cast<char*>(data), count);
    if (data) x11().XFree(data);
    if (result.empty()) {
        char* name = nullptr;
        if (x11().XFetchName(d, window, &name) && name) {
            result = name;
            x11().XFree(name);
        }
    }
    return result;
}

bool X11WindowList::shown(unsigned long window) {
    Display* d = display();
    ErrorTrap trap(d);
    // Desktops, panels and windows that keep out of task lists are no windows to switch to.
    static const char* const kHiddenTypes[] = {"_NET_WM_WINDOW_TYPE_DESKTOP", "_NET_WM_WINDOW_TYPE_DOCK",
                                               "_NET_WM_WINDOW_TYPE_SPLASH", "_NET_WM_WINDOW_TYPE_NOTIFICATION"};
    for (unsigned long type : windowProperty(d, window, "_NET_WM_WINDOW_TYPE"))
        for (const char* hidden : kHiddenTypes)
            if (type == x11().XInternAtom(d, hidden, False)) return false;
    const Atom skip = x11().XInternAtom(d, "_NET_WM_STATE_SKIP_TASKBAR", False);
    for (unsigned long state : windowProperty(d, window, "_NET_WM_STATE"))
        if (state == skip) return false;
    XWindowAttributes a;
    if (!x11().XGetWindowAttributes(d, window, &a)) return false;
    if (a.map_state == IsViewable) return true;
    // A minimised window is unmapped but still the user's: its WM_STATE says iconic (3).
    std::vector<unsigned long> wmState = windowProperty(d, window, "WM_STATE");
    return !wmState.empty() && wmState[0] == 3;
}

std::vector<TopLevelWindow> X11WindowList::topLevelWindows() {
    std::vector<TopLevelWindow> out;
    for (unsigned long w : clientList()) out.push_back({w, title(w), shown(w)});
    return out;
}

WindowIcon X11WindowList::icon(WindowHandle window, int size) {
    WindowIcon best;
    Display* d = display();
    if (!d || window == 0) return best;
    ErrorTrap trap(d);
    // _NET_WM_ICON holds icons one after the other: width, height, then the pixels.
    const std::vector<unsigned long> data = windowProperty(d, static_cast<Window>(window), "_NET_WM_ICON", 1L << 22);
    std::size_t i = 0;
    while (i + 2 <= data.size()) {
        const unsigned long w = data[i], h = data[i + 1];
        if (w == 0 || h == 0 || w > 4096 || h > 4096 || (data.size() - i - 2) / w < h) break;
        const bool better = best.width == 0 || (best.width < size ? static_cast<int>(w) > best.width
                                                                   : static_cast<int>(w) >= size && static_cast<int>(w) < best.width);
        if (better) {
            best.width = static_cast<int>(w);
            best.height = static_cast<int>(h);
            best.argb.assign(data.begin() + static_cast<std::ptrdiff_t>(i + 2),
                             data.begin() + static_cast<std::ptrdiff_t>(i + 2 + w * h));
        }
        i += 2 + w * h;
    }
    return best;
}

bool X11WindowList::known(WindowHandle window) {
    std::vector<unsigned long> all = clientList();
    return window != 0 && std::find(all.begin(), all.end(), window) != all.end();
}

WindowHandle X11WindowList::findByTitle(std::string_view part) {
    std::string wanted = text::lower(part);
    for (unsigned long w : clientList()) {
        std::string t = title(w);
        if (!t.empty() && text::lower(t).find(wanted) != std::string::npos) return w;
    }
    return 0;
}

bool X11WindowList::move(WindowHandle window, int x, int y, int width, int height) {
    Display* d = display();
    if (!d || !known(window)) return false;
    ErrorTrap trap(d);
    // The size asked for is the outer one, frame included: the window manager puts the
    // frame at (x, y) and the client inside it, so the client gets what the frame leaves.
    std::vector<unsigned long> frame = windowProperty(d, static_cast<Window>(window), "_NET_FRAME_EXTENTS");
    if (frame.size() != 4) frame.assign(4, 0);
    const long clientWidth = static_cast<long>(width) - static_cast<long>(frame[0] + frame[1]);
    const long clientHeight = static_cast<long>(height) - static_cast<long>(frame[2] + frame[3]);
    x11().XMoveResizeWindow(d, static_cast<Window>(window), x, y, static_cast<unsigned>(std::max(1L, clientWidth)),
                            static_cast<unsigned>(std::max(1L, clientHeight)));
    x11().XFlush(d);
    return true;
}

bool X11WindowList::setFocus(WindowHandle window) {
    Display* d = display();
    if (!d || !known(window)) return false;
    ErrorTrap trap(d);
    Window w = static_cast<Window>(window);
    // Mapping restores a minimised window; the activation request asks the window
    // manager to raise and focus it.
    x11().XMapRaised(d, w);
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = x11().XInternAtom(d, "_NET_ACTIVE_WINDOW", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = 2;  // from a pager-like tool: honoured without focus-stealing checks
    e.xclient.data.l[1] = CurrentTime;
    x11().XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    x11().XFlush(d);
    return true;
}

}  // namespace zerin::platform
