#include "script/line_rewriter.h"

#include <cmath>

#include "core/text.h"
#include "script/value_escape.h"
#include "script/value.h"
#include "script/vocabulary.h"

namespace zerin {

namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string digitsOf(int n) { return std::to_string(n); }

// One line as the first pass rewrites it. `line` has its leading blanks removed and
// still ends with its CR LF when it had one; the result replaces it ("" removes it).
std::string rewriteLine(std::string_view line, int& flags) {
    std::string_view body = line;
    bool crlf = body.ends_with(kCrLf);
    if (crlf) body.remove_suffix(2);
    std::string_view lineEnd = crlf ? kCrLf : std::string_view{};

    if (body.empty()) return std::string(line);
    if (body[0] == '\'') return {};
    if (body[0] == '#') {
        // A script's name and location are data: escaped, no group or bracket in them
        // is substituted (the run stores them as written, see planLine).
        if (text::istartsWith(line, "#name=")) return "app.name = " + escapeValue(body.substr(6)) + std::string(lineEnd);
        if (text::istartsWith(line, "#location="))
            return "app.location = " + escapeValue(body.substr(10)) + std::string(lineEnd);
        if (text::istartsWith(line, "#compileflags=")) {
            double v = roundHalfEven(val(body.substr(14)));
            flags = (std::isfinite(v) && std::fabs(v) < 1e9) ? static_cast<int>(v) : 0;
            return "app.compileflags = " + digitsOf(flags) + std::string(lineEnd);
        }
        return {};
    }
    if (text::istartsWith(line, "endif")) {
        std::string r;
        r.reserve(line.size());
        for (char c : line)
            if (c != ' ' && c != '\t') r.push_back(c);
        return r;
    }
    std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos) return std::string(line);
    int number = vocabulary::commandNumber(line.substr(0, blank));
    if (number == 0) return std::string(line);
    std::string r = vocabulary::commandCode(number);
    r += ' ';
    r += text::trimLeft(line.substr(blank + 1));
    return r;
}

}  // namespace

RewrittenScript rewriteLines(std::string_view text) {
    RewrittenScript result;
    std::size_t first = text.find(kCrLf);
    if (first == std::string_view::npos) {
        result.text = std::string(text);
        return result;
    }
    std::size_t pos = first + 2;
    result.text.reserve(text.size() + text.size() / 4);
    result.text.append(text.substr(0, pos));
    // Lines are taken while at least two characters remain, as positions 1-based run
    // "while position < length".
    while (pos + 1 < text.size()) {
        std::size_t end = text.find(kCrLf, pos);
        std::size_t next = end == std::string_view::npos ? text.size() : end + 2;
        std::string_view line = text::trimLeftBlanksTabs(text.substr(pos, next - pos));
        result.text += rewriteLine(line, result.compileFlags);
        pos = next;
    }
    result.text.append(text.substr(pos));
    return result;
}

}  // namespace zerin
