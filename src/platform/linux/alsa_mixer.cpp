#include "platform/linux/alsa_mixer.h"

#include <alsa/asoundlib.h>

#include "platform/linux/alsa_library.h"

using zerin::linux_platform::alsa;

#include <cstring>

namespace zerin {

AlsaMixer::~AlsaMixer() {
    if (m_handle) alsa().snd_mixer_close(m_handle);
}

bool AlsaMixer::open(VolumeBounds& bounds) {
    if (m_handle) {
        alsa().snd_mixer_close(m_handle);
        m_handle = nullptr;
        m_elem = nullptr;
    }
    snd_mixer_t* h = nullptr;
    if (alsa().snd_mixer_open(&h, 0) < 0) return false;
    if (alsa().snd_mixer_attach(h, "default") < 0 || alsa().snd_mixer_selem_register(h, nullptr, nullptr) < 0 ||
        alsa().snd_mixer_load(h) < 0) {
        alsa().snd_mixer_close(h);
        return false;
    }
    snd_mixer_elem_t* chosen = nullptr;
    for (snd_mixer_elem_t* e = alsa().snd_mixer_first_elem(h); e; e = alsa().snd_mixer_elem_next(e)) {
        if (!alsa().snd_mixer_selem_has_playback_volume(e)) continue;
        if (std::strcmp(alsa().snd_mixer_selem_get_name(e), "Master") == 0) {
            chosen = e;
            break;
        }
        if (!chosen) chosen = e;
    }
    long lo = 0, hi = 0;
    if (!chosen || alsa().snd_mixer_selem_get_playback_volume_range(chosen, &lo, &hi) < 0) {
        alsa().snd_mixer_close(h);
        return false;
    }
    m_handle = h;
    m_elem = chosen;
    bounds.minimum = lo;
    bounds.maximum = hi;
    return true;
}

bool AlsaMixer::readVolume(std::int64_t& value) {
    long level = 0;
    if (!m_elem || alsa().snd_mixer_selem_get_playback_volume(m_elem, SND_MIXER_SCHN_FRONT_LEFT, &level) < 0)
        return false;
    value = level;
    return true;
}

void AlsaMixer::setVolume(std::int64_t value) {
    if (m_elem) alsa().snd_mixer_selem_set_playback_volume_all(m_elem, static_cast<long>(value));
}

}  // namespace zerin
