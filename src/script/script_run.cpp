#include "script/script_run.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "core/text.h"
#include "core/zerin.h"
#include "platform/keys.h"
#include "script/compiler.h"
#include "script/evaluator.h"
#include "script/interpreter.h"
#include "script/interpreter_messages.h"
#include "script/keyword_executor.h"
#include "script/line_substitution.h"
#include "script/value.h"
#include "script/value_escape.h"
#include "script/variable_commands.h"
#include "script/vocabulary.h"
#include "platform/platform.h"
#include "script/dispatcher.h"
#include "script/run_state.h"
#include "script/variables.h"

namespace zerin {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr int kWaitCommand = 49;       // do_wait
constexpr int kWaitInputCommand = 71;  // wait.input
constexpr std::size_t kCommandLinePosition = 3;  // the "command = " line a compiled run begins with
constexpr std::uint32_t kSeenOnce = LineIndex::kAbsent - 1;  // met once, read again when met next

// Whether the right side of an assignment line is one group or one bracket and nothing
// else: its value is then data, whatever it reads like.
bool rightSideIsOneValue(std::string_view line) {
    std::string_view t = text::trimLeft(line);
    std::size_t blank = t.find(' ');
    if (blank == std::string_view::npos) return false;
    std::string_view rest = text::trimLeft(t.substr(blank + 1));
    if (!rest.starts_with('=') || (rest.size() > 1 && rest[1] != ' ')) return false;
    rest = text::trim(rest.substr(1));
    if (rest.size() < 2) return false;
    if (rest.front() == '[') return rest.find(']') == rest.size() - 1;
    if (rest.front() != '(') return false;
    int depth = 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == '(') ++depth;
        else if (rest[i] == ')' && --depth == 0) return i == rest.size() - 1;
    }
    return false;
}

}  // namespace

ScriptRun::ScriptRun(Zerin& zerin, LoopLists& loops, LineBudget& budget, TextBox* buffer)
    : m_run(zerin, loops, buffer), m_budget(budget) {}

ScriptRun::~ScriptRun() = default;

std::string ScriptRun::runBuffer(std::string_view commandName) {
    TextBox& buffer = *m_run.buffer;
    m_run.editorMode = &buffer == &m_run.zerin.txtCode;
    if (!m_run.editorMode) {
        // The name (or a command line's argument text) is data: escaped here, stored as
        // it is by the assignment (see run).
        std::string text = "\r\ncommand = ";
        text += escapeValue(commandName);
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
    m_previousLine = line;
    if (pauseKeyDown() || !m_budget.take() || !readyFor(m_previousLine)) return m_run.returnValue;
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
            if (m_previous) {
                m_previousLine = *m_previous;
                m_previous = &m_previousLine;
            }
            m_index.clear();
            m_kept.clear();
            m_run.labelCache.clear();
            m_charStarts.clear();
            m_charStartsKnown = false;
        }
        // A line met for the first time is read for this one run and forgotten: most lines
        // of a long script run once, and keeping what was read of each costs more memory
        // than reading it again. A line met again is kept.
        const ReadLine* read = nullptr;
        bool once = false;
        std::uint32_t slot = m_index.find(start);
        if (slot != LineIndex::kAbsent && slot != kSeenOnce) {
            read = &m_kept[slot];
        } else {
            std::size_t lineEnd = t.find(kCrLf, start);
            if (lineEnd == std::string::npos) lineEnd = t.size();
            ReadLine fresh;
            if (lineEnd == start) fresh.blank = true;
            else fresh = readLine(start, lineEnd);
            if (slot == LineIndex::kAbsent) {
                m_index.set(start, kSeenOnce);
                m_once = std::move(fresh);
                read = &m_once;
                once = true;
            } else {
                m_index.set(start, static_cast<std::uint32_t>(m_kept.size()));
                read = &m_kept.emplace_back(std::move(fresh));
            }
        }
        // Stays valid while the line runs: a change of the text is only acted on above.
        const ReadLine& line = *read;
        // The line run last outlives a line that is not kept.
        struct KeepPrevious {
            ScriptRun& run;
            bool once;
            ~KeepPrevious() {
                if (once && run.m_previous == &run.m_once.text) {
                    run.m_previousLine = run.m_once.text;
                    run.m_previous = &run.m_previousLine;
                }
            }
        } keepPrevious{*this, once};
        if (line.blank) {
            m_run.position += 2;
            continue;
        }
        m_run.lineLength = line.length;
        if (m_run.editorMode) m_run.buffer->select(start, line.length);
        if (line.skip) {
            m_run.position += line.length;
            continue;
        }
        if (!readyFor(line.text)) return;
        m_run.jumped = false;
        if (line.expression) evaluateParsed(m_run.zerin, *line.expression, m_run.locals);
        else if (line.planned) run(line.plan);
        else if (line.group) executeOneGroup(line);
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
        line.plan = planLine(holdsEscapes(line.text) ? unescapeValue(line.text) : line.text, m_run.text(), start + 1);
        if (line.plan.kind == LinePlan::Kind::Evaluate) line.expression = parseExpression(line.plan.text);
    } else if (!line.skip) {
        if (!m_run.editorMode) line.coded = lineCode(line.text, line.code);
        line.group = oneGroupOf(line.text);
        if (line.group && line.coded && line.code.jump) {
            auto blanks = [](std::string_view s) { return s.find_first_not_of(' ') == std::string_view::npos; };
            const std::string& before = line.group->before;
            line.group->onlyCondition = before.size() >= line.code.argsStart &&
                                        blanks(std::string_view(before).substr(line.code.argsStart)) &&
                                        blanks(line.group->after);
        }
    }
    return line;
}

