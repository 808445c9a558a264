// Libraries that only some runs need (the X client library, ALSA) are opened at their
// first use rather than linked: loading them costs a command-line run more than a short
// script does. A library that cannot be opened reads as the service being absent (no
// display, no sound device), never as a failure to start.
#pragma once

#include <dlfcn.h>

namespace zerin::linux_platform {

// Opens the first of `sonames` that loads (RTLD_LAZY | RTLD_LOCAL); nullptr when none does.
inline void* openSharedLibrary(const char* const* sonames) {
    for (; *sonames; ++sonames)
        if (void* handle = dlopen(*sonames, RTLD_LAZY | RTLD_LOCAL)) return handle;
    return nullptr;
}

// Fills `slot` with the symbol `name` of `handle`; false when it is missing.
template <typename F>
bool loadSymbol(void* handle, const char* name, F& slot) {
    slot = reinterpret_cast<F>(dlsym(handle, name));
    return slot != nullptr;
}

}  // namespace zerin::linux_platform
