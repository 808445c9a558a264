// Sound output (ALSA on Linux): the wave volume and asynchronous playing of a WAV buffer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zerin {

class Sound {
public:
    virtual ~Sound() = default;
    // Low word left, high word right, each 0 to 65535.
    virtual void setWaveVolume(std::uint32_t volumeWord) = 0;
    // Starts playing and returns at once; false (with a reason) when it cannot play.
    virtual bool playAsync(const std::vector<std::uint8_t>& wavData, std::string& reason) = 0;
};

}  // namespace zerin
