// The state of one run of RunEditor. Every run has its own, so that a run started while
// another one waits (a click, execute) never sees the other's position or variables;
// only the run-state flags and the loop lists are shared.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/text_box.h"
#include "script/variables.h"

namespace zerin {

class Zerin;
class LoopLists;

struct RunContext {
    RunContext(Zerin& z, LoopLists& l, TextBox* b) : zerin(z), loops(l), buffer(b) {}

    Zerin& zerin;
    LoopLists& loops;
    TextBox* buffer;           // null for a single-line run
    bool editorMode = false;   // the buffer is the code editor: run uncompiled

    std::size_t position = 1;  // 1-based position of the next line
    std::size_t end = 0;       // the text's length when the run started
    std::size_t lineLength = 0;
    bool jumped = false;       // the current line set the position itself
    bool ended = false;

    Variables locals;
    std::vector<std::size_t> returnStack;  // GOSUB return positions, newest last
    // Where the IF, ELSE or ELSEIF at a line position jumps to, found once per position.
    std::unordered_map<std::size_t, std::size_t> branchCache;
    // Where each label line ends; forgotten whenever the buffer's text changes (checked
    // between lines).
    std::unordered_map<std::string, std::size_t> labelCache;
    std::string returnValue;  // APP.RETURN

    const std::string& text() const { return buffer ? buffer->text() : kNoText; }
    // Right after the current line (at its CR LF, which the next read skips).
    std::size_t afterLine() const { return position + lineLength; }
    void jumpTo(std::size_t p) {
        position = p;
        jumped = true;
    }

    static inline const std::string kNoText;
};

}  // namespace zerin
