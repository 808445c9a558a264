#include "panes/file_cue.h"

#include "core/text.h"
#include "script/value.h"
#include "script/value_escape.h"

namespace zerin {

namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string withoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool holdsBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

void line(std::string& out, std::string_view a, std::string_view b = {}, std::string_view c = {},
          std::string_view d = {}, std::string_view e = {}) {
    out.append(a).append(b).append(c).append(d).append(e).append(kCrLf);
}

void entryLines(std::string& out, const CueEntry& e) {
    const bool move = e.operation == kCueMove;
    const std::string source = escapeValue(e.source);
    const std::string target = escapeValue(e.target);
    line(out, "");
    line(out, "IF (WINDOW.INPUT)");
    line(out, "\tGOTO Slut");
    line(out, "ENDIF");
    line(out, move ? "? Flyttar " : "? Kopierar ", source, " till ", target);
    if (!move) {
        line(out, "retur = (do_file_copy \"", source, "\" \"", target + "\")");
        line(out, "IF (retur)");
        line(out, "\tfile.cue.status ", e.key, " ERROR");
        line(out, "ELSE");
        line(out, "\tfile.cue.status ", e.key, " DONE");
        line(out, "ENDIF");
        return;
    }
    // do_file_rename answers the new path when the move succeeded and "" when it failed.
    const std::string folder = e.target.ends_with('/') ? e.target : e.target + "/";
    line(out, "retur = (do_file_rename ", source, ":", escapeValue(folder + e.name), ")");
    line(out, "IF (retur)");
    line(out, "\tfile.cue.status ", e.key, " DONE");
    line(out, "ELSE");
    line(out, "\tfile.cue.status ", e.key, " ERROR");
    line(out, "ENDIF");
}

}  // namespace

std::string_view FileCue::operationFor(bool shift, bool ctrl, bool alt) {
    if (alt) return {};
    if (ctrl) return shift ? std::string_view() : kCueCopy;
    return kCueMove;
}

void FileCue::add(const std::vector<std::string>& sources, std::string_view operation, const std::string& target) {
    for (const std::string& path : sources) {
        CueEntry e;
        e.key = "KEY" + std::to_string(++m_counter);
        e.source = withoutTrailingSlash(path);
        e.name = nameOf(e.source);
        e.operation = std::string(operation);
        e.target = target;
        m_entries.push_back(std::move(e));
    }
    notify();
}

void FileCue::clear() {
    m_entries.clear();
    notify();
}

int FileCue::find(std::string_view word) const {
    word = text::trim(word);
    if (text::istartsWith(word, "KEY")) {
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            if (text::lower(m_entries[i].key) == text::lower(word)) return static_cast<int>(i);
        return -1;
    }
    const double n = val(word);
    if (!(n >= 1) || n > static_cast<double>(m_entries.size())) return -1;
    return static_cast<int>(n) - 1;
}

void FileCue::setStatus(int index, std::string status) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_entries.size()) return;
    m_entries[static_cast<std::size_t>(index)].status = std::move(status);
    notify();
}

std::string FileCue::script() const {
    std::string out;
    line(out, "WINDOW Fil-operation");
    line(out, "WINDOW.INPUT reset");
    line(out, "BUTTON Sluta");
    for (const CueEntry& e : m_entries) {
        if (e.operation != kCueCopy && e.operation != kCueMove) continue;
        if (holdsBreak(e.source) || holdsBreak(e.target)) continue;
        entryLines(out, e);
    }
    line(out, "");
    line(out, "Slut:");
    line(out, "IF (WINDOW.INPUT = Sluta)");
    line(out, "\t?");
    line(out, "\t? Avbrutet");
    line(out, "ENDIF");
    line(out, "BUTTON.REMOVE All");
    line(out, "BUTTON St\xC3\xA4ng");
    line(out, "WAIT.INPUT");
    line(out, "WINDOW close");
    return out;
}

}  // namespace zerin
