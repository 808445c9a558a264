// do_value_encode / do_value_decode: whole numbers as base-64 digit texts.
#include <cmath>
#include <charconv>
#include <vector>

#include "core/text.h"
#include "script/functions.h"
#include "script/value.h"

namespace zerin {

namespace {

// The digits as separate characters, so that the two-byte "£" is one digit.
const std::vector<std::string_view>& digits() {
    static const std::vector<std::string_view> list = [] {
        std::vector<std::string_view> d;
        for (std::size_t i = 0; i < kValueDigits.size();) {
            std::size_t n = text::byteOffsetOfChar(kValueDigits.substr(i), 1);
            d.push_back(kValueDigits.substr(i, n));
            i += n;
        }
        return d;
    }();
    return list;
}

int digitValue(std::string_view ch) {
    const auto& d = digits();
    for (std::size_t i = 0; i < d.size(); ++i)
        if (d[i] == ch) return static_cast<int>(i);
    return -1;
}

}  // namespace

std::string valueEncode(double value) {
    if (!std::isfinite(value)) return {};
    double v = roundHalfEven(value);
    bool negative = v < 0;
    v = std::fabs(v);
    // Dividing by 64 is exact in binary floating point, so every whole double encodes
    // without loss, however large.
    std::vector<std::string_view> out;
    do {
        double digit = std::fmod(v, 64.0);
        out.push_back(digits()[static_cast<std::size_t>(digit)]);
        v = (v - digit) / 64.0;
    } while (v > 0);
    std::string s = negative ? "-" : "";
    for (auto it = out.rbegin(); it != out.rend(); ++it) s += *it;
    return s;
}

std::string valueDecode(std::string_view s) {
    bool negative = s.starts_with('-');
    if (negative) s.remove_prefix(1);
    double v = 0;
    while (!s.empty()) {
        std::size_t n = text::byteOffsetOfChar(s, 1);
        int d = digitValue(s.substr(0, n));
        if (d < 0) break;
        v = v * 64 + d;
        s.remove_prefix(n);
    }
    if (negative) v = -v;
    if (std::fabs(v) < 9.2e18) {
        // Whole numbers in full, so that every encoded value up to 2^53 comes back exactly.
        char buf[24];
        auto res = std::to_chars(buf, buf + sizeof buf, static_cast<std::int64_t>(v));
        return std::string(buf, res.ptr);
    }
    return formatNumber(v);
}

}  // namespace zerin
