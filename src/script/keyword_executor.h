// The keywords the interpreter runs itself: APP.RETURN, RETURN, GOTO, GOSUB, ENDIF,
// ELSE, ELSEIF, IF, FOR, DO, NEXT, LOOP.UNTIL and END.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "script/vocabulary.h"

namespace zerin {

struct RunContext;

class KeywordExecutor {
public:
    explicit KeywordExecutor(RunContext& run) : m_run(run) {}

    // `keyword` is upper case; `args` is the text after it.
    void execute(Keyword keyword, std::string_view args);

private:
    void doReturn(std::string_view args);
    void doGoto(std::string_view args, bool gosub);
    void jumpToBranch(bool fromIf);
    void doFor(std::string_view args);
    void doNext(std::string_view args);
    void doLoopUntil(std::string_view args);
    // Takes the loop variable's next value and assigns it; false when none is left.
    // Gives the variable its next value; `body`, when given, receives where the loop's
    // body starts (found with the same search).
    bool takeNextValue(std::string_view variable, std::optional<std::size_t>* body = nullptr);

    // The scans over the lines after the current one (uncompiled IF and ELSE): where
    // the flow continues, or nothing when the text ends first.
    std::optional<std::size_t> scanForBranch(bool fromIf) const;
    std::optional<std::size_t> findLabel(const std::string& label);
    void fail(std::string_view message);

    RunContext& m_run;
};

}  // namespace zerin
