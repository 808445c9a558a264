// The ALSA functions that sound playing and the mixer use, opened at the first use (see
// shared_library.h).
#pragma once

#include <alsa/asoundlib.h>

namespace zerin::linux_platform {

#define ZERIN_ALSA_FUNCTIONS(F)                                                                      \
    F(snd_lib_error_set_handler) F(snd_pcm_open) F(snd_pcm_close) F(snd_pcm_drain) F(snd_pcm_drop)   \
    F(snd_pcm_nonblock) F(snd_pcm_recover) F(snd_pcm_set_params) F(snd_pcm_writei) F(snd_strerror)      \
    F(snd_mixer_open) F(snd_mixer_close) F(snd_mixer_attach) F(snd_mixer_load) F(snd_mixer_selem_register) \
    F(snd_mixer_first_elem) F(snd_mixer_elem_next) F(snd_mixer_selem_get_name)                            \
    F(snd_mixer_selem_has_playback_volume) F(snd_mixer_selem_get_playback_volume_range)                   \
    F(snd_mixer_selem_set_playback_volume_all) F(snd_mixer_selem_get_playback_volume)

struct AlsaLibrary {
#define ZERIN_ALSA_SLOT(name) decltype(&::name) name = nullptr;
    ZERIN_ALSA_FUNCTIONS(ZERIN_ALSA_SLOT)
#undef ZERIN_ALSA_SLOT
};

// The library, opened once, its own complaints on stderr silenced. Without it opening a
// device or a mixer fails ("the ALSA library is missing"), so nothing after it is reached.
const AlsaLibrary& alsa();

}  // namespace zerin::linux_platform
