#include "platform/linux/x11_library.h"

#include "platform/linux/shared_library.h"

namespace zerin::linux_platform {

namespace {

Display* noDisplay(const char*) { return nullptr; }

X11Library load() {
    X11Library lib;
    static const char* const names[] = {"libX11.so.6", "libX11.so", nullptr};
    void* handle = openSharedLibrary(names);
    bool complete = handle != nullptr;
#define ZERIN_X11_LOAD(name) complete = complete && loadSymbol(handle, #name, lib.name);
    ZERIN_X11_FUNCTIONS(ZERIN_X11_LOAD)
#undef ZERIN_X11_LOAD
    if (!complete) {
        lib = X11Library{};
        lib.XOpenDisplay = noDisplay;
    }
    return lib;
}

}  // namespace

const X11Library& x11() {
    static const X11Library lib = load();
    return lib;
}

}  // namespace zerin::linux_platform
