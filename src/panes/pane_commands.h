// The script commands of the file panes: list updates, path functions, size format,
// directory reading and file operations.
#pragma once

namespace zerin {

class Zerin;

void registerPaneCommands(Zerin& zerin);

// The three groups registerPaneCommands is made of (one file each).
void registerListCommands(Zerin& zerin);
void registerDirectoryCommands(Zerin& zerin);
// source_path, source_selected and the other identifiers that read the panes.
void registerPaneIdentifiers(Zerin& zerin);

}  // namespace zerin
