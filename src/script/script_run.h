// One run of RunEditor: reads the script line by line, substitutes into each line and
// executes it. Keywords go to KeywordExecutor, substitution to LineSubstitution.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <deque>
#include <vector>

#include "script/evaluator.h"
#include "script/line_index.h"
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
    // The 1-based byte position of a 1-based character position in the buffer.
    std::size_t bytePosition(std::size_t charPosition);

    // A line read once at a position: its length, its text and, when nothing is to be
    // substituted into it, its plan. Forgotten whenever the buffer's text changes.
    struct ReadLine {
        std::size_t length = 0;
        bool blank = false;  // nothing before the line end: the run steps over it
        bool skip = false;  // a comment or directive line of the code editor
        std::string text;
        bool planned = false;
        LinePlan plan;
        bool coded = false;  // not planned, but its code is known
        LineCode code;
        // An Evaluate plan's expression, read once.
        std::optional<ParsedExpression> expression;
        // A line whose only substitution is one expression in parentheses: the text
        // around it and the expression, read once.
        struct OneGroup {
            std::string before, after;
            ParsedExpression inner;
            bool rightSideIsOneValue = false;
            // A compiled jump whose arguments are the group alone: the group's value is
            // the condition, with no line to build around it.
            bool onlyCondition = false;
        };
        std::optional<OneGroup> group;
    };
    ReadLine readLine(std::size_t start, std::size_t lineEnd);
    void executeOneGroup(const ReadLine& line);
    static std::optional<ReadLine::OneGroup> oneGroupOf(std::string_view line);

    RunContext m_run;
    LineBudget& m_budget;
    // The line run last, named when a stop request ends the run. It points into the lines
    // read (copied into m_previousLine before they are forgotten) rather than copying
    // every line.
    const std::string* m_previous = nullptr;
    std::string m_previousLine;
    LineIndex m_index;  // where a line begins -> its place in m_kept, or met once
    std::deque<ReadLine> m_kept;  // lines met more than once; a deque keeps them in place
    ReadLine m_once;  // the line met for the first time that runs now
    std::uint64_t m_revision = 0;  // the buffer's revision the lines were read from
    std::vector<std::size_t> m_charStarts;  // byte offset of each character, when not ASCII
    bool m_charStartsKnown = false;
    int m_linesSinceKeyCheck = 0;
    std::int64_t m_lastKeyCheck = 0;
};

}  // namespace zerin
