#include "media/play_position.h"

#include <cmath>

#include "media/volume.h"

namespace zerin {

std::string PlayPosition::scroll(std::int64_t value) {
    m_dragging = true;
    const double seconds = static_cast<double>(value) * m_stepSeconds;
    // A step length from a player is a number like any other: one that makes no sense
    // reads as 0 instead of overflowing.
    const bool sane = std::isfinite(seconds) && std::fabs(seconds) < 1e12;
    return playTime(sane ? std::llround(seconds) : 0);
}

void PlayPosition::change(std::int64_t value) {
    if (m_dragging) m_played = value;
    m_dragging = false;
}

}  // namespace zerin
