// Sound output (ALSA on Linux): the wave volume and asynchronous playing of PCM samples.
// Reading sound files is the media module's work; the player only plays.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zerin {

// Interleaved PCM frames: 8-bit unsigned or 16-bit signed little-endian samples.
struct PcmSound {
    int channels = 0;  // 1 or 2
    int bitsPerSample = 0;
    std::uint32_t sampleRate = 0;
    std::vector<std::uint8_t> samples;

    int bytesPerFrame() const { return channels * bitsPerSample / 8; }
};

class Sound {
public:
    virtual ~Sound() = default;
    // Low word left, high word right, each 0 to 65535.
    virtual void setWaveVolume(std::uint32_t volumeWord) = 0;
    // Starts playing and returns at once; false (with a reason) when it cannot play.
    virtual bool playAsync(PcmSound sound, std::string& reason) = 0;
};

}  // namespace zerin
