// One run of RunEditor: reads the script line by line, substitutes into each line and
// executes it. Keywords go to KeywordExecutor, substitution to LineSubstitution.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "script/line_plan.h"
#include "script/run_context.h"

namespace zerin {

struct LineBudget;

class ScriptRun {
public:
    ScriptRun(Zerin& zerin, LoopLists& loops, LineBudget& budget, TextBox* buffer);
    ~ScriptRun();
    ScriptRun(const ScriptRun&) = delete;
    ScriptRun& operator=(const ScriptRun&) = delete;

    // Compiles the buffer first unless it is the code editor; returns APP.RETURN's value.
    std::string runBuffer(std::string_view commandName);
    std::string runSingleLine(std::string_view line);

private:
    void loop();
    // The checks before a line runs (Pause key, slow mode, waiting for input, stop
    // request); false ends the run.
    bool pauseKeyDown();
    bool readyFor(const std::string& line);
    void execute(std::string line);
    void executeCoded(std::string line, const LineCode& code);
    void run(const LinePlan& plan);
    std::string assignedValue(std::string_view right);

    // A line read once at a position: its length, its text and, when nothing is to be
    // substituted into it, its plan. Forgotten whenever the buffer's text changes.
    struct ReadLine {
        std::size_t length = 0;
        bool skip = false;  // a comment or directive line of the code editor
        std::string text;
        bool planned = false;
        LinePlan plan;
        bool coded = false;  // not planned, but its code is known
        LineCode code;
    };
    ReadLine readLine(std::size_t start, std::size_t lineEnd);

    RunContext m_run;
    LineBudget& m_budget;
    std::string m_previousLine;
    std::unordered_map<std::size_t, ReadLine> m_lines;
    std::uint64_t m_revision = 0;  // the buffer's revision m_lines was read from
    int m_linesSinceKeyCheck = 0;
    std::int64_t m_lastKeyCheck = 0;
};

}  // namespace zerin
