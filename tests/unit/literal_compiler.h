// A literal, deliberately slow rendering of the compiler's rules: every change is made
// in the text with select-and-replace, earlier jump codes are patched after each change,
// and every target is found by searching the text. The real compiler must produce the
// same text; the tests compare the two on hand-written and random scripts.
#pragma once

#include <string>
#include <vector>

namespace zerin::test {

struct LiteralCompile {
    std::string text;
    std::vector<std::string> messages;
};

LiteralCompile literalCompile(std::string text);

}  // namespace zerin::test
