// The script commands of the file panes: list updates, path functions, size format,
// directory reading and the list display commands.
#pragma once

namespace zerin {

class Zerin;

void registerPaneCommands(Zerin& zerin);

// The three groups registerPaneCommands is made of (one file each).
void registerListCommands(Zerin& zerin);
void registerListDisplayCommands(Zerin& zerin);
void registerDirectoryCommands(Zerin& zerin);

}  // namespace zerin
