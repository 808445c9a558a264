// The script commands of the file panes: list updates, path functions, size format,
// directory reading and file operations.
#pragma once

#include <string>
#include <vector>

namespace zerin {

class Zerin;

void registerPaneCommands(Zerin& zerin);

// The three groups registerPaneCommands is made of (one file each).
void registerListCommands(Zerin& zerin);
void registerDirectoryCommands(Zerin& zerin);
// file.cue.to.editor, file.cue.status and the other commands of the file cue.
void registerFileCueCommands(Zerin& zerin);
// source_path, source_selected and the other identifiers that read the panes.
void registerPaneIdentifiers(Zerin& zerin);

// Files dropped onto a pane's item `itemTag` ("" for the empty part of the list) join the
// file cue with the operation the modifier keys mean; the target is the folder under the
// drop point, else the pane's folder. False when the pane shows no folder to drop into.
bool dropOntoPane(Zerin& zerin, int pane, const std::vector<std::string>& paths, const std::string& itemTag,
                  bool shift, bool ctrl, bool alt);

}  // namespace zerin
