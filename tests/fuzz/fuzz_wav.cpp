// The WAV reader on any bytes: a format it accepts always lies inside the data, in whole
// frames, and scaling its samples stays inside them too.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "media/wav_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string reason;
    std::span<const std::uint8_t> bytes(data, size);
    auto format = zerin::parseWav(bytes, reason);
    if (!format) return 0;
    if (format->dataOffset > size || format->dataLength > size - format->dataOffset) std::abort();
    if (format->dataLength == 0 || format->dataLength % static_cast<std::size_t>(format->bytesPerFrame()) != 0)
        std::abort();
    std::uint32_t volume = size >= 4 ? static_cast<std::uint32_t>(data[0]) << 24 | data[size - 1] : 0;
    if (zerin::scaledSamples(bytes, *format, volume).size() != format->dataLength) std::abort();
    return 0;
}
