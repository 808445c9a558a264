// RunEditor: the one entry point through which every script runs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "script/loop_lists.h"

namespace zerin {

class Zerin;
class TextBox;

// A limit on the lines all runs together may still execute (0: no limit), so that a
// looping script ends in tests and fuzzing.
struct LineBudget {
    std::uint64_t limit = 0;
    std::uint64_t left = 0;
    bool take() {
        if (limit == 0) return true;
        if (left == 0) return false;
        --left;
        return true;
    }
};

class Interpreter {
public:
    explicit Interpreter(Zerin& zerin) : m_zerin(zerin) {}

    // With a non-empty command line: a single-line run of that line. Otherwise runs the
    // buffer: editor mode when it is the code editor, compiled mode for any other buffer.
    // Returns the APP.RETURN value.
    std::string RunEditor(std::string_view commandLine, TextBox* buffer, std::string_view commandName);

    // From now on every run ends once `lines` more lines have run in all (0: no limit).
    void setLineBudget(std::uint64_t lines) { m_budget = {lines, lines}; }

    // Shared by every run, nested runs included, for the program's life.
    LoopLists& loops() { return m_loops; }

private:
    Zerin& m_zerin;
    LoopLists m_loops;
    LineBudget m_budget;
};

}  // namespace zerin
