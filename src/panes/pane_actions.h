// What the pane's context menu does with the selection, apart from opening it (which is
// navigation's): the paths it copies and the program it hands the selection to.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zerin {

class Zerin;
class PaneModel;

namespace paneActionText {
inline constexpr std::string_view kOpen = "Open";
inline constexpr std::string_view kOpenWith = "Open with...";
inline constexpr std::string_view kCopyPath = "Copy path";
inline constexpr std::string_view kOpenWithPrompt = "Open with which program?";
inline constexpr std::string_view kCannotStart = "Cannot start the program: ";
}  // namespace paneActionText

// The tags of the selected items that name something on disk, in list order (the drives
// view's roots included; script keys and search words are not paths).
std::vector<std::string> selectedPaths(const PaneModel& panes, int pane);

// The paths one a line, as the clipboard gets them.
std::string pathsText(const std::vector<std::string>& paths);

// Starts `program` (a name on the PATH or a full path) with every path as one argument of
// its own, never through a shell; an empty program does nothing. False, with the user
// told why, when the program could not be started.
bool openWith(Zerin& zerin, std::string_view program, const std::vector<std::string>& paths);

}  // namespace zerin
