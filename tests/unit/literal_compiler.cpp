#include "literal_compiler.h"

#include <cstdio>

#include "core/text.h"
#include "script/value.h"
#include "script/vocabulary.h"

namespace zerin::test {

namespace {

const std::string kCrLf = "\r\n";

// A text search counted from 1, as the language's positions are: 1-based start and
// result, 0 when absent.
std::size_t instr(std::size_t start, const std::string& s, const std::string& pat) {
    if (start < 1) start = 1;
    if (start > s.size() + 1) return 0;
    std::size_t p = s.find(pat, start - 1);
    return p == std::string::npos ? 0 : p + 1;
}

struct Literal {
    std::string t;
    std::vector<std::string> msgs;

    void replace(std::size_t pos, std::size_t oldLen, const std::string& n) { t.replace(pos - 1, oldLen, n); }

    void fixup(std::size_t p, long long d) {
        std::size_t q = instr(1, t, kCrLf);
        while (q > 0 && q < p) {
            if (q + 2 <= t.size() && t[q + 1] == '0') {
                long long code = static_cast<long long>(val(t.substr(q + 1, 8)));
                long long target = code / 10;
                if (target >= static_cast<long long>(p)) {
                    char buf[16];
                    std::snprintf(buf, sizeof buf, "%07lld", target + d);
                    t.replace(q + 1, 7, buf, 7);
                }
            }
            q = instr(q + 1, t, kCrLf);
        }
    }

    static std::string code(long long target) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%08lld", target * 10);
        return buf;
    }

    // 0 on a syntax error (reported).
    std::size_t nextBranch(std::size_t pos) {
        std::size_t limit = t.size(), sp = pos, blockEnd = 0;
        for (;;) {
            limit = t.size();
            std::size_t a = instr(sp, t, "\r\nendif\r\n");
            if (a > 0 && a < limit) {
                limit = a;
                blockEnd = a + 5;
            }
            std::size_t b = instr(sp, t, "\r\nelse\r\n");
            if (b > 0 && b + 6 < limit) limit = b + 6;
            std::size_t c = instr(sp, t, "\r\nelseif ");
            if (c > 0 && c < limit) limit = c;
            std::size_t d = instr(sp, t, "\r\nif ");
            if (d == 0 || d >= limit) break;
            if (a == 0) return 0;
            std::size_t e = d;
            for (;;) {
                e = instr(e + 1, t, "\r\nif ");
                if (e == 0 || e >= blockEnd) break;
                std::size_t nb = instr(blockEnd, t, "\r\nendif\r\n");
                if (nb == 0) return 0;
                blockEnd = nb + 5;
            }
            sp = blockEnd;
        }
        return limit + 2;
    }

    // 0 after reporting err1 (no endif) or err2 (inside a nested block).
    std::size_t endifOf(std::size_t pos, const std::string& line, const char* err1, const char* err2) {
        std::size_t sp = pos;
        for (;;) {
            std::size_t a = instr(sp, t, "\r\nendif\r\n");
            if (a == 0) {
                msgs.push_back(err1 + kCrLf + line);
                return 0;
            }
            std::size_t d = instr(sp, t, "\r\nif ");
            if (d == 0 || d > a) return a + 2;
            std::size_t blockEnd = a + 5, e = d;
            for (;;) {
                e = instr(e + 1, t, "\r\nif ");
                if (e == 0 || e >= blockEnd) break;
                std::size_t nb = instr(blockEnd, t, "\r\nendif\r\n");
                if (nb == 0) {
                    msgs.push_back(err2 + kCrLf + line);
                    return 0;
                }
                blockEnd = nb + 5;
            }
            sp = blockEnd;
        }
    }

