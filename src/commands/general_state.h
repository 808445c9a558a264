// What the general commands remember between calls.
#pragma once

#include <cstdint>
#include <vector>

namespace zerin {

struct GeneralState {
    // Tick counts of the previous time.fps and time.factor calls; 0 before the first.
    std::int32_t fpsPreviousTick = 0;
    std::int32_t factorPreviousTick = 0;
    // The whole file last loaded by sound.load.
    std::vector<std::uint8_t> soundBuffer;
    // How many execute runs are under way; a nested one needs its own buffer.
    int executeDepth = 0;
};

}  // namespace zerin
