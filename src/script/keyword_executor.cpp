#include "script/keyword_executor.h"

#include <algorithm>

#include "core/text.h"
#include "core/zerin.h"
#include "script/interpreter_messages.h"
#include "script/loop_lists.h"
#include "script/run_context.h"
#include "script/value.h"
#include "script/variable_commands.h"
#include "script/vocabulary.h"
#include "script/variables.h"

namespace zerin {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// The first `n` characters a line begins with once its tabs and leading blanks are
// gone, upper-cased: enough to tell IF, ELSE, ELSEIF and ENDIF lines apart.
std::string linePrefix(std::string_view raw, std::size_t n) {
    std::string p;
    for (char c : raw) {
        if (c == '\t' || (c == ' ' && p.empty())) continue;
        if (p.size() == n) break;
        p.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
    }
    return p;
}

std::string_view firstWordOf(std::string_view s, std::string_view* rest = nullptr) {
    s = text::trimLeft(s);
    std::size_t blank = s.find(' ');
    if (rest) *rest = blank == std::string_view::npos ? std::string_view{} : s.substr(blank + 1);
    return s.substr(0, blank);
}

}  // namespace

void KeywordExecutor::execute(Keyword keyword, std::string_view args) {
    switch (keyword) {
    case Keyword::AppReturn: m_run.returnValue = std::string(args); break;
    case Keyword::Return: doReturn(args); break;
    case Keyword::Goto: doGoto(args, false); break;
    case Keyword::Gosub: doGoto(args, true); break;
    case Keyword::Else:
    case Keyword::ElseIf: jumpToBranch(false); break;
    case Keyword::If:
        if (conditionIsFalse(args)) jumpToBranch(true);
        break;
    case Keyword::For: doFor(args); break;
    case Keyword::Do: m_run.loops.setDo(text::lower(firstWordOf(args)), m_run.afterLine()); break;
    case Keyword::Next: doNext(args); break;
    case Keyword::LoopUntil: doLoopUntil(args); break;
    case Keyword::End: m_run.ended = true; break;
    case Keyword::EndIf:
    case Keyword::None: break;
    }
}

// RETURN value: sets `return` and goes back after the last GOSUB. With no GOSUB to go
// back to the run ends.
void KeywordExecutor::doReturn(std::string_view args) {
    doSet(m_run.zerin, "return " + std::string(args), m_run.locals);
    if (m_run.returnStack.empty()) {
        m_run.ended = true;
        return;
    }
    m_run.jumpTo(m_run.returnStack.back());
    m_run.returnStack.pop_back();
}

// GOTO label / GOSUB label: continues after the line "label:".
void KeywordExecutor::doGoto(std::string_view args, bool gosub) {
    std::string label(text::trim(args));
    if (gosub) m_run.returnStack.push_back(m_run.afterLine());
    std::optional<std::size_t> target = findLabel(label);
    if (!target) {
        fail(std::string(interpreter_messages::kLabelNotFound) + label);
        return;
    }
    m_run.jumpTo(*target);
}

// The label line must stand alone at the start of a line, written exactly as in the
// GOTO. The position is that line's CR LF, which the next read skips.
std::optional<std::size_t> KeywordExecutor::findLabel(const std::string& label) {
    auto cached = m_run.labelCache.find(label);
    if (cached != m_run.labelCache.end()) return cached->second;
    const std::string& t = m_run.text();
    std::string line = label + ":" + std::string(kCrLf);
    std::size_t at;
    if (t.starts_with(line)) {
        at = 0;
    } else {
        std::size_t hit = t.find(std::string(kCrLf) + line);
        if (hit == std::string::npos) return std::nullopt;
        at = hit + 2;
    }
    std::size_t target = at + label.size() + 2;  // 1-based position of the CR after ":"
    m_run.labelCache.emplace(label, target);
    return target;
}

// An IF whose condition is false, or an ELSE or ELSEIF reached by the flow (the true
// branch has ended: continue after ENDIF). Each line's target is scanned for once.
void KeywordExecutor::jumpToBranch(bool fromIf) {
    std::size_t at = m_run.position;
    auto cached = m_run.branchCache.find(at);
    if (cached != m_run.branchCache.end()) {
        m_run.jumpTo(cached->second);
        return;
    }
    std::optional<std::size_t> target = scanForBranch(fromIf);
    if (!target) {
        fail(fromIf ? interpreter_messages::kIfWithoutEndif : interpreter_messages::kElseWithoutEndif);
        return;
    }
    m_run.branchCache.emplace(at, *target);
    m_run.jumpTo(*target);
}

