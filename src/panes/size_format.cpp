#include "panes/size_format.h"

#include <cmath>
#include <cstdio>

#include "script/value.h"

namespace zerin {

bool SizeFormat::setMode(int mode) {
    if (mode < 1 || mode > 4) return false;
    m_mode = mode;
    return true;
}

std::string formatTwoDecimals(double value) {
    // Scaled to hundredths first so that a value such as 0.125 rounds up like the
    // platform's number formatting does, not to the even neighbour as printf would.
    const double hundredths = std::round(value * 100.0);
    const bool negative = hundredths < 0;
    const auto whole = static_cast<long long>(std::fabs(hundredths));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%s%lld.%02lld", negative ? "-" : "", whole / 100, whole % 100);
    return buffer;
}

std::string formatGrouped(double value) {
    const auto rounded = static_cast<long long>(std::round(value));
    const bool negative = rounded < 0;
    std::string digits = std::to_string(negative ? -rounded : rounded);
    std::string out;
    out.reserve(digits.size() + digits.size() / 3 + 1);
    const std::size_t lead = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
    out.append(digits, 0, lead);
    for (std::size_t i = lead; i < digits.size(); i += 3) {
        out += ' ';
        out.append(digits, i, 3);
    }
    return negative ? "-" + out : out;
}

std::string SizeFormat::format(std::int64_t bytes, int mode) {
    const double b = static_cast<double>(bytes);
    switch (mode) {
    case kRoundToNearest:
        // The thresholds are 999 of the smaller unit, so 1,000 bytes already shows as KB.
        if (bytes > 1047527424LL) return formatTwoDecimals(b / 1073741824.0) + " GB";
        if (bytes > 1022976LL) return formatTwoDecimals(b / 1048576.0) + " MB";
        if (bytes <= 999) return strFormat(static_cast<std::int64_t>(bytes)) + " B";
        return formatTwoDecimals(b / 1024.0) + " KB";
    case kBytes:
        return formatGrouped(b) + " B";
    case kKiloBytes:
        return formatGrouped(b / 1024.0) + " KB";
    case kMegaBytes:
        return formatTwoDecimals(b / 1048576.0) + " MB";
    default:
        return {};
    }
}

}  // namespace zerin
