#pragma once

namespace zerin {
class Zerin;
// do.refresh and the other commands the main window answers.
void registerWindowCommands(Zerin& zerin);
}  // namespace zerin
