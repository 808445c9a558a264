// Sound until the ALSA output is in place: the volume is remembered, playing reports
// why nothing can be heard.
#pragma once

#include <string_view>

#include "platform/sound.h"

namespace zerin::linux_platform {

inline constexpr std::string_view kNoSoundOutput = "no sound output available";

class SilentSound : public Sound {
public:
    void setWaveVolume(std::uint32_t volumeWord) override { m_volume = volumeWord; }
    bool playAsync(const std::vector<std::uint8_t>&, std::string& reason) override {
        reason = std::string(kNoSoundOutput);
        return false;
    }

private:
    std::uint32_t m_volume = 0xFFFFFFFF;
};

}  // namespace zerin::linux_platform
