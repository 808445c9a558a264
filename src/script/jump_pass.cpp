#include "script/jump_pass.h"

#include <algorithm>
#include <cstdio>

#include "core/output.h"
#include "core/text.h"
#include "platform/event_pump.h"
#include "script/compiler_messages.h"

namespace zerin {

namespace {

constexpr std::string_view kCrLf = "\r\n";
// The inserted line before an elseif: a jump code and CR LF.
constexpr long long kInsertedLength = 10;
constexpr long long kMaxTarget = 9999999;  // seven digits

bool holdsDo(std::string_view s) { return text::lower(s).find("do ") != std::string::npos; }

// What a DO label is looked for in: the line in lower case, with its line break, since a
// label ending in CR may run into it. Made once per line, as every loop searches them all.
std::string doLineKeyText(std::string_view lineText, bool crlf) {
    std::string s = text::lower(lineText);
    if (crlf) s += kCrLf;
    return s;
}

std::string jumpCode(long long target) {
    target = std::clamp<long long>(target, 0, kMaxTarget);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%08lld", target * 10);  // kind 0: jump when false
    return buf;
}

}  // namespace

std::string JumpPass::run(std::string_view text) {
    if (text.find(kCrLf) == std::string_view::npos) return std::string(text);
    splitLines(text);
    buildIndexes();
    m_out.reserve(m_in.size() + m_in.size() / 8);
    m_outOfInput.assign(m_in.size(), 0);
    emitUnchanged(0);
    std::size_t i = 1;
    for (; i < m_in.size(); ++i) {
        if (!compileLine(i)) {
            m_failed = true;
            break;
        }
    }
    for (++i; i < m_in.size(); ++i) emitUnchanged(i);
    return assemble();
}

void JumpPass::splitLines(std::string_view text) {
    std::size_t pos = 0;
    for (;;) {
        std::size_t end = text.find(kCrLf, pos);
        if (end == std::string_view::npos) {
            m_in.push_back({text.substr(pos), false});
            return;
        }
        m_in.push_back({text.substr(pos, end - pos), true});
        pos = end + 2;
    }
}

void JumpPass::buildIndexes() {
    std::size_t n = m_in.size();
    m_nextEndif.assign(n + 1, kNone);
    m_nextElse.assign(n + 1, kNone);
    m_nextElseif.assign(n + 1, kNone);
    m_nextIf.assign(n + 1, kNone);
    m_closingEndif.assign(n, kNone);
    // The branch searches are case-sensitive: only lower-case lines are targets. Every
    // line but the first follows a CR LF, so a line start is where "CR LF if " can match.
    for (std::size_t i = n; i-- > 1;) {
        const InLine& l = m_in[i];
        m_nextEndif[i] = (l.crlf && l.text == "endif") ? i : m_nextEndif[i + 1];
        m_nextElse[i] = (l.crlf && l.text == "else") ? i : m_nextElse[i + 1];
        m_nextElseif[i] = l.text.starts_with("elseif ") ? i : m_nextElseif[i + 1];
        m_nextIf[i] = l.text.starts_with("if ") ? i : m_nextIf[i + 1];
    }
    // An "if " line is closed by the "endif" that balances the count of "if " and
    // "endif" lines after it; else and elseif lines do not count.
    std::vector<std::size_t> open;
    for (std::size_t i = 1; i < n; ++i) {
        if (m_nextIf[i] == i) {
            open.push_back(i);
        } else if (m_nextEndif[i] == i && !open.empty()) {
            m_closingEndif[open.back()] = i;
            open.pop_back();
        }
    }
    for (std::size_t i = 0; i < n; ++i)
        if (holdsDo(m_in[i].text)) {
            m_inDoLines.push_back(i);
            m_inDoLower.push_back(doLineKeyText(m_in[i].text, m_in[i].crlf));
        }
}

bool JumpPass::compileLine(std::size_t i) {
    const InLine& in = m_in[i];
    // Lines are taken while at least two characters remain.
    if (!in.crlf && in.text.size() < 2) {
        emitUnchanged(i);
        return true;
    }
    std::string lower = text::lower(in.text);
    OutLine out;
    out.crlf = in.crlf;
    out.jump = true;

    if (lower.starts_with("loop.until ")) {
        std::string_view rest = std::string_view(lower).substr(11);
        std::size_t blank = rest.find(' ');
        std::string_view label = rest.substr(0, blank);
        if (label.empty()) {
            m_output.debugMessage(compiler_messages::kDoWithoutLabel);
            emitUnchanged(i);
            return false;
        }
        if (!findDoLine(label, i, out.target)) {
            emitUnchanged(i);
            return true;
        }
        out.text = " ";
        if (blank != std::string_view::npos) out.text += in.text.substr(11 + blank + 1);
        emit(i, std::move(out));
        return true;
    }
    if (lower.starts_with("if ")) {
        if (!branchTarget(i, out.target)) {
            m_output.debugMessage(compiler_messages::kIfWithoutEndif);
            emitUnchanged(i);
            return false;
        }
        out.text = " " + std::string(text::trimLeft(in.text.substr(3)));
        emit(i, std::move(out));
        return true;
    }
    if (lower.starts_with("elseif ")) {
        if (!branchTarget(i, out.target)) {
            m_output.debugMessage(compiler_messages::kIfWithoutEndif);
            emitUnchanged(i);
            return false;
        }
        out.text = " " + std::string(text::trimLeft(in.text.substr(7)));
        std::size_t endif = kNone;
        if (!matchingEndif(i, compiler_messages::kElseifWithoutEndif,
                           compiler_messages::kElseifWithoutEndifNested, endif)) {
            // The code was made for the jump line that is now never inserted.
            out.target.offset += kInsertedLength;
            emit(i, std::move(out));
            return false;
        }
        OutLine inserted;
        inserted.crlf = true;
        inserted.jump = true;
        inserted.target = {Target::Kind::InputLine, endif, 0};
        m_out.push_back(std::move(inserted));
        emit(i, std::move(out));
        return true;
    }
    if (lower.starts_with("else")) {
        std::size_t endif = kNone;
        if (!matchingEndif(i, compiler_messages::kElseWithoutEndif,
                           compiler_messages::kElseWithoutEndifNested, endif)) {
            emitUnchanged(i);
            return false;
        }
        out.target = {Target::Kind::InputLine, endif, 0};
        emit(i, std::move(out));
        return true;
    }
    emitUnchanged(i);
    return true;
}

// The next branch of the if or elseif at line i: the first endif, the line after the
// first else, or the first elseif, skipping nested if blocks that come before it.
bool JumpPass::branchTarget(std::size_t i, Target& target) {
    constexpr std::size_t kEnd = kNone;  // the end of the text: beyond every line
    std::size_t from = i + 1;
    std::size_t limit = kEnd;
    for (;;) {
        limit = kEnd;
        std::size_t a = m_nextEndif[from];
        if (a != kNone) limit = a;
        std::size_t b = m_nextElse[from];
        if (b != kNone && b + 1 < limit) limit = b + 1;
        std::size_t c = m_nextElseif[from];
        if (c != kNone && c < limit) limit = c;
        std::size_t d = m_nextIf[from];
        if (d == kNone || d >= limit) break;
        m_pump.processEvents();
        std::size_t closing = m_closingEndif[d];
        if (closing == kNone) return false;
        from = closing + 1;
    }
    if (limit == kEnd) target = {Target::Kind::End, 0, 2};
    else target = {Target::Kind::InputLine, limit, 0};
    return true;
}

bool JumpPass::matchingEndif(std::size_t i, std::string_view noEndif, std::string_view nested,
                             std::size_t& endif) {
    std::size_t from = i + 1;
    for (;;) {
        std::size_t a = m_nextEndif[from];
        if (a == kNone) {
            m_output.debugMessage(std::string(noEndif) + std::string(kCrLf) + std::string(m_in[i].text));
            return false;
        }
        std::size_t d = m_nextIf[from];
        if (d == kNone || d > a) {
            endif = a;
            return true;
        }
        m_pump.processEvents();
        std::size_t closing = m_closingEndif[d];
        if (closing == kNone) {
            m_output.debugMessage(std::string(nested) + std::string(kCrLf) + std::string(m_in[i].text));
            return false;
        }
        from = closing + 1;
    }
}

// The first "do " + label in the text as it stands (lines already compiled as they are
// now, the rest as the first pass left it), in any case; the target is the line after.
bool JumpPass::findDoLine(std::string_view label, std::size_t current, Target& target) const {
    std::string key = "do " + std::string(label);
    DoSearch& search = m_doSearches[key];
    for (; search.found == static_cast<std::size_t>(-1) && search.searched < m_outDoLines.size(); ++search.searched)
        if (m_outDoLower[search.searched].find(key) != std::string::npos) search.found = search.searched;
    if (search.found != static_cast<std::size_t>(-1)) {
        const std::size_t o = m_outDoLines[search.found];
        if (m_out[o].crlf) target = {Target::Kind::OutputLine, o + 1, 0};
        else target = {Target::Kind::Absolute, 2, 0};
        return true;
    }
    auto it = std::lower_bound(m_inDoLines.begin(), m_inDoLines.end(), current);
    for (; it != m_inDoLines.end(); ++it) {
        const InLine& l = m_in[*it];
        if (m_inDoLower[static_cast<std::size_t>(it - m_inDoLines.begin())].find(key) != std::string::npos) {
            if (l.crlf) target = {Target::Kind::InputLine, *it + 1, 0};
            else target = {Target::Kind::Absolute, 2, 0};
            return true;
        }
    }
    return false;
}

void JumpPass::emit(std::size_t input, OutLine line) {
    m_outOfInput[input] = m_out.size();
    if (holdsDo(line.text)) {
        m_outDoLines.push_back(m_out.size());
        m_outDoLower.push_back(doLineKeyText(line.text, line.crlf));
    }
    m_out.push_back(std::move(line));
}

void JumpPass::emitUnchanged(std::size_t input) {
    OutLine line;
    line.text = std::string(m_in[input].text);
    line.crlf = m_in[input].crlf;
    emit(input, std::move(line));
}

std::string JumpPass::assemble() const {
    std::vector<long long> start(m_out.size());
    long long pos = 1;
    for (std::size_t k = 0; k < m_out.size(); ++k) {
        start[k] = pos;
        const OutLine& l = m_out[k];
        // Targets count characters, as a hand-written jump code does.
        pos += static_cast<long long>(text::charCount(l.text)) + (l.jump ? 8 : 0) + (l.crlf ? 2 : 0);
    }
    long long length = pos - 1;
    auto resolve = [&](const Target& t) -> long long {
        switch (t.kind) {
        case Target::Kind::InputLine: return start[m_outOfInput[t.index]] + t.offset;
        case Target::Kind::OutputLine: return start[t.index] + t.offset;
        case Target::Kind::End: return length + t.offset;
        case Target::Kind::Absolute: return static_cast<long long>(t.index) + t.offset;
        }
        return 0;
    };
    std::string result;
    result.reserve(static_cast<std::size_t>(length));
    for (const OutLine& l : m_out) {
        if (l.jump) result += jumpCode(resolve(l.target));
        result += l.text;
        if (l.crlf) result += kCrLf;
    }
    return result;
}

}  // namespace zerin
