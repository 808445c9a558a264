// The path bar: one button per named path group and one per path shown, what a click on
// them does, and what a drop on a pane or on the bar does with the drag text. The views
// draw the buttons this module lists and hand clicks and drops back to it.
//
// Tags, which the drag text carries: a group button is "GROUP:" and the group number; a
// path button is the group number, ":", the path number, "\" and the target folder. A
// Linux path never holds the first "\" of a tag, since the numbers before it are digits.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zerin {

class Zerin;
class PathGroups;

namespace pathBarText {
inline constexpr std::string_view kGroupTag = "GROUP:";
inline constexpr std::string_view kDragPrefix = "Paths:";
inline constexpr std::string_view kOpenMark = " >";
inline constexpr std::string_view kScriptPath = "#path=";
}  // namespace pathBarText

struct PathBarButton {
    bool isGroup = false;
    int group = 0;
    int path = -1;  // the path's number in its group; -1 for a group button
    bool open = false;  // group buttons: the group shows its paths
    std::string caption;
    std::string tag;
    std::string target;  // path buttons: the folder
};

// Group 0's paths, then for each named group its button and, when it is open, its paths.
std::vector<PathBarButton> pathBarButtons(const PathGroups& groups);

std::string groupButtonTag(int group);
std::string pathButtonTag(int group, int path, std::string_view target);
// The folder of a path button's tag: the text after its first "\" ("" without one).
std::string tagTarget(std::string_view tag);
// The caption of a folder added by a drop: its last folder name ("/music/rock/" gives
// "rock"; "/" stays "/").
std::string pathCaption(std::string_view folder);

// A click on the button tagged `tag`: a group button opens or closes its group (true:
// the bar must be built again); a path button shows its folder in the source pane.
bool clickPathButton(Zerin& zerin, std::string_view tag);

// Shows `target` in the pane: a folder or archive as if typed into the path box (a folder
// that is gone or unreadable says so and the pane keeps its listing), a view word or a
// path group as the pane path.
void showInPane(Zerin& zerin, int pane, std::string_view target);

// A drop on a pane with the drag text `dragText`: a group button lists every folder of
// the group in the pane, a path button its folder, "Text List" and "Drives" those views, a
// dragged script that names a folder in a "#path=" line that folder, any other text the
// folder it names. The drag text is emptied. False when nothing was shown.
bool dropOnPane(Zerin& zerin, int pane, std::string_view dragText);

// The group a folder dropped on an empty part of the bar joins: the last named group
// that is open, else group 0 (whose paths are always shown).
int currentPathGroup(const PathGroups& groups);

// A folder dropped on the bar joins `group` (opened, so that its button shows), with its
// last folder name as the caption. Only an absolute folder path is taken: a path button,
// a dragged command, a file or a full group add nothing (false).
bool dropOnPathBar(PathGroups& groups, int group, std::string_view dragText);

}  // namespace zerin
