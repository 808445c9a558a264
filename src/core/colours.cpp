#include "core/colours.h"

#include <cmath>

namespace zerin {

Colour shade(Colour colour, int percent) {
    const float factor = static_cast<float>(percent) / 100.0f;
    Colour result = 0;
    for (Colour mask : {Colour{0xff0000}, Colour{0x00ff00}, Colour{0x0000ff}}) {
        const double channel = static_cast<double>(colour & mask);
        // Halves go to the even neighbour (2.5 gives 2, 3.5 gives 4), so a shade is the
        // same on every machine and in every run.
        const double scaled = std::nearbyint(channel * static_cast<double>(factor));
        const auto value = scaled < 0 ? 0 : static_cast<std::uint64_t>(scaled);
        result += static_cast<Colour>(value) & mask;
    }
    return result;
}

Colour brighten(Colour colour, int percent) {
    long channels[3] = {static_cast<long>(colour & 0xff), static_cast<long>((colour >> 8) & 0xff),
                        static_cast<long>((colour >> 16) & 0xff)};
    long overflow = 0;
    for (long& c : channels) {
        c = c * percent / 100;
        if (c < 0) c = 0;
        if (c > 255) {
            overflow += c - 255;
            c = 255;
        }
    }
    if (overflow != 0) {
        const long half = static_cast<long>(std::nearbyint(static_cast<double>(overflow) / 2.0));
        for (long& c : channels) c = c + half > 255 ? 255 : c + half;
    }
    return static_cast<Colour>(channels[0] | (channels[1] << 8) | (channels[2] << 16));
}

Colour ColourTable::file(int n) const {
    if (n < 1 || n > 4) return 0xffffff;
    return m_colours[static_cast<std::size_t>(n - 1)];
}

void ColourTable::setFile(int n, Colour colour) {
    if (n >= 1 && n <= 4) m_colours[static_cast<std::size_t>(n - 1)] = colour;
}

}  // namespace zerin
