// What both kinds of run do before anything else: choose the program folder, make sure it
// exists, and register every command.
#pragma once

#include <filesystem>
#include <string>

#include "app/command_line.h"
#include "app/starter_settings.h"

namespace zerin {

class Zerin;

std::filesystem::path executableFolder(const char* argv0);
std::string environmentValue(const char* name);
// The user's home, download and picture folders for the starter configuration.
StarterPlaces starterPlacesFromEnvironment();
void prepareZerin(Zerin& zerin, const ProgramArguments& arguments, const char* argv0);

}  // namespace zerin
