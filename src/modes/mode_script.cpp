#include "modes/mode_script.h"

#include <algorithm>
#include <numeric>

#include "core/colours.h"
#include "core/text.h"
#include "core/zerin.h"
#include "modes/mode_groups.h"
#include "script/script_store.h"
#include "script/variables.h"
#include "script/variable_commands.h"

namespace zerin {

std::vector<std::string> sortbuttons(const std::vector<double>& indices, const std::vector<std::string>& texts) {
    std::size_t n = std::min(indices.size(), texts.size());
    std::vector<std::size_t> numbered, unnumbered;
    for (std::size_t i = 0; i < n; ++i) {
        if (indices[i] > 0) numbered.push_back(i);
        else if (indices[i] == 0) unnumbered.push_back(i);
    }
    std::stable_sort(numbered.begin(), numbered.end(), [&](std::size_t a, std::size_t b) {
        if (indices[a] != indices[b]) return indices[a] < indices[b];
        return a > b;
    });
    std::vector<std::string> result;
    result.reserve(numbered.size() + unnumbered.size());
    for (std::size_t i : numbered) result.push_back(texts[i]);
    for (auto it = unnumbered.rbegin(); it != unnumbered.rend(); ++it) result.push_back(texts[*it]);
    return result;
}

std::optional<std::string> loadSection(std::string_view script) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (true) {
        std::size_t end = script.find("\r\n", start);
        lines.push_back(script.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) break;
        start = end + 2;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!text::iequals(text::trim(lines[i]), "function on.load")) continue;
        std::string body;
        for (std::size_t j = i + 1; j < lines.size(); ++j) {
            if (text::iequals(text::trim(lines[j]), "end function")) return body;
            body.append(lines[j]).append("\r\n");
        }
        return std::nullopt;  // never closed: not a load section
    }
    return std::nullopt;
}

std::string withLinkedScript(std::string_view script, const ScriptStore& store) {
    std::string result(script);
    std::string link(text::trim(headerValue("link", script)));
    if (link.empty()) return result;
    if (const std::string* linked = store.find(text::lower(link))) result += *linked;
    return result;
}

bool hasHeader(std::string_view key, std::string_view script) {
    std::string wanted = "#" + text::upper(key);
    std::string upper = text::upper(script);
    return upper.starts_with(wanted) || upper.find("\r\n" + wanted) != std::string::npos;
}

std::optional<Colour> headerColour(std::string_view script) {
    if (!hasHeader("color", script)) return std::nullopt;
    std::string value = headerValue("color", script);
    // Read like "&h" + value: the leading hexadecimal digits, nothing when there are none.
    Colour c = 0;
    for (char ch : text::trimLeft(value)) {
        int d;
        if (ch >= '0' && ch <= '9') d = ch - '0';
        else if (ch >= 'a' && ch <= 'f') d = ch - 'a' + 10;
        else if (ch >= 'A' && ch <= 'F') d = ch - 'A' + 10;
        else break;
        c = (c << 4) | static_cast<Colour>(d);
    }
    return c & 0xFFFFFF;
}

std::string currentModeLocation(const Zerin& zerin) {
    if (std::optional<std::string_view> name = publicSetting(zerin, "do.mode.name")) return text::lower(*name);
    if (const ModeGroup* g = zerin.modeGroups.group(zerin.settings.mode)) return text::lower(g->locationKey);
    return {};
}

Colour modeColour(int mode) {
    const ColourTable table;
    return table.file(mode >= 1 && mode <= 4 ? mode : 4);
}

}  // namespace zerin
