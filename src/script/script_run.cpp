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
constexpr double kCommandCodeBase = 10000000;
constexpr int kWaitCommand = 49;       // do_wait
constexpr int kWaitInputCommand = 71;  // wait.input

bool mayBeNumber(char c) { return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == '&'; }

// The second word as the evaluator sees it: after the first (a quoted one counts whole).
std::string_view secondWord(std::string_view line) {
    std::string_view rest;
    text::firstWord(text::trimLeft(line), &rest);
    rest = text::trimLeft(rest);
    return rest.substr(0, rest.find(' '));
}

// Whether the upper-cased word followed by a blank occurs anywhere in the command
// table: true only for names without letters such as "?", "?." and "!".
bool inCommandTable(std::string_view word) {
    std::string key = text::upper(word);
    if (std::any_of(key.begin(), key.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) return false;
    key += ' ';
    return vocabulary::commandTable().find(key) != std::string::npos;
}

std::size_t findNoCase(std::string_view haystack, std::string_view needle, std::size_t from) {
    if (needle.empty() || haystack.size() < needle.size()) return std::string_view::npos;
    for (std::size_t i = from; i + needle.size() <= haystack.size(); ++i)
        if (text::iequals(haystack.substr(i, needle.size()), needle)) return i;
    return std::string_view::npos;
}

}  // namespace

ScriptRun::ScriptRun(Zerin& zerin, LoopLists& loops, LineBudget& budget, TextBox* buffer)
    : m_run(zerin, loops, buffer), m_budget(budget) {}

ScriptRun::~ScriptRun() {
    if (m_observer && m_run.buffer) m_run.buffer->removeObserver(m_observer);
}

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
    TextBox::Observer watch;
    watch.textChanged = [this](const TextBox::Change&) { m_run.labelCache.clear(); };
    m_observer = buffer.addObserver(std::move(watch));
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
        std::size_t lineEnd = t.find(kCrLf, start);
        if (lineEnd == start) {
            m_run.position += 2;
            continue;
        }
        if (lineEnd == std::string::npos) lineEnd = t.size();
        m_run.lineLength = lineEnd - start;
        std::string line;
        if (m_run.editorMode) {
            m_run.buffer->select(start, m_run.lineLength);
            line = text::trimLeftBlanksTabs(m_run.buffer->selectedText());
            if (!line.empty() && (line[0] == '\'' || line[0] == '#')) {
                m_run.position += m_run.lineLength;
                continue;
            }
        } else {
            line.assign(t, start, m_run.lineLength);
        }
        if (!readyFor(line)) return;
        m_run.jumped = false;
        execute(std::move(line));
        if (m_run.ended) return;
        if (!m_run.jumped) m_run.position += m_run.lineLength;
    }
}

bool ScriptRun::pauseKeyDown() {
    if (!m_run.zerin.platform.keys.asyncKeyState(kVkPause)) return false;
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
    Zerin& z = m_run.zerin;
    LineSubstitution(z, m_run.locals).apply(line);

    std::string_view trimmed = text::trimLeft(line);
    std::size_t blank = trimmed.find(' ');
    std::string_view firstWord = blank == std::string_view::npos ? text::trim(line) : trimmed.substr(0, blank);
    std::string_view args = blank == std::string_view::npos ? std::string_view{} : trimmed.substr(blank + 1);
    std::string first = text::upper(firstWord);

    if (!first.empty() && mayBeNumber(first[0])) {
        double value = val(first);
        if (value != 0 && !std::isnan(value)) {
            numericLine(value, args);
            return;
        }
    }
    if (first == "FUNCTION" && skipFunction()) return;
    if (expressionLine(line, firstWord, args)) return;

    // Values keep parentheses escaped until a command gets them.
    if (line.find(':') != std::string::npos) line = text::replaceAll(text::replaceAll(line, ":[", "("), ":]", ")");
    if (!vocabulary::isKeyword(first)) {
        z.dispatcher.chkCommand(line, m_run.locals);
        return;
    }
    trimmed = text::trimLeft(line);
    blank = trimmed.find(' ');
    args = blank == std::string_view::npos ? std::string_view{} : trimmed.substr(blank + 1);
    KeywordExecutor(m_run).execute(first, args);
}

// A jump line (code up to 10000000: target position and kind) or a compiled command.
void ScriptRun::numericLine(double value, std::string_view args) {
    double whole = roundHalfEven(std::clamp(value, -9.0e15, 9.0e15));
    if (value <= kCommandCodeBase) {
        auto code = static_cast<long long>(whole);
        long long kind = code % 10;
        long long target = code / 10;
        std::string_view condition = text::trim(args);
        bool zero = condition.empty() || condition == "0" || condition == "false";
        // A position below 1 is no place in the text: such a line is skipped.
        if (((!zero && kind == 1) || (zero && kind == 0)) && target >= 1)
            m_run.jumpTo(static_cast<std::size_t>(target));
        return;
    }
    double number = std::min(whole - kCommandCodeBase, static_cast<double>(INT_MAX));
    m_run.zerin.dispatcher.chkCommand(args, m_run.locals, static_cast<int>(number));
}

// The flow does not enter a function body: it continues after END FUNCTION.
bool ScriptRun::skipFunction() {
    constexpr std::string_view kEnd = "END FUNCTION\r\n";
    std::size_t at = findNoCase(m_run.text(), kEnd, m_run.position - 1);
    if (at == std::string_view::npos) return false;
    m_run.jumpTo(at + kEnd.size() + 1);
    return true;
}

bool ScriptRun::expressionLine(const std::string& line, std::string_view firstWord, std::string_view args) {
    std::string_view op = secondWord(line);
    if (!vocabulary::isOperator(op)) return false;
    Zerin& z = m_run.zerin;
    if (op != "=") {
        std::string expression = line;
        evaluate(z, expression, m_run.locals);
        return true;
    }
    if (inCommandTable(firstWord)) return false;  // "? = x" prints
    std::size_t eq = args.find('=');
    std::string value = assignedValue(text::trim(eq == std::string_view::npos ? args : args.substr(eq + 1)));
    std::string key = text::lower(firstWord);
    if (m_run.locals.indexed(key)) {
        m_run.locals.assign(key, std::move(value));
    } else {
        std::string arg(firstWord);
        arg += ' ';
        arg += value;
        doSet(z, arg, m_run.locals);
    }
    return true;
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
