// The commands that choose how the panes present their items.
#pragma once

namespace zerin {

class Zerin;

void registerListDisplayCommands(Zerin& zerin);

}  // namespace zerin
