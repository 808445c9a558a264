// The general script commands: waiting, running programs, asking the user, timing,
// stored scripts, priority, sound, the title bar and mouse auto-focus.
#pragma once

namespace zerin {

class Zerin;

void registerGeneralCommands(Zerin& zerin);

// The groups registerGeneralCommands is made of, one source file each.
void registerWaitCommands(Zerin& zerin);
void registerRunCommands(Zerin& zerin);
void registerMediaCommands(Zerin& zerin);

}  // namespace zerin
