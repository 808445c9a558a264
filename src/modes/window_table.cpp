#include "modes/window_table.h"

#include <charconv>

#include "core/text.h"

namespace zerin {

std::vector<WindowEntry> buildWindowTable(const std::vector<TopLevelWindow>& windows,
                                          const std::set<WindowHandle>& own) {
    std::vector<WindowEntry> table;
    for (const TopLevelWindow& w : windows) {
        if (table.size() == window_table::kMaxEntries) break;
        if (!w.visible || w.title.empty() || w.title == window_table::kSkippedTitle) continue;
        if (w.handle == 0 || own.count(w.handle)) continue;
        table.push_back({w.handle, w.title});
    }
    return table;
}

std::string windowCaption(std::string_view title) {
    if (text::charCount(title) <= window_table::kCaptionWhole) return std::string(title);
    return std::string(text::charSubstr(title, 0, window_table::kCaptionCut)) + "...";
}

std::string windowTag(const WindowEntry& entry) { return std::to_string(entry.handle) + " " + entry.title; }

WindowHandle tagHandle(std::string_view tag) {
    const std::string_view number = tag.substr(0, tag.find(' '));
    WindowHandle handle = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), handle);
    return error == std::errc() && end == number.data() + number.size() ? handle : 0;
}

}  // namespace zerin
