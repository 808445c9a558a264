// The ALSA functions that sound playing uses, opened at the first use (see
// shared_library.h).
#pragma once

#include <alsa/asoundlib.h>

namespace zerin::linux_platform {

#define ZERIN_ALSA_FUNCTIONS(F)                                                                      \
    F(snd_lib_error_set_handler) F(snd_pcm_open) F(snd_pcm_close) F(snd_pcm_drain) F(snd_pcm_drop)   \
    F(snd_pcm_nonblock) F(snd_pcm_recover) F(snd_pcm_set_params) F(snd_pcm_writei) F(snd_strerror)

struct AlsaLibrary {
#define ZERIN_ALSA_SLOT(name) decltype(&::name) name = nullptr;
    ZERIN_ALSA_FUNCTIONS(ZERIN_ALSA_SLOT)
#undef ZERIN_ALSA_SLOT
};

// The library, opened once, its own complaints on stderr silenced. Without it opening a
// device fails with "the ALSA library is missing", so nothing after it is reached.
const AlsaLibrary& alsa();

}  // namespace zerin::linux_platform
