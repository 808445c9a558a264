// The master volume of the default ALSA card.
#pragma once

#include "platform/mixer.h"

typedef struct _snd_mixer snd_mixer_t;
typedef struct _snd_mixer_elem snd_mixer_elem_t;

namespace zerin {

class AlsaMixer : public Mixer {
public:
    ~AlsaMixer() override;
    // The "Master" simple element, else the first one with a playback volume.
    bool open(VolumeBounds& bounds) override;
    bool readVolume(std::int64_t& value) override;
    void setVolume(std::int64_t value) override;

private:
    snd_mixer_t* m_handle = nullptr;
    snd_mixer_elem_t* m_elem = nullptr;
};

}  // namespace zerin
