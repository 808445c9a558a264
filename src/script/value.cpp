#include "script/value.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "core/text.h"

namespace zerin {

namespace {

bool skippable(char c) { return c == ' ' || c == '\t' || c == '\n'; }

double readRadix(std::string_view s, std::size_t i, int radix) {
    double v = 0;
    bool any = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (skippable(c)) continue;
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else break;
        if (d >= radix) break;
        v = v * radix + d;
        any = true;
    }
    if (!any) return 0;
    // Hexadecimal up to 8 digits is a signed 32-bit pattern (&HFFFFFFFF is -1, all bits
    // set); longer values stay positive.
    if (radix == 16 && v >= 2147483648.0 && v <= 4294967295.0) v -= 4294967296.0;
    return v;
}

}  // namespace

// A plain decimal number ("-12", "3.5") as the full reader would read it, or nothing
// when the text needs the full reader. Most values a script computes are such numbers.
static bool plainNumber(std::string_view s, double& out) {
    if (s.empty() || s.size() > 24) return false;
    std::size_t i = s[0] == '-' ? 1 : 0;
    bool digit = false, point = false;
    for (std::size_t k = i; k < s.size(); ++k) {
        char c = s[k];
        if (c >= '0' && c <= '9') digit = true;
        else if (c == '.' && !point) point = true;
        else return false;
    }
    if (!digit) return false;
    // A whole number of up to 15 digits is exact in a double, so adding up its digits
    // gives the very value from_chars would, at a fraction of the cost.
    if (!point && s.size() - i <= 15) {
        std::int64_t whole = 0;
        for (std::size_t k = i; k < s.size(); ++k) whole = whole * 10 + (s[k] - '0');
        out = i == 1 ? -static_cast<double>(whole) : static_cast<double>(whole);
        return true;
    }
    auto res = std::from_chars(s.data(), s.data() + s.size(), out);
    return res.ec == std::errc() && res.ptr == s.data() + s.size();
}

double val(std::string_view s) {
    double plain;
    if (plainNumber(s, plain)) return plain;
    std::size_t i = 0;
    while (i < s.size() && skippable(s[i])) ++i;
    if (i + 1 < s.size() && s[i] == '&') {
        char k = s[i + 1];
        if (k == 'h' || k == 'H') return readRadix(s, i + 2, 16);
        if (k == 'o' || k == 'O') return readRadix(s, i + 2, 8);
    }
    // Collect the characters of a decimal number, dropping the skippable ones.
    std::string digits;
    digits.reserve(32);
    enum { Sign, Int, Frac, ExpSign, Exp } state = Sign;
    bool anyDigit = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (skippable(c)) continue;
        if (state == Sign && (c == '-' || c == '+')) {
            digits.push_back(c);
            state = Int;
        } else if ((state == Sign || state == Int || state == Frac) && c >= '0' && c <= '9') {
            digits.push_back(c);
            anyDigit = true;
            if (state == Sign) state = Int;
        } else if ((state == Sign || state == Int) && c == '.') {
            digits.push_back(c);
            state = Frac;
        } else if ((state == Int || state == Frac) && anyDigit && (c == 'e' || c == 'E' || c == 'd' || c == 'D')) {
            // Only an exponent that is followed by digits belongs to the number.
            std::size_t j = i + 1;
            while (j < s.size() && skippable(s[j])) ++j;
            if (j < s.size() && (s[j] == '-' || s[j] == '+')) ++j;
            while (j < s.size() && skippable(s[j])) ++j;
            if (j >= s.size() || s[j] < '0' || s[j] > '9') break;
            digits.push_back('e');
            state = ExpSign;
        } else if (state == ExpSign && (c == '-' || c == '+')) {
            digits.push_back(c);
            state = Exp;
        } else if ((state == ExpSign || state == Exp) && c >= '0' && c <= '9') {
            digits.push_back(c);
            state = Exp;
        } else {
            break;
        }
    }
    if (!anyDigit) return 0;
    if (!digits.empty() && digits[0] == '+') digits.erase(0, 1);
    double v = 0;
    auto res = std::from_chars(digits.data(), digits.data() + digits.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // from_chars leaves v untouched on overflow: saturate like a double would.
        bool neg = !digits.empty() && digits[0] == '-';
        std::size_t e = digits.find('e');
        bool tiny = e != std::string::npos && e + 1 < digits.size() && digits[e + 1] == '-';
        v = tiny ? 0.0 : (neg ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity());
    }
    return v;
}

double roundHalfEven(double x) {
    if (!std::isfinite(x)) return x;
    return std::nearbyint(x);  // the default rounding mode is to nearest, ties to even
}

std::string formatNumber(double x) {
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x > 0 ? "Infinity" : "-Infinity";
    if (x == 0) return "0";
    char buf[64];
    // Whole numbers below 10^15 print all their digits in the general form too.
    if (x == std::trunc(x) && std::fabs(x) < 1e15) {
        auto res = std::to_chars(buf, buf + sizeof buf, static_cast<std::int64_t>(x));
        return std::string(buf, res.ptr);
    }
    // 15 significant digits hides the binary noise: 0.1 + 0.2 is written 0.3.
    // to_chars never consults the C locale, so a comma locale still gets ".".
    auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15);
    std::string s(buf, res.ptr);
    for (char& c : s)
        if (c == 'e') c = 'E';
    std::size_t e = s.find('E');
    std::string mantissa = e == std::string::npos ? s : s.substr(0, e);
    std::string exponent = e == std::string::npos ? "" : s.substr(e);
    if (mantissa.find('.') != std::string::npos) {
        while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
        if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
    }
    if (!exponent.empty()) {
        // "E+20" / "E-07" -> "E+20" / "E-7", as the general form writes it.
        char sign = exponent.size() > 1 ? exponent[1] : '+';
        std::string digits = exponent.substr(2);
        while (digits.size() > 1 && digits[0] == '0') digits.erase(0, 1);
        exponent = std::string("E") + sign + digits;
    }
    return mantissa + exponent;
}

std::string strFormat(std::int64_t n) {
    return n < 0 ? std::to_string(n) : " " + std::to_string(n);
}

std::string strFormat(double x) {
    std::string s = formatNumber(x);
    return (x < 0 || s[0] == '-') ? s : " " + s;
}

bool conditionIsFalse(std::string_view condition) {
    std::string_view t = text::trim(condition);
    return t.empty() || t == "0" || t == "false";
}

bool toInt16(double x, std::int16_t& out) {
    double r = roundHalfEven(x);
    if (!(r >= -32768.0 && r <= 32767.0)) return false;
    out = static_cast<std::int16_t>(r);
    return true;
}

}  // namespace zerin
