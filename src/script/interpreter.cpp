#include "script/interpreter.h"

#include <exception>

#include "core/zerin.h"
#include "script/interpreter_messages.h"
#include "script/script_run.h"
#include "script/run_state.h"

namespace zerin {

namespace {

// Runs nest when a waiting command lets another start; a script that starts itself
// would otherwise nest until the stack runs out.
constexpr int kMaxNestedRuns = 64;

struct DepthGuard {
    explicit DepthGuard(int& d) : depth(d) { ++depth; }
    ~DepthGuard() { --depth; }
    int& depth;
};

}  // namespace

std::string Interpreter::RunEditor(std::string_view commandLine, TextBox* buffer, std::string_view commandName) {
    if (m_zerin.run.depth >= kMaxNestedRuns) {
        m_zerin.output.debugMessage(interpreter_messages::kTooDeep);
        return {};
    }
    DepthGuard guard(m_zerin.run.depth);
    m_zerin.run.stopRequest = false;
    try {
        ScriptRun run(m_zerin, m_loops, m_budget, buffer);
        if (!commandLine.empty()) return run.runSingleLine(commandLine);
        if (!buffer) return {};
        return run.runBuffer(commandName);
    } catch (const std::exception&) {
        m_zerin.output.debugMessage(interpreter_messages::kRunEditorFailed);
    } catch (...) {
        m_zerin.output.debugMessage(interpreter_messages::kRunEditorFailed);
    }
    return {};
}

}  // namespace zerin
