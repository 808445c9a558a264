#include "script/arguments.h"

#include "core/text.h"
#include "core/zerin.h"
#include "script/value.h"
#include "script/variables.h"

namespace zerin {

namespace {

constexpr int kDefaultMaxArguments = 12;
constexpr std::string_view kIllegalHex = "Error: illegal value - expected hexadecimal!";
constexpr std::string_view kHexDigits = "0123456789abcdef";

bool startsNumber(std::string_view w) {
    return !w.empty() && ((w[0] >= '0' && w[0] <= '9') || w[0] == '-' || w[0] == '.');
}

double numberOrColour(Zerin& zerin, std::string_view word) {
    if (text::istartsWith(word, "&h")) return val(hexColour(zerin, word));
    return val(word);
}

}  // namespace

std::vector<double> numericArguments(Zerin& zerin, std::string_view textArg, Variables& locals, int maxCount) {
    std::size_t limit = static_cast<std::size_t>(maxCount > 0 ? maxCount : kDefaultMaxArguments);
    std::vector<double> numbers;
    std::string_view trimmed = text::trim(textArg);
    if (trimmed.empty()) return numbers;
    for (std::string_view raw : text::split(trimmed)) {
        if (numbers.size() >= limit) break;  // words past the maximum are ignored
        std::string word = text::lower(raw);
        if (startsNumber(word)) {
            numbers.push_back(val(word));
        } else if (word.starts_with("&h")) {
            numbers.push_back(val(hexColour(zerin, word)));
        } else if (const std::string* v = locals.find(word)) {
            numbers.push_back(numberOrColour(zerin, *v));
        } else if (const std::string* p = zerin.publicVars.find(word)) {
            numbers.push_back(numberOrColour(zerin, *p));
        } else {
            numbers.push_back(0);
        }
    }
    return numbers;
}

std::string hexColour(Zerin& zerin, std::string_view textArg) {
    std::string t = text::lower(text::trim(textArg));
    if (t.empty()) return "0";
    if (!t.starts_with("&h")) return t;
    std::string digits = t.substr(2);
    if (digits.find_first_not_of(kHexDigits) != std::string::npos) {
        zerin.output.print(kIllegalHex);
        return "0";
    }
    // Only the colour's own six digits count: longer texts keep their last six.
    if (digits.size() < 6) digits.insert(0, 6 - digits.size(), '0');
    else digits = digits.substr(digits.size() - 6);
    // Scripts write RRGGBB; the platform keeps red in the low byte.
    std::string bgr = digits.substr(4, 2) + digits.substr(2, 2) + digits.substr(0, 2);
    return std::to_string(std::stoul(bgr, nullptr, 16));
}

}  // namespace zerin
