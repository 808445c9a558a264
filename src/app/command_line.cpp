#include "app/command_line.h"

#include "core/text.h"

namespace zerin {

CommandLine splitCommandLine(std::string_view raw) {
    std::string_view s = text::trimLeft(raw);
    CommandLine result;
    if (s.empty() || s.front() != '"') {
        result.identifier = std::string(s);
        return result;
    }
    std::size_t close = s.find('"', 1);
    std::string_view quoted = close == std::string_view::npos ? s : s.substr(0, close + 1);
    result.identifier = text::replaceAll(quoted, "\"", "");
    if (close != std::string_view::npos) result.arguments = std::string(text::trimLeft(s.substr(close + 1)));
    return result;
}

ProgramArguments parseProgramArguments(const std::vector<std::string>& args) {
    ProgramArguments parsed;
    std::size_t i = 0;
    if (i < args.size() && args[i] == "--home") {
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            parsed.error = "--home needs a folder";
            return parsed;
        }
        parsed.home = args[i + 1];
        i += 2;
    } else if (i < args.size() && args[i].starts_with("--home=")) {
        std::string folder = args[i].substr(7);
        if (folder.empty()) {
            parsed.error = "--home needs a folder";
            return parsed;
        }
        parsed.home = folder;
        ++i;
    }
    std::size_t left = args.size() - i;
    if (left == 0) return parsed;
    if (left == 1) {
        if (!text::trimLeft(args[i]).empty()) parsed.commandLine = splitCommandLine(args[i]);
        return parsed;
    }
    // The first word names the script, quoted or not, as a single command line would;
    // what follows its closing quote inside the same word comes before the other words.
    CommandLine line = splitCommandLine(args[i]);
    if (!text::trimLeft(args[i]).starts_with('"')) line = CommandLine{args[i], {}};
    bool first = line.arguments.empty();
    for (std::size_t k = i + 1; k < args.size(); ++k) {
        if (!first) line.arguments += ' ';
        first = false;
        line.arguments += args[k];
    }
    parsed.commandLine = std::move(line);
    return parsed;
}

}  // namespace zerin
