// Colour arithmetic shared by the panes, the mode buttons and the output window, so that a
// shaded or brightened colour is the same value wherever it is drawn.
#pragma once

#include <array>
#include <cstdint>

namespace zerin {

using Colour = std::uint32_t;  // 0x00BBGGRR

// Darkens each channel in place to `percent` of its value (rounded, halves to even) and
// drops the bits that fall below the channel.
Colour shade(Colour colour, int percent);

// Multiplies each channel by `percent` / 100 (remainder dropped). What a channel loses by
// being capped at 255 is shared out: half of the total overflow is added to every channel,
// each capped again, so a saturated colour turns towards white instead of changing hue.
Colour brighten(Colour colour, int percent);

// The four file colours (numbered 1 to 4) used for file kinds and the mode buttons.
class ColourTable {
public:
    // n outside 1..4 gives white.
    Colour file(int n) const;
    void setFile(int n, Colour colour);

private:
    std::array<Colour, 4> m_colours{0x11cccc, 0x66ee66, 0xf09090, 0xc0c0c0};
};

}  // namespace zerin