// From an IF: the first ELSEIF (landing on the IF inside it, so that its condition is
// tested next), the line after the first ELSE, or the line after the ENDIF, at the IF's
// own depth. From an ELSE: the line after the matching ENDIF.
std::optional<std::size_t> KeywordExecutor::scanForBranch(bool fromIf) const {
    const std::string& t = m_run.text();
    std::size_t q = m_run.position - 1 + m_run.lineLength;
    if (q >= t.size() || t.compare(q, 2, kCrLf) != 0) return std::nullopt;
    q += 2;
    int depth = 0;
    while (q < t.size()) {
        std::size_t e = t.find(kCrLf, q);
        std::size_t lineEnd = e == std::string::npos ? t.size() : e;
        std::string_view raw(t.data() + q, lineEnd - q);
        std::size_t after = lineEnd + (e == std::string::npos ? 0 : 2) + 1;  // 1-based
        std::string p = linePrefix(raw, 6);
        if (p.starts_with("ENDIF")) {
            if (depth == 0) return after;
            --depth;
        } else if (p.starts_with("IF")) {
            ++depth;
        } else if (fromIf && depth == 0 && p == "ELSEIF") {
            std::size_t lead = raw.size() - text::trimLeftBlanksTabs(raw).size();
            return q + lead + 4 + 1;
        } else if (fromIf && depth == 0 && p.starts_with("ELSE")) {
            return after;
        }
        if (e == std::string::npos) break;
        q = e + 2;
    }
    return std::nullopt;
}

// FOR variable = values
void KeywordExecutor::doFor(std::string_view args) {
    std::string_view rest;
    std::string_view variable = firstWordOf(args, &rest);
    std::string_view values;
    std::string_view equals = firstWordOf(rest, &values);
    if (equals != "=") {
        fail(interpreter_messages::kForWithoutEquals);
        return;
    }
    m_run.loops.startFor(variable, text::trim(values), m_run.afterLine());
    takeNextValue(variable);
}

void KeywordExecutor::doNext(std::string_view args) {
    std::string_view variable = firstWordOf(args);
    std::optional<std::size_t> body;
    if (!takeNextValue(variable, &body)) return;
    if (body) m_run.jumpTo(*body);
}

bool KeywordExecutor::takeNextValue(std::string_view variable, std::optional<std::size_t>* body) {
    std::optional<std::string> value = m_run.loops.nextValue(variable, body);
    if (!value) return false;
    // The common case of do_set without building its argument: a local loop variable
    // taking a plain value.
    std::string lowered;
    std::string_view key = variable;
    if (std::any_of(variable.begin(), variable.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
        key = lowered = text::lower(variable);
    if (variable.find_first_of("\" ") == std::string_view::npos && m_run.locals.indexed(key) &&
        !m_run.zerin.publicVars.indexed(key) && !isNothing(*value) &&
        value->find_first_of(" \"") == std::string::npos) {
        m_run.locals.assign(std::string(key), std::move(*value));
        return true;
    }
    // The value is kept as it is: substitution escapes whatever it puts into a line.
    std::string arg(variable);
    arg += ' ';
    arg += *value;
    doSet(m_run.zerin, arg, m_run.locals);
    return true;
}

// LOOP.UNTIL label condition (not compiled): back to the line after DO label while false.
void KeywordExecutor::doLoopUntil(std::string_view args) {
    std::string_view condition;
    std::string_view label = firstWordOf(args, &condition);
    if (!conditionIsFalse(condition)) return;
    std::optional<std::size_t> body = m_run.loops.doBody(label);
    if (!body) {
        m_run.zerin.output.debugMessage(interpreter_messages::kMissingPointer);
        return;
    }
    m_run.jumpTo(*body);
}

void KeywordExecutor::fail(std::string_view message) {
    m_run.zerin.output.debugMessage(message);
    m_run.ended = true;
}

}  // namespace zerin
