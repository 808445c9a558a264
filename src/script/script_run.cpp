#include "script/script_run.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "core/text.h"
#include "core/zerin.h"
#include "platform/keys.h"
#include "script/compiler.h"
#include "script/evaluator.h"
#include "script/interpreter_messages.h"
#include "script/keyword_executor.h"
#include "script/line_substitution.h"
#include "script/value.h"
#include "script/variable_commands.h"
#include "script/vocabulary.h"

namespace zerin {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr int kWaitCommand = 49;       // do_wait
constexpr int kWaitInputCommand = 71;  // wait.input

}  // namespace

ScriptRun::ScriptRun(Zerin& zerin, LoopLists& loops, LineBudget& budget, TextBox* buffer)
    : m_run(zerin, loops, buffer), m_budget(budget) {}

ScriptRun::~ScriptRun() = default;

std::string ScriptRun::runBuffer(std::string_view commandName) {
    TextBox& buffer = *m_run.buffer;
    m_run.editorMode = &buffer == &m_run.zerin.txtCode;
    if (!m_run.editorMode) {
        std::string text = "\r\ncommand = ";
        text += commandName;
        text += kCrLf;
        text += buffer.text();
        text += kCrLf;
        buffer.setText(std::move(text));
        compile(m_run.zerin, buffer);
    }
    m_revision = buffer.revision();
    m_run.position = 1;
    m_run.end = buffer.length();
    loop();
    return m_run.returnValue;
}

std::string ScriptRun::runSingleLine(std::string_view commandLine) {
    std::string line(text::trimLeftBlanksTabs(commandLine));
    m_run.zerin.output.debugMessage(interpreter_messages::kCli);
    if (pauseKeyDown() || !m_budget.take() || !readyFor(line)) return m_run.returnValue;
    m_run.lineLength = line.size();
    execute(std::move(line));
    return m_run.returnValue;
}

void ScriptRun::loop() {
    for (;;) {
        if (pauseKeyDown() || !m_budget.take()) return;
        const std::string& t = m_run.text();
        std::size_t start = m_run.position - 1;
        if (m_run.position >= m_run.end || start >= t.size()) {
            m_run.buffer->moveCaretToEnd();
            return;
        }
        // What was read from the text is forgotten once it changes (a nested run, the
        // user typing into the code editor while the script waits).
        if (m_run.buffer->revision() != m_revision) {
            m_revision = m_run.buffer->revision();
            m_lines.clear();
            m_run.labelCache.clear();
        }
        auto known = m_lines.find(start);
        if (known == m_lines.end()) {
            std::size_t lineEnd = t.find(kCrLf, start);
            if (lineEnd == start) {
                m_run.position += 2;
                continue;
            }
            if (lineEnd == std::string::npos) lineEnd = t.size();
            known = m_lines.emplace(start, readLine(start, lineEnd)).first;
        }
        // Stays valid while the line runs: a change of the text is only acted on above.
        const ReadLine& line = known->second;
        m_run.lineLength = line.length;
        if (m_run.editorMode) m_run.buffer->select(start, line.length);
        if (line.skip) {
            m_run.position += line.length;
            continue;
        }
        if (!readyFor(line.text)) return;
        m_run.jumped = false;
        if (line.planned) run(line.plan);
        else if (line.coded) executeCoded(line.text, line.code);
        else execute(line.text);
        if (m_run.ended) return;
        if (!m_run.jumped) m_run.position += m_run.lineLength;
    }
}

ScriptRun::ReadLine ScriptRun::readLine(std::size_t start, std::size_t lineEnd) {
    ReadLine line;
    line.length = lineEnd - start;
    std::string_view raw(m_run.text().data() + start, line.length);
    if (m_run.editorMode) {
        line.text = text::trimLeftBlanksTabs(raw);
        line.skip = !line.text.empty() && (line.text[0] == '\'' || line.text[0] == '#');
    } else {
        line.text = raw;
    }
    if (!line.skip && nothingToSubstitute(line.text)) {
        line.planned = true;
        line.plan = planLine(line.text, m_run.text(), start + 1);
    } else if (!line.skip && !m_run.editorMode) {
        line.coded = lineCode(line.text, line.code);
    }
    return line;
}

