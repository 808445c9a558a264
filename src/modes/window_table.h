// The window buttons of the bottom bar: which other windows get one, the button's tag and
// caption, and the handle a click takes back from the tag.
#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/windows.h"

namespace zerin {

namespace window_table {

inline constexpr std::size_t kMaxEntries = 100;
inline constexpr std::size_t kCaptionWhole = 15;
inline constexpr std::size_t kCaptionCut = 13;
// Never listed: the desktop's own window.
inline constexpr std::string_view kSkippedTitle = "Program Manager";

}  // namespace window_table

struct WindowEntry {
    WindowHandle handle = 0;
    std::string title;
    bool operator==(const WindowEntry&) const = default;
};

// The table: visible, titled windows other than "Program Manager" and the program's own,
// in the order listed, at most 100.
std::vector<WindowEntry> buildWindowTable(const std::vector<TopLevelWindow>& windows,
                                          const std::set<WindowHandle>& own);

// The button's caption: the title, or its first 13 characters and "..." when it is longer
// than 15 characters (characters, not bytes).
std::string windowCaption(std::string_view title);
// The button's tag: the handle in decimal, a blank and the title.
std::string windowTag(const WindowEntry& entry);
// The handle before the tag's first blank; 0 when there is none.
WindowHandle tagHandle(std::string_view tag);

}  // namespace zerin
