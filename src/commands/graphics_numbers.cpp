#include "commands/graphics_numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "script/value.h"

namespace zerin::gfx {

int coordinate(double x) {
    if (std::isnan(x)) return 0;
    x = std::floor(x);
    return static_cast<int>(std::clamp(x, double(-kCoordinateLimit), double(kCoordinateLimit)));
}

int roundedInt(double x) {
    if (std::isnan(x)) return 0;
    x = roundHalfEven(x);
    return static_cast<int>(std::clamp(x, -2147483648.0, 2147483647.0));
}

bool int16Value(double x, int& out) {
    std::int16_t v = 0;
    if (std::isnan(x) || !toInt16(x, v)) return false;
    out = v;
    return true;
}

Colour colourOf(double x) {
    if (std::isnan(x)) return 0;
    x = std::clamp(roundHalfEven(x), -4294967296.0, 4294967295.0);
    return static_cast<Colour>(static_cast<std::int64_t>(x)) & 0xFFFFFFu;
}

double number(const std::vector<double>& list, std::size_t i) { return i < list.size() ? list[i] : 0.0; }

std::string hexText(Colour c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(c));
    return buf;
}

}  // namespace zerin::gfx
