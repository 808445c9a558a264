// The compiler's first pass: one walk over the lines that drops comments, turns the
// directives into assignments and command names into command codes.
#pragma once

#include <string>
#include <string_view>

namespace zerin {

struct RewrittenScript {
    std::string text;
    int compileFlags = 0;  // from "#compileflags=", 0 without one
};

// Everything before the first CR LF is kept as it is; a text without CR LF is unchanged.
RewrittenScript rewriteLines(std::string_view text);

}  // namespace zerin