// A line such as "IF (n > 10)" or a compiled jump on a condition: one "(" and one ")",
// an expression between them and nothing else to substitute. Substituting its value
// gives what the general substitution gives (the value goes in escaped, with the blank
// after the group taken by the value's own).
std::optional<ScriptRun::ReadLine::OneGroup> ScriptRun::oneGroupOf(std::string_view line) {
    std::size_t close = line.find(')');
    std::size_t open = line.find('(');
    if (open == std::string_view::npos || close == std::string_view::npos || open > close) return std::nullopt;
    if (line.find(')', close + 1) != std::string_view::npos || line.find('(', open + 1) != std::string_view::npos)
        return std::nullopt;
    if (line.find('[') != std::string_view::npos || line.find("&& ") != std::string_view::npos || holdsEscapes(line))
        return std::nullopt;
    std::string_view inner = text::trim(line.substr(open + 1, close - open - 1));
    if (!isExpression(inner)) return std::nullopt;
    std::optional<ParsedExpression> parsed = parseExpression(inner);
    if (!parsed) return std::nullopt;
    ReadLine::OneGroup g;
    g.before = line.substr(0, open);
    bool blankAfter = close + 1 < line.size() && line[close + 1] == ' ';
    g.after = line.substr(close + 1 + (blankAfter ? 1 : 0));
    g.inner = std::move(*parsed);
    g.rightSideIsOneValue = rightSideIsOneValue(line);
    return g;
}

void ScriptRun::executeOneGroup(const ReadLine& line) {
    const ReadLine::OneGroup& g = *line.group;
    std::string value = evaluateParsed(m_run.zerin, g.inner, m_run.locals);
    // What the general path below would hand the jump, once its escapes are undone.
    if (g.onlyCondition) {
        run(codePlan(line.code, value));
        return;
    }
    std::string text = g.before;
    text += escapeValue(text::trimLeft(value));
    text += ' ';
    text += g.after;
    if (text.find("&& ") != std::string::npos) text = text::replaceAll(text, "&& ", "");
    if (holdsEscapes(text)) text = unescapeValue(text);
    if (line.coded) {
        std::string_view args =
            line.code.argsStart < text.size() ? std::string_view(text).substr(line.code.argsStart) : std::string_view{};
        run(codePlan(line.code, args));
        return;
    }
    LinePlan plan = planLine(text, m_run.text(), m_run.position);
    if (g.rightSideIsOneValue && plan.kind == LinePlan::Kind::Assign) plan.valueIsData = true;
    run(plan);
}

// Asking for the key state is a round trip to the display server, which would cost more
// than the line itself: it is asked on a run's first line and then once every couple of
// milliseconds or every few hundred lines, whichever comes first. A press in between is
// still seen ("pressed since the last query"). Even the clock costs as much as a simple
// line on some machines, so it is read only every few lines.
bool ScriptRun::pauseKeyDown() {
    constexpr int kLinesPerCheck = 256;
    constexpr int kLinesPerClockRead = 64;
    constexpr std::int64_t kMsPerCheck = 2;
    Platform& p = m_run.zerin.platform;
    if (m_linesSinceKeyCheck > 0 && m_linesSinceKeyCheck % kLinesPerClockRead != 0) {
        ++m_linesSinceKeyCheck;
        return false;
    }
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
        z.output.debugMessage(std::string(interpreter_messages::kStopped) + std::string(kCrLf) +
                              (m_previous ? *m_previous : std::string()));
        return false;
    }
    m_previous = &line;
    return true;
}

void ScriptRun::execute(std::string line) {
    bool oneValue = rightSideIsOneValue(line);
    LineSubstitution(m_run.zerin, m_run.locals).apply(line);
    LinePlan plan = planLine(line, m_run.text(), m_run.position);
    // A name from a listing or a pane that reads like a command, a variable or an
    // expression is still only a name: it is stored as it came.
    if (oneValue && plan.kind == LinePlan::Kind::Assign) plan.valueIsData = true;
    run(plan);
}

// A jump code names a character; the run reads the text by bytes. A text of plain
// ASCII needs no table.
std::size_t ScriptRun::bytePosition(std::size_t charPosition) {
    const std::string& t = m_run.text();
    if (!m_charStartsKnown) {
        m_charStartsKnown = true;
        m_charStarts.clear();
        if (text::charCount(t) != t.size())
            for (std::size_t i = 0; i < t.size(); ++i)
                if ((static_cast<unsigned char>(t[i]) & 0xC0) != 0x80) m_charStarts.push_back(i);
    }
    if (m_charStarts.empty() || charPosition == 0) return charPosition;
    if (charPosition <= m_charStarts.size()) return m_charStarts[charPosition - 1] + 1;
    return t.size() + 1 + (charPosition - m_charStarts.size() - 1);
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
        m_run.jumpTo(plan.charTarget ? bytePosition(plan.target) : plan.target);
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
        bool commandLine =
            !m_run.editorMode && m_run.position == kCommandLinePosition && plan.key == "command";
        std::string value = plan.valueIsData || commandLine ? plan.text : assignedValue(plan.text);
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
        KeywordExecutor(m_run).execute(plan.keyword, plan.text);
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
