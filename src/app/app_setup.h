// What both kinds of run do before anything else: choose the program folder, make sure it
// exists, and register every command.
#pragma once

#include <filesystem>
#include <string>

#include "app/command_line.h"

namespace zerin {

class Zerin;

std::filesystem::path executableFolder(const char* argv0);
std::string environmentValue(const char* name);
void prepareZerin(Zerin& zerin, const ProgramArguments& arguments, const char* argv0);

}  // namespace zerin