    int pass1() {
        int flags = 0;
        std::size_t pos = instr(1, t, kCrLf) + 2;
        while (pos > 2 && pos < t.size()) {
            std::size_t e = instr(pos, t, kCrLf);
            std::size_t oldLen = e ? e + 2 - pos : t.size() - pos + 1;
            std::string line(text::trimLeftBlanksTabs(t.substr(pos - 1, oldLen)));
            bool crlf = line.ends_with(kCrLf);
            std::string body = crlf ? line.substr(0, line.size() - 2) : line;
            std::string n = line;
            if (body.empty()) {
            } else if (body[0] == '\'') {
                n = "";
            } else if (body[0] == '#') {
                if (text::lower(line.substr(0, 6)) == "#name=") n = "app.name = " + line.substr(6);
                else if (text::lower(line.substr(0, 10)) == "#location=") n = "app.location = " + line.substr(10);
                else if (text::lower(line.substr(0, 14)) == "#compileflags=") {
                    flags = static_cast<int>(roundHalfEven(val(body.substr(14))));
                    n = "app.compileflags = " + std::to_string(flags) + (crlf ? kCrLf : "");
                } else n = "";
            } else if (text::lower(line.substr(0, 5)) == "endif") {
                n = text::replaceAll(text::replaceAll(line, " ", ""), "\t", "");
            } else if (line.find(' ') != std::string::npos) {
                std::string word = line.substr(0, line.find(' '));
                int number = vocabulary::commandNumber(word);
                if (number) n = vocabulary::commandCode(number) + " " + std::string(text::trimLeft(line.substr(word.size() + 1)));
            }
            replace(pos, oldLen, n);
            std::size_t nx = instr(pos + n.size() - 2, t, kCrLf);
            pos = nx + 2;
        }
        return flags;
    }

    void pass2() {
        std::size_t pos = instr(1, t, kCrLf) + 2;
        while (pos > 2 && pos < t.size()) {
            std::size_t e = instr(pos, t, kCrLf);
            std::string line = e ? t.substr(pos - 1, e - pos) : t.substr(pos - 1);
            std::string low = text::lower(line);
            std::string n = line;
            std::size_t lineAt = pos;
            if (low.starts_with("loop.until ")) {
                std::string rest = low.substr(11);
                std::size_t blank = rest.find(' ');
                std::string label = rest.substr(0, blank);
                if (label.empty()) {
                    msgs.push_back("Syntax error: 'do' without a Label");
                    return;
                }
                std::size_t m = instr(1, text::lower(t), "do " + label);
                if (m) {
                    std::size_t target = instr(m, t, kCrLf) + 2;
                    n = code(static_cast<long long>(target)) + " " +
                        (blank == std::string::npos ? "" : line.substr(11 + blank + 1));
                }
            } else if (low.starts_with("if ")) {
                std::size_t target = nextBranch(pos);
                if (!target) {
                    msgs.push_back("Compiler: Syntax error: 'if' without 'endif'");
                    return;
                }
                n = code(static_cast<long long>(target)) + " " + std::string(text::trimLeft(line.substr(3)));
            } else if (low.starts_with("elseif ")) {
                std::size_t target = nextBranch(pos);
                if (!target) {
                    msgs.push_back("Compiler: Syntax error: 'if' without 'endif'");
                    return;
                }
                n = code(static_cast<long long>(target + 10)) + " " + std::string(text::trimLeft(line.substr(7)));
                replace(pos, line.size(), n);
                fixup(pos + 1, static_cast<long long>(n.size()) - static_cast<long long>(line.size()));
                std::size_t endif = endifOf(pos, line, "Syntax error: 'if' without 'endif' 2",
                                            "Syntax error: 'if' without 'endif' 2.1");
                if (!endif) return;
                replace(pos, 0, code(static_cast<long long>(endif)) + kCrLf);
                fixup(pos, 10);
                lineAt = pos + 10;
                line = n;
            } else if (low.starts_with("else")) {
                std::size_t target = endifOf(pos, line, "Syntax error: 'if' without 'endif' 3",
                                             "Syntax error: 'if' without 'endif' 3.1");
                if (!target) return;
                n = code(static_cast<long long>(target));
            }
            if (n != line) {
                replace(pos, line.size(), n);
                fixup(pos + 1, static_cast<long long>(n.size()) - static_cast<long long>(line.size()));
            }
            std::size_t nx = instr(lineAt, t, kCrLf);
            if (!nx) return;
            pos = nx + 2;
        }
    }
};

}  // namespace

LiteralCompile literalCompile(std::string text) {
    Literal l{std::move(text), {}};
    int flags = l.pass1();
    if (!(flags & 1)) l.pass2();
    return {l.t, l.msgs};
}

}  // namespace zerin::test
