// Reading a WAV file held in memory: the RIFF chunks, the PCM format and the samples.
// The data comes from any file a script names, so the reader trusts none of its sizes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/sound.h"

namespace zerin {

struct WavFormat {
    int channels = 0;        // 1 or 2
    int bitsPerSample = 0;   // 8 (unsigned) or 16 (signed little-endian)
    std::uint32_t sampleRate = 0;
    std::size_t dataOffset = 0;  // whole frames only
    std::size_t dataLength = 0;

    int bytesPerFrame() const { return channels * bitsPerSample / 8; }
};

// The format of a PCM WAV file, or nullopt with `reason` set. A data chunk that claims
// more bytes than the file holds is cut to what is there, as players do with truncated
// recordings.
std::optional<WavFormat> parseWav(std::span<const std::uint8_t> file, std::string& reason);

// The samples scaled by the wave volume word (low word left, high word right, each 0 to
// 65535; a mono sound takes the left word).
std::vector<std::uint8_t> scaledSamples(std::span<const std::uint8_t> file, const WavFormat& format,
                                        std::uint32_t volumeWord);

// The sound of a PCM WAV file ready for the player, its samples scaled by the volume
// word; nullopt with `reason` set when the file is no PCM WAV file.
std::optional<PcmSound> decodeWav(std::span<const std::uint8_t> file, std::uint32_t volumeWord, std::string& reason);

}  // namespace zerin
