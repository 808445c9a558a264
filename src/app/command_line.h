// The command line of a run that names a stored script: which script, and the argument
// text it receives.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zerin {

struct CommandLine {
    std::string identifier;  // location\name of a stored script
    std::string arguments;
};

// The raw command-line text: leading blanks go; a text that then begins with a double
// quote names the script up to the next quote (quotes removed) and the rest, without its
// leading blanks, is the argument text; otherwise the whole text is the identifier.
CommandLine splitCommandLine(std::string_view raw);

// What the program's arguments ask for.
struct ProgramArguments {
    std::optional<std::filesystem::path> home;  // --home DIR
    // Empty for an interactive start.
    std::optional<CommandLine> commandLine;
    std::string error;  // set when the arguments cannot be understood
};

inline constexpr std::string_view kUsage = "usage: zerin [--home DIR] [\"location\\name\" [arguments...]]";

// `args` without the program name. "--home DIR" (or "--home=DIR") may come first. Then
// one argument is the raw command-line text; several are the identifier followed by the
// arguments, joined by blanks. No argument (or an empty one) starts the window.
ProgramArguments parseProgramArguments(const std::vector<std::string>& args);

}  // namespace zerin
