// One run of RunEditor: reads the script line by line, substitutes into each line and
// executes it. Keywords go to KeywordExecutor, substitution to LineSubstitution.
#pragma once

#include <string>
#include <string_view>

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
    void numericLine(double value, std::string_view args);
    bool skipFunction();
    bool expressionLine(const std::string& line, std::string_view firstWord, std::string_view args);
    std::string assignedValue(std::string_view right);

    RunContext m_run;
    LineBudget& m_budget;
    std::string m_previousLine;
    int m_observer = 0;
};

}  // namespace zerin
