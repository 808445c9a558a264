// The volume slider and the play-time label: the slider takes the mixer control's range,
// its changes go to the mixer.
#pragma once

#include <cstdint>
#include <string>

#include "platform/mixer.h"

namespace zerin {

inline constexpr const char* kNoMixerMessage = "Couldn't open the mixer.";

struct VolumeSlider {
    std::int64_t minimum = 0;
    std::int64_t maximum = 65535;
    std::int64_t value = 65535 / 2;
    std::int64_t smallChange = 65535 / 40;
    std::int64_t largeChange = 65535 / 10;
};

class Volume {
public:
    explicit Volume(Mixer* mixer) : m_mixer(mixer) {}
    // Opens the mixer; the slider takes the control's range, with a tenth of it as the
    // large change and a fortieth as the small. False (the slider keeps its range and
    // moves nothing) when there is no mixer.
    bool start();
    // Every change and scroll step of the slider.
    void change(std::int64_t value);
    const VolumeSlider& slider() const { return m_slider; }
    bool open() const { return m_open; }

private:
    Mixer* m_mixer;
    VolumeSlider m_slider;
    bool m_open = false;
};

// Whole seconds as hh:mm:ss, each part at least two digits (3725 gives "01:02:05").
std::string playTime(std::int64_t seconds);

}  // namespace zerin
