#include "commands/output_window_input.h"

namespace zerin {

KeyDownRule inputKeyDown(InputKey key, std::size_t caret, std::size_t lineStart) {
    KeyDownRule rule;
    switch (key) {
        case InputKey::Left:
            if (caret <= lineStart) {
                rule.drop = true;
                rule.caret = lineStart;
            }
            break;
        case InputKey::Up:
        case InputKey::Down:
            rule.drop = true;
            break;
        case InputKey::Other:
            break;
    }
    return rule;
}

std::size_t caretForTyping(std::size_t caret, std::size_t lineStart, std::size_t textLength) {
    return caret < lineStart ? textLength : caret;
}

std::string typedLine(std::string_view text, std::size_t lineStart) {
    if (lineStart >= text.size()) return {};
    return std::string(text.substr(lineStart));
}

}  // namespace zerin
