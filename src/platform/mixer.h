// The system mixer's master volume (ALSA on Linux).
#pragma once

#include <cstdint>

namespace zerin {

struct VolumeBounds {
    std::int64_t minimum = 0;
    std::int64_t maximum = 0;
};

class Mixer {
public:
    virtual ~Mixer() = default;
    // Opens the mixer and finds its volume control; false when there is none.
    virtual bool open(VolumeBounds& bounds) = 0;
    // The volume the control has now (its first channel); false when it cannot be read.
    virtual bool readVolume(std::int64_t& value) {
        (void)value;
        return false;
    }
    // Writes the volume; a failed write is not reported.
    virtual void setVolume(std::int64_t value) = 0;
};

}  // namespace zerin
