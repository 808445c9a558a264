#include "core/text.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace zerin::text {

std::string lower(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

std::string upper(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return r;
}

static char lowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool iequals(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerChar(a[i]) != lowerChar(b[i])) return false;
    return true;
}

bool istartsWith(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && iequals(s.substr(0, prefix.size()), prefix);
}

std::string_view trimLeft(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    return s.substr(i);
}

std::string_view trimRight(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && s[n - 1] == ' ') --n;
    return s.substr(0, n);
}

std::string_view trim(std::string_view s) { return trimRight(trimLeft(s)); }

std::string_view trimLeftBlanksTabs(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    return s.substr(i);
}

std::string replaceAll(std::string_view s, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(s);
    std::string r;
    r.reserve(s.size());
    std::size_t pos = 0;
    for (;;) {
        std::size_t hit = s.find(from, pos);
        if (hit == std::string_view::npos) break;
        r.append(s.substr(pos, hit - pos));
        r.append(to);
        pos = hit + from.size();
    }
    r.append(s.substr(pos));
    return r;
}

std::vector<std::string_view> split(std::string_view s, char sep) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t hit = s.find(sep, start);
        if (hit == std::string_view::npos) {
            parts.push_back(s.substr(start));
            return parts;
        }
        parts.push_back(s.substr(start, hit - start));
        start = hit + 1;
    }
}

std::string_view firstWord(std::string_view s, std::string_view* rest) {
    std::size_t end;
    if (!s.empty() && s[0] == '"') {
        // A doubled quote inside the quotes is one quote of the word, as the program-
        // argument splitter reads it.
        std::size_t close = s.find('"', 1);
        while (close != std::string_view::npos && close + 1 < s.size() && s[close + 1] == '"')
            close = s.find('"', close + 2);
        end = close == std::string_view::npos ? s.size() : close + 1;
        // A quoted word ends at its closing quote; the text up to the next blank still
        // belongs to it so that "a b"c stays one word.
        std::size_t blank = s.find(' ', end);
        end = blank == std::string_view::npos ? s.size() : blank;
    } else {
        std::size_t blank = s.find(' ');
        end = blank == std::string_view::npos ? s.size() : blank;
    }
    if (rest) *rest = end < s.size() ? s.substr(end + 1) : std::string_view{};
    return s.substr(0, end);
}

static bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

std::size_t charCount(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if (!isContinuation(c)) ++n;
    return n;
}

std::size_t byteOffsetOfChar(std::string_view s, std::size_t chars) {
    std::size_t i = 0;
    while (i < s.size() && chars > 0) {
        ++i;
        while (i < s.size() && isContinuation(static_cast<unsigned char>(s[i]))) ++i;
        --chars;
    }
    return i;
}

std::string_view charSubstr(std::string_view s, std::size_t start, std::size_t count) {
    std::size_t b = byteOffsetOfChar(s, start);
    std::string_view tail = s.substr(b);
    return tail.substr(0, byteOffsetOfChar(tail, count));
}

bool isValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<unsigned char>(s[i]);
        std::size_t len;
        std::uint32_t cp;
        if (c < 0x80) { ++i; continue; }
        if ((c & 0xE0) == 0xC0) { len = 2; cp = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { len = 3; cp = c & 0x0F; }
        else if ((c & 0xF8) == 0xF0) { len = 4; cp = c & 0x07; }
        else return false;
        if (i + len > s.size()) return false;
        for (std::size_t k = 1; k < len; ++k) {
            auto cc = static_cast<unsigned char>(s[i + k]);
            if (!isContinuation(cc)) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) ||
            cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

static void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// 0x80-0x9F differ from Latin-1; undefined slots map to their C1 control points.
static constexpr std::array<std::uint16_t, 32> kHigh1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string windows1252ToUtf8(std::string_view s) {
    const auto& kHigh = kHigh1252;
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    for (unsigned char c : s) {
        if (c < 0x80) out.push_back(static_cast<char>(c));
        else if (c < 0xA0) appendUtf8(out, kHigh[c - 0x80]);
        else appendUtf8(out, c);
    }
    return out;
}

bool utf8ToWindows1252(std::string_view s, std::string& out) {
    out.clear();
    out.reserve(s.size());
    if (!isValidUtf8(s)) return false;
    std::size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            ++i;
            continue;
        }
        std::size_t len = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : 4;
        std::uint32_t cp = c & (len == 2 ? 0x1F : len == 3 ? 0x0F : 0x07);
        for (std::size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        i += len;
        if (cp >= 0xA0 && cp <= 0xFF) {
            out.push_back(static_cast<char>(cp));
            continue;
        }
        auto at = std::find(kHigh1252.begin(), kHigh1252.end(), static_cast<std::uint16_t>(cp));
        if (cp > 0xFFFF || at == kHigh1252.end()) return false;
        out.push_back(static_cast<char>(0x80 + (at - kHigh1252.begin())));
    }
    return true;
}

}  // namespace zerin::text
