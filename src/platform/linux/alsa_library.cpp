#include "platform/linux/alsa_library.h"

#include <cerrno>

#include "platform/linux/shared_library.h"

namespace zerin::linux_platform {

namespace {

// ALSA writes its own complaints (no card, no configuration) to stderr; Zerin reports
// through the debug pane instead.
void silentAlsaErrors(const char*, int, const char*, int, const char*, ...) {}

int noDevice(snd_pcm_t**, const char*, snd_pcm_stream_t, int) { return -ENOENT; }
const char* noLibrary(int) { return "the ALSA library is missing"; }
int noMixer(snd_mixer_t**, int) { return -ENOENT; }

AlsaLibrary load() {
    AlsaLibrary lib;
    static const char* const names[] = {"libasound.so.2", "libasound.so", nullptr};
    void* handle = openSharedLibrary(names);
    bool complete = handle != nullptr;
#define ZERIN_ALSA_LOAD(name) complete = complete && loadSymbol(handle, #name, lib.name);
    ZERIN_ALSA_FUNCTIONS(ZERIN_ALSA_LOAD)
#undef ZERIN_ALSA_LOAD
    if (!complete) {
        lib = AlsaLibrary{};
        lib.snd_pcm_open = noDevice;
        lib.snd_strerror = noLibrary;
        lib.snd_mixer_open = noMixer;
        return lib;
    }
    lib.snd_lib_error_set_handler(silentAlsaErrors);
    return lib;
}

}  // namespace

const AlsaLibrary& alsa() {
    static const AlsaLibrary lib = load();
    return lib;
}

}  // namespace zerin::linux_platform
