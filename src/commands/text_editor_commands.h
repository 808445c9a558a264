// Commands 23 and 26 to 30: the text editor's loading commands and the font size.
#pragma once

#include <string>
#include <string_view>

namespace zerin {

class Zerin;

void registerTextEditorCommands(Zerin& zerin);

// The dump of do_text_loadhex: lines of 18 bytes, each byte as two upper-case hex digits
// and a blank, the last line's digits padded to 54 characters, a blank, the bytes as
// characters (below 32 a full stop), CR LF.
std::string hexDump(std::string_view bytes);

// The font size after do_font_larger (larger) or do_font_smaller with `arg` as its steps
// (0, empty or no number: 1), kept to 16 bits; do_font_smaller goes no lower than 7.
int fontSizeAfter(int size, std::string_view arg, bool larger);

}  // namespace zerin
