// Prints docs/commands.md, the command reference of the user guide, from the command
// list, the usage table and the vocabulary, so the reference cannot drift from what the
// interpreter knows. Needs only headers of the language: no Qt, no platform.
//
//   make_command_reference > docs/commands.md
#include <iostream>
#include <string>
#include <string_view>

#include "script/command_list.h"
#include "script/command_usage.h"
#include "script/vocabulary.h"

namespace {

using namespace zerin;

constexpr std::string_view kIntro =
    "# Zerin command reference\n"
    "\n"
    "Every command of Zerin's script language, in the order of its number. This page is\n"
    "made by `tools/make_command_reference` from the program's own command table; do not\n"
    "edit it by hand. After changing a command, run\n"
    "`build/tools/make_command_reference > docs/commands.md`.\n"
    "\n"
    "A script line starts with a command name (any letter case) followed by one blank and\n"
    "its argument text. A command that gives a result is written in parentheses where the\n"
    "result is wanted: `n = (len name)` or `? (left name 3)`. In the usage column, words in\n"
    "square brackets may be left out and `a|b` means one of the two. `help name` prints the\n"
    "help of a command that has one. The commands marked \"acts on any argument\" take `/?`\n"
    "like any other argument (they would ask, start, stop or write something), so `help`\n"
    "only names them and never calls them.\n";

// A table cell must not end its column early.
std::string cell(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '|') out += '\\';
        out += c;
    }
    return out;
}

// " IF ELSE ... " -> "`IF`, `ELSE`, ..."
std::string codeList(std::string_view spaced) {
    std::string out;
    std::size_t at = 0;
    while (at < spaced.size()) {
        const std::size_t start = spaced.find_first_not_of(' ', at);
        if (start == std::string_view::npos) break;
        const std::size_t end = spaced.find(' ', start);
        const std::string_view word = spaced.substr(start, end - start);
        if (!out.empty()) out += ", ";
        out += '`';
        out += word;
        out += '`';
        at = end == std::string_view::npos ? spaced.size() : end;
    }
    return out;
}

void printVocabulary(std::ostream& out) {
    out << "\n## Keywords\n\n"
           "The interpreter carries these out itself; they are not commands and have no number.\n"
           "They may be written in any letter case.\n\n"
        << codeList(vocabulary::kKeywordList) << "\n";
    out << "\n## Operators\n\n"
           "Every operand and operator is a word of its own (`a + 1`, not `a+1`); an expression is\n"
           "worked out from left to right. `and`, `or` and `to` count only in lower case.\n\n"
        << codeList(vocabulary::kOperatorList) << "\n";
}

void printCommands(std::ostream& out) {
    out << "\n## Commands\n\n"
           "| No. | Name | Usage | What it does |\n"
           "|---:|---|---|---|\n";
    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        const CommandInfo& command = kCommands[i];
        const CommandUsage& usage = kCommandUsage[i];
        std::string summary(usage.summary);
        if (command.flags & kActsOnAnyArgument) summary += " *Acts on any argument: help only names it.*";
        out << "| " << command.number << " | `" << cell(command.name) << "` | `" << cell(usage.usage) << "` | "
            << cell(summary) << " |\n";
    }
}

}  // namespace

int main() {
    std::cout << kIntro;
    printVocabulary(std::cout);
    printCommands(std::cout);
    return std::cout.good() ? 0 : 1;
}
