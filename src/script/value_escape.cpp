#include "script/value_escape.h"

namespace zerin {

namespace {

// The character after ":" in each escape, and what the escape stands for.
constexpr std::string_view kEscapeTags = "[]<>+|";
constexpr std::string_view kEscaped = "()[]&:";

bool isTag(char c) { return kEscapeTags.find(c) != std::string_view::npos; }

}  // namespace

std::string escapeValue(std::string_view value) {
    if (value.find_first_of(kEscaped) == std::string_view::npos) return std::string(value);
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        char c = value[i];
        std::size_t k = kEscaped.find(c);
        if (k == std::string_view::npos || (c == ':' && !(i + 1 < value.size() && isTag(value[i + 1])))) {
            out += c;
            continue;
        }
        out += ':';
        out += kEscapeTags[k];
    }
    return out;
}

bool holdsEscapes(std::string_view line) {
    for (std::size_t i = line.find(':'); i != std::string_view::npos && i + 1 < line.size(); i = line.find(':', i + 1))
        if (isTag(line[i + 1])) return true;
    return false;
}

std::string unescapeValue(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == ':' && i + 1 < line.size() && isTag(line[i + 1])) {
            out += kEscaped[kEscapeTags.find(line[i + 1])];
            ++i;
        } else {
            out += line[i];
        }
    }
    return out;
}

}  // namespace zerin
