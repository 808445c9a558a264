// The compiler's second pass: turns if / elseif / else / loop.until lines into jump
// lines whose targets are 1-based character positions in the compiled text itself.
//
// Targets are kept as references to lines while the pass runs and written out as
// positions once every line's length is known. That gives the same text as patching
// every earlier jump after each length change, without rescanning the buffer per line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zerin {

class Output;
class EventPump;

class JumpPass {
public:
    JumpPass(Output& output, EventPump& pump) : m_output(output), m_pump(pump) {}

    // Returns the compiled text; a syntax error is reported and leaves the rest as it is.
    std::string run(std::string_view text);
    bool failed() const { return m_failed; }

private:
    struct Target {
        enum class Kind { InputLine, OutputLine, End, Absolute } kind = Kind::End;
        std::size_t index = 0;
        long long offset = 0;
    };
    struct InLine {
        std::string_view text;
        bool crlf = false;
    };
    struct OutLine {
        std::string text;  // for a jump line: what follows the code
        bool crlf = false;
        bool jump = false;
        Target target;
    };
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    void splitLines(std::string_view text);
    void buildIndexes();
    // false after a syntax error: compiling stops there.
    bool compileLine(std::size_t i);
    bool branchTarget(std::size_t i, Target& target);
    bool matchingEndif(std::size_t i, std::string_view noEndif, std::string_view nested, std::size_t& endif);
    bool findDoLine(std::string_view label, std::size_t current, Target& target) const;
    void emit(std::size_t input, OutLine line);
    void emitUnchanged(std::size_t input);
    std::string assemble() const;

    Output& m_output;
    EventPump& m_pump;
    bool m_failed = false;
    std::vector<InLine> m_in;
    std::vector<OutLine> m_out;
    std::vector<std::size_t> m_outOfInput;  // the output line each input line became
    // Per input line: the next line at or after it of each kind (kNone when none), and
    // for an "if " line the "endif" that closes it, counting nested blocks.
    std::vector<std::size_t> m_nextEndif, m_nextElse, m_nextElseif, m_nextIf, m_closingEndif;
    std::vector<std::size_t> m_inDoLines, m_outDoLines;  // lines holding "do " in any case
    std::vector<std::string> m_inDoLower, m_outDoLower;  // their texts as a label is sought in them
    // Per "do label" sought: how many compiled DO lines were searched, and the first that
    // held it. Compiled lines only grow in number, so a search goes on where the last one
    // stopped instead of reading every DO line again for every LOOP.UNTIL.
    struct DoSearch {
        std::size_t searched = 0;
        std::size_t found = static_cast<std::size_t>(-1);
    };
    mutable std::unordered_map<std::string, DoSearch> m_doSearches;
};

}  // namespace zerin
