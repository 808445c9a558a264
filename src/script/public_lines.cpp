#include "script/public_lines.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "core/text.h"

namespace zerin {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kPublic = "public ";

std::string lineFor(const PublicLine& v) {
    // `public` takes everything after "=" as the value, so nothing goes in between.
    return std::string(kPublic) + v.name + " =" + v.value;
}

std::vector<std::string_view> splitLines(std::string_view s) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t hit = s.find(kCrLf, start);
        if (hit == std::string_view::npos) {
            lines.push_back(s.substr(start));
            return lines;
        }
        lines.push_back(s.substr(start, hit - start));
        start = hit + kCrLf.size();
    }
}

// One variable by searching the whole text: for a name that holds a line end itself, whose
// declaration would span lines.
void writeBySearch(std::string& script, const PublicLine& v) {
    std::string line = lineFor(v);
    // Searching behind a virtual line end finds the statement on the first line too.
    std::string haystack = "\r\n" + text::lower(script);
    std::size_t hit = haystack.find("\r\npublic " + v.name + " ");
    std::size_t hitEnd = haystack.find("\r\npublic " + v.name + "\r\n");
    if (hit == std::string::npos || (hitEnd != std::string::npos && hitEnd < hit)) hit = hitEnd;
    if (hit == std::string::npos) {
        if (!script.empty() && !script.ends_with(kCrLf)) script += kCrLf;
        script += line;
        script += kCrLf;
        return;
    }
    std::size_t start = hit;  // in script coordinates: haystack has two extra bytes first
    std::size_t end = script.find(kCrLf, start);
    if (end == std::string::npos) end = script.size();
    script.replace(start, end - start, line);
}

// The script as a linked list of lines (split at CR LF; the last one has no CR LF after
// it), with every declaring line indexed by the name it declares. Written values may
// hold line ends, so new lines appear inside the list: each line carries a position
// label (a number, then a path of sub-numbers for lines made later behind it) so that
// "the first declaring line" can be found without walking the list.
class LineIndex {
public:
    explicit LineIndex(std::string_view script) {
        std::vector<std::string_view> lines = splitLines(script);
        m_nodes.reserve(lines.size() + 16);
        m_declaring.reserve(lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            int n = newNode(std::string(lines[i]), Label{i, {}});
            if (i > 0) m_nodes[n - 1].next = n;
            enroll(n);
        }
        m_last = static_cast<int>(m_nodes.size()) - 1;
        m_nextPrimary = lines.size();
    }

    void write(const PublicLine& v) {
        const std::string line = lineFor(v);
        std::vector<std::string_view> pieces = splitLines(line);
        int hit = firstDeclaring(v.name);
        int at;
        if (hit >= 0) {
            at = hit;
            m_nodes[at].text = std::string(pieces[0]);
        } else {
            // Appending: a last line with text gets its CR LF first, then the new line
            // and its own CR LF (an empty last line after it).
            if (m_nodes[m_last].text.empty()) {
                at = m_last;
                m_nodes[at].text = std::string(pieces[0]);
            } else {
                at = insertAfter(m_last, std::string(pieces[0]), Label{m_nextPrimary++, {}});
            }
            enroll(at);
        }
        // A value with line ends brings lines of its own, which may declare later names.
        const Label base = m_nodes[at].label;
        for (std::size_t i = 1; i < pieces.size(); ++i) {
            Label label = base;
            if (hit >= 0) {
                label.path.push_back(static_cast<std::uint32_t>(i));
            } else {
                label = Label{m_nextPrimary++, {}};
            }
            int n = insertAfter(at, std::string(pieces[i]), std::move(label));
            enroll(n);
            at = n;
        }
        if (hit < 0) insertAfter(at, std::string(), Label{m_nextPrimary++, {}});
    }

    std::string text() const {
        std::size_t size = 0;
        for (int n = 0; n >= 0; n = m_nodes[n].next) size += m_nodes[n].text.size() + kCrLf.size();
        std::string out;
        out.reserve(size);
        for (int n = 0; n >= 0; n = m_nodes[n].next) {
            out += m_nodes[n].text;
            if (m_nodes[n].next >= 0) out += kCrLf;
        }
        return out;
    }

private:
    // Orders lines: by number, then by path, a path before its own extensions.
    struct Label {
        std::uint64_t primary = 0;
        std::vector<std::uint32_t> path;
        bool operator<(const Label& o) const {
            if (primary != o.primary) return primary < o.primary;
            return path < o.path;
        }
    };
    struct Node {
        std::string text;
        Label label;
        int next = -1;
    };
    struct Candidate {
        int node;
        bool bare;  // "public name" alone: declares only when a CR LF follows it
    };

    int newNode(std::string text, Label label) {
        m_nodes.push_back(Node{std::move(text), std::move(label), -1});
        return static_cast<int>(m_nodes.size()) - 1;
    }
    int insertAfter(int prev, std::string text, Label label) {
        int n = newNode(std::move(text), std::move(label));
        m_nodes[n].next = m_nodes[prev].next;
        m_nodes[prev].next = n;
        if (prev == m_last) m_last = n;
        return n;
    }
    // Indexes the line under the name it declares, if any.
    void enroll(int n) {
        const std::string& t = m_nodes[n].text;
        if (t.size() <= kPublic.size() || !text::iequals(std::string_view(t).substr(0, kPublic.size()), kPublic))
            return;
        std::string rest = text::lower(std::string_view(t).substr(kPublic.size()));
        std::size_t blank = rest.find(' ');
        bool bare = blank == std::string::npos;
        if (!bare) rest.resize(blank);
        if (rest.empty()) return;
        m_declaring[std::move(rest)].push_back(Candidate{n, bare});
    }
    int firstDeclaring(const std::string& name) {
        auto it = m_declaring.find(name);
        if (it == m_declaring.end()) return -1;
        int best = -1;
        for (Candidate& c : it->second) {
            // A line's text changes only when it is written for its own name, and then it
            // declares that name again, now followed by a blank.
            if (c.bare && c.node == m_last) continue;
            if (best < 0 || m_nodes[c.node].label < m_nodes[best].label) best = c.node;
        }
        if (best >= 0)
            for (Candidate& c : it->second)
                if (c.node == best) c.bare = false;
        return best;
    }

    std::vector<Node> m_nodes;
    std::unordered_map<std::string, std::vector<Candidate>> m_declaring;
    int m_last = 0;
    std::uint64_t m_nextPrimary = 0;
};

}  // namespace

std::string writePublicLines(std::string script, const std::vector<PublicLine>& vars) {
    // The index assumes that every name is written once and declares on one line; a name
    // seen again or holding a line end is written on the text itself, and the index made
    // anew for the names after it.
    std::optional<LineIndex> index;
    std::unordered_set<std::string_view> seen;
    seen.reserve(vars.size());
    for (const PublicLine& v : vars) {
        bool once = v.name.find(kCrLf) == std::string::npos;
        if (once && index && !seen.insert(v.name).second) once = false;
        if (!once) {
            if (index) script = index->text();
            index.reset();
            seen.clear();
            writeBySearch(script, v);
            continue;
        }
        if (!index) {
            index.emplace(script);
            seen.insert(v.name);
        }
        index->write(v);
    }
    if (index) script = index->text();
    return script;
}

}  // namespace zerin
