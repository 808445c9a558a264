// Text functions. Positions and lengths count characters of the UTF-8 text, never bytes,
// so a multi-byte character is never cut in half.
#include <cmath>

#include "core/text.h"
#include "core/zerin.h"
#include "script/functions.h"
#include "script/value.h"
#include "script/variable_commands.h"
#include "script/variables.h"
#include "platform/platform.h"
#include "script/dispatcher.h"

namespace zerin {

namespace {

constexpr std::string_view kLenUsage =
    "Len usage:\r\n\r\nLen [string]\r\nReturns a Long containing the length of the specified string";

// The value of a local variable, if the run has one of that (lower-cased) name.
const std::string* localValue(const Variables& locals, std::string_view word) {
    return locals.find(text::lower(word));
}

// A count, start or length word: a literal when it starts with "-" or a digit, else the
// named local variable's value; rounded, and negative counts read as 0.
std::size_t wholeArgument(const Variables& locals, std::string_view word) {
    double x = 0;
    if (!word.empty() && (word[0] == '-' || (word[0] >= '0' && word[0] <= '9'))) x = val(word);
    else if (const std::string* v = localValue(locals, word)) x = val(*v);
    x = roundHalfEven(x);
    if (!(x > 0)) return 0;
    return x > 1e15 ? static_cast<std::size_t>(1e15) : static_cast<std::size_t>(x);
}

// left/right/mid: the first word names a local variable holding the text, or is the
// text itself (lower-cased).
struct SliceArgs {
    std::string source;
    std::vector<std::string_view> words;
};

SliceArgs sliceArgs(const CommandCall& c) {
    SliceArgs a;
    a.words = text::split(text::trim(c.arg));
    std::string first = text::lower(a.words[0]);
    const std::string* v = c.locals.find(first);
    a.source = v ? *v : first;
    return a;
}

std::string_view wordOr(const std::vector<std::string_view>& words, std::size_t i) {
    return i < words.size() ? words[i] : std::string_view{};
}

// instr's operands: a word with a double quote is a literal (quotes removed); any other
// names a local variable.
std::string instrOperand(const Variables& locals, std::string_view word) {
    std::string w = text::lower(word);
    if (w.find('"') != std::string::npos) return text::replaceAll(w, "\"", "");
    const std::string* v = locals.find(w);
    return v ? *v : std::string();
}

std::string instr(const CommandCall& c) {
    std::string_view rest = text::trim(c.arg);
    std::size_t start = 1;
    double first = val(rest);
    if (first != 0) {
        double s = roundHalfEven(first);
        start = s < 1 ? 1 : s > 1e15 ? static_cast<std::size_t>(1e15) : static_cast<std::size_t>(s);
        text::firstWord(rest, &rest);
    }
    std::string_view afterA;
    std::string a = instrOperand(c.locals, text::firstWord(rest, &afterA));
    std::string_view bWord = afterA.find(' ') == std::string_view::npos ? afterA : text::firstWord(afterA);
    std::string b = instrOperand(c.locals, bWord);
    std::size_t chars = text::charCount(a);
    if (start > chars + 1) return "0";
    std::size_t from = text::byteOffsetOfChar(a, start - 1);
    std::size_t hit = a.find(b, from);
    if (hit == std::string::npos) return "0";
    return std::to_string(text::charCount(std::string_view(a).substr(0, hit)) + 1);
}

void appendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

unsigned lowerLatin(unsigned cp) {
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 0x20;
    if (cp == 0x178) return 0xFF;
    if (cp == 0x130) return 'i';  // dotted capital I lowers to a plain i
    bool evenUpper = (cp >= 0x100 && cp <= 0x137) || (cp >= 0x14A && cp <= 0x177);
    bool oddUpper = (cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E);
    if ((evenUpper && cp % 2 == 0) || (oddUpper && cp % 2 == 1)) return cp + 1;
    return cp;
}

}  // namespace

std::string trimQuotes(std::string_view s) {
    s = text::trim(s);
    if (s.starts_with('"')) {
        s.remove_prefix(1);
        if (s.ends_with('"')) s.remove_suffix(1);
    } else if (s.starts_with("'\"'")) {
        s.remove_prefix(3);
        if (s.ends_with("'\"'")) s.remove_suffix(3);
    }
    return std::string(s);
}

std::string lowerText(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        auto c = static_cast<unsigned char>(s[i]);
        if (c >= 'A' && c <= 'Z') {
            out.push_back(static_cast<char>(c - 'A' + 'a'));
        } else if ((c == 0xC3 || c == 0xC4 || c == 0xC5) && i + 1 < s.size() &&
                   (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80) {
            unsigned cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3Fu);
            appendUtf8(out, lowerLatin(cp));
            ++i;
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    return out;
}

void registerTextFunctions(Zerin& zerin) {
    Dispatcher& d = zerin.dispatcher;
    // len name-or-text -> the number of characters
    d.registerHandler(Cmd::Len, [&zerin](CommandCall& c) {
        if (c.arg.starts_with("/?")) {
            zerin.output.debugMessage(kLenUsage);
            return std::string();
        }
        const std::string* v = localValue(c.locals, text::trim(c.arg));
        std::string_view t = v && !v->empty() ? std::string_view(*v) : c.arg;
        return std::to_string(text::charCount(t));
    });
    // left name count -> the first count characters
    d.registerHandler(Cmd::Left, [](CommandCall& c) {
        SliceArgs a = sliceArgs(c);
        return std::string(text::charSubstr(a.source, 0, wholeArgument(c.locals, wordOr(a.words, 1))));
    });
    // right name count -> the last count characters
    d.registerHandler(Cmd::Right, [](CommandCall& c) {
        SliceArgs a = sliceArgs(c);
        std::size_t count = wholeArgument(c.locals, wordOr(a.words, 1));
        std::size_t chars = text::charCount(a.source);
        return std::string(text::charSubstr(a.source, count >= chars ? 0 : chars - count, count));
    });
    // mid name start [length] -> length characters from position start (1-based)
    d.registerHandler(Cmd::Mid, [](CommandCall& c) {
        SliceArgs a = sliceArgs(c);
        std::size_t start = wholeArgument(c.locals, wordOr(a.words, 1));
        std::size_t length = a.words.size() > 2 ? wholeArgument(c.locals, a.words[2]) : std::string::npos;
        return std::string(text::charSubstr(a.source, start < 1 ? 0 : start - 1, length));
    });
    // instr [start] a b -> the 1-based position of b in a, 0 when absent
    d.registerHandler(Cmd::Instr, [](CommandCall& c) { return instr(c); });
    // lcase text -> the text in lower case
    d.registerHandler(Cmd::Lcase, [](CommandCall& c) { return lowerText(c.arg); });
    // replace name find replacement -> the variable's value with every find replaced
    d.registerHandler(Cmd::Replace, [&zerin](CommandCall& c) {
        std::string_view rest;
        std::string_view name = text::firstWord(text::trim(c.arg), &rest);
        std::string find = trimQuotes(text::firstWord(text::trimLeft(rest), &rest));
        std::string replacement = trimQuotes(text::firstWord(text::trimLeft(rest)));
        return text::replaceAll(doGet(zerin, name, &c.locals), find, replacement);
    });
    // do_trimquotes text -> the text without its surrounding quotes
    d.registerHandler(Cmd::DoTrimquotes, [](CommandCall& c) { return trimQuotes(c.arg); });
    // key.state code -> "1" when the key is down or was pressed since the last query
    d.registerHandler(Cmd::KeyState, [&zerin](CommandCall& c) {
        double code = roundHalfEven(val(c.arg));
        bool inRange = code >= 0 && code <= 255;
        return std::string(inRange && zerin.platform.keys.asyncKeyState(static_cast<int>(code)) ? "1" : "0");
    });
    // do_value_encode number -> base-64 digits
    d.registerHandler(Cmd::DoValueEncode, [](CommandCall& c) { return valueEncode(val(c.arg)); });
    // do_value_decode digits -> the number
    d.registerHandler(Cmd::DoValueDecode, [](CommandCall& c) { return valueDecode(text::trim(c.arg)); });
}

void registerBuiltInFunctions(Zerin& zerin) {
    registerMathFunctions(zerin);
    registerTextFunctions(zerin);
}

}  // namespace zerin
