#pragma once

namespace zerin {
class Zerin;
// do.refresh and the other commands the main window answers.
void registerMainWindowCommands(Zerin& zerin);
}  // namespace zerin
