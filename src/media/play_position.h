// Slider2, the play position on the mode command bar, and its play-time label
// lblPlayTime. Nothing plays media yet: until a player supplies the length of one slider
// step, a dragged position reads as 0 seconds and the label shows zeros.
#pragma once

#include <cstdint>
#include <string>

namespace zerin {

class PlayPosition {
public:
    // A player tells how many seconds one slider step stands for.
    void setStepSeconds(double seconds) { m_stepSeconds = seconds; }
    // The slider is dragged to `value`: returns the label's text for it.
    std::string scroll(std::int64_t value);
    // The slider's value changed: a drag that ends marks the played part (0 to value).
    void change(std::int64_t value);
    bool dragging() const { return m_dragging; }
    std::int64_t playedLength() const { return m_played; }

private:
    double m_stepSeconds = 0;
    bool m_dragging = false;
    std::int64_t m_played = 0;
};

}  // namespace zerin