// Asking for the key state is a round trip to the display server, which would cost more
// than the line itself: it is asked on a run's first line and then once every couple of
// milliseconds or every few hundred lines, whichever comes first. A press in between is
// still seen ("pressed since the last query").
bool ScriptRun::pauseKeyDown() {
    constexpr int kLinesPerCheck = 256;
    constexpr std::int64_t kMsPerCheck = 2;
    Platform& p = m_run.zerin.platform;
    std::int64_t now = p.clock.tickCount();
    if (m_linesSinceKeyCheck > 0 && m_linesSinceKeyCheck < kLinesPerCheck && now - m_lastKeyCheck < kMsPerCheck) {
        ++m_linesSinceKeyCheck;
        return false;
    }
    m_linesSinceKeyCheck = 1;
    m_lastKeyCheck = now;
    if (!p.keys.asyncKeyState(kVkPause)) return false;
    m_run.zerin.run.stopRequest = true;
    return true;
}

bool ScriptRun::readyFor(const std::string& line) {
    Zerin& z = m_run.zerin;
    if (z.run.slowMode) z.dispatcher.chkCommand("0.2", m_run.locals, kWaitCommand);
    if (z.run.waitingForInput) z.dispatcher.chkCommand("", m_run.locals, kWaitInputCommand);
    if (z.run.stopRequest) {
        z.output.debugMessage(std::string(interpreter_messages::kStopped) + std::string(kCrLf) + m_previousLine);
        return false;
    }
    m_previousLine = line;
    return true;
}

void ScriptRun::execute(std::string line) {
    LineSubstitution(m_run.zerin, m_run.locals).apply(line);
    run(planLine(line, m_run.text(), m_run.position));
}

// Substituting into a compiled line leaves its code alone: only the arguments are read
// again, the code's meaning is kept.
void ScriptRun::executeCoded(std::string line, const LineCode& code) {
    LineSubstitution(m_run.zerin, m_run.locals).apply(line);
    std::string_view args = code.argsStart < line.size() ? std::string_view(line).substr(code.argsStart) : std::string_view{};
    run(codePlan(code, args));
}

void ScriptRun::run(const LinePlan& plan) {
    Zerin& z = m_run.zerin;
    switch (plan.kind) {
    case LinePlan::Kind::Nothing:
        return;
    case LinePlan::Kind::Jump:
        m_run.jumpTo(plan.target);
        return;
    case LinePlan::Kind::Command:
        z.dispatcher.chkCommand(plan.text, m_run.locals, plan.number);
        return;
    case LinePlan::Kind::Evaluate: {
        std::string expression = plan.text;
        evaluate(z, expression, m_run.locals);
        return;
    }
    case LinePlan::Kind::Assign: {
        std::string value = assignedValue(plan.text);
        if (m_run.locals.indexed(plan.key)) {
            m_run.locals.assign(plan.key, std::move(value));
        } else {
            std::string arg = plan.first;
            arg += ' ';
            arg += value;
            doSet(z, arg, m_run.locals);
        }
        return;
    }
    case LinePlan::Kind::ByName:
        z.dispatcher.chkCommand(plan.text, m_run.locals);
        return;
    case LinePlan::Kind::Keyword:
        KeywordExecutor(m_run).execute(plan.first, plan.text);
        return;
    }
}

// The right side of an assignment: an expression's value, a number as written, a local
// or public variable's value, a command's result, or else the text itself.
std::string ScriptRun::assignedValue(std::string_view right) {
    Zerin& z = m_run.zerin;
    if (isExpression(right)) {
        std::string expression(right);
        return evaluate(z, expression, m_run.locals);
    }
    if (!right.empty() && ((right[0] >= '0' && right[0] <= '9') || right[0] == '-' || right[0] == '.'))
        return std::string(right);
    std::string key = text::lower(right);
    if (const std::string* v = m_run.locals.find(key)) return *v;
    if (const std::string* v = z.publicVars.find(key)) return *v;
    if (vocabulary::commandNumber(right.substr(0, right.find(' '))) != 0) return z.dispatcher.call(right);
    return std::string(right);
}

}  // namespace zerin
