// The X client library's functions that the key state and the window list use, opened
// at the first use (see shared_library.h).
#pragma once

#include <X11/Xlib.h>

namespace zerin::linux_platform {

#define ZERIN_X11_FUNCTIONS(F)                                                                              \
    F(XOpenDisplay) F(XCloseDisplay) F(XFlush) F(XFree) F(XSync) F(XSetErrorHandler) F(XQueryKeymap)        \
    F(XKeysymToKeycode) F(XQueryPointer) F(XWarpPointer) F(XInternAtom) F(XGetWindowProperty) F(XQueryTree) \
    F(XGetWindowAttributes) F(XFetchName) F(XMoveResizeWindow) F(XMapRaised) F(XSendEvent)

struct X11Library {
#define ZERIN_X11_SLOT(name) decltype(&::name) name = nullptr;
    ZERIN_X11_FUNCTIONS(ZERIN_X11_SLOT)
#undef ZERIN_X11_SLOT
};

// The library, opened once. Without it XOpenDisplay answers nullptr (no display), so
// the other functions, which need a display, are never reached.
const X11Library& x11();

}  // namespace zerin::linux_platform
