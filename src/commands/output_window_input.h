// The caret rules of a typed answer in the output window, as pure functions the Qt view
// calls while a script waits in wait.input.text. Positions are byte offsets into the
// text box's text; the line being typed begins at the input line start.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zerin {

enum class InputKey { Left, Up, Down, Other };

struct KeyDownRule {
    bool drop = false;                  // the key does nothing
    std::optional<std::size_t> caret;   // move the caret here first
};

// Left cannot leave the line being typed; Up and Down would, so they are dropped.
KeyDownRule inputKeyDown(InputKey key, std::size_t caret, std::size_t lineStart);

// Where the caret must stand before a typed character (or after a mouse click) acts:
// typing into the earlier text jumps to the end instead.
std::size_t caretForTyping(std::size_t caret, std::size_t lineStart, std::size_t textLength);

// The characters typed after the input line start.
std::string typedLine(std::string_view text, std::size_t lineStart);

}  // namespace zerin
