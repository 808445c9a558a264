// chkCommand: the single door between the language and its 150 commands. Handlers are
// registered by the module that owns them, against the identifiers of the command list.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "script/command_list.h"

namespace zerin {

class Output;
class Variables;
struct RunState;

// What a handler receives besides its argument text.
struct CommandCall {
    std::string_view arg;   // everything after the command name and its blank
    Variables& locals;      // the running script's variables
    int number = 0;         // the command's number
};

using CommandHandler = std::function<std::string(CommandCall&)>;
// A built-in identifier (a bare word in parentheses such as `source_path`): its value,
// given the running script's variables.
using IdentifierHandler = std::function<std::string(Variables& locals)>;

class Dispatcher {
public:
    Dispatcher(RunState& run, Output& output) : m_run(run), m_output(output) {}

    // Registers the handler of `command`. A second registration replaces the first, so a
    // module can refine a neighbour's default.
    void registerHandler(Cmd command, CommandHandler handler);
    // By number, since compiled lines carry the number; 0 or out of range has none.
    bool hasHandler(int number) const;
    bool hasHandler(Cmd command) const { return hasHandler(commandNumber(command)); }

    // By number (number > 0): the whole line is the argument. By name (number == 0): the
    // first word names the command and the rest is the argument; a name that is not a
    // command returns "" with the command-found flag clear. A handler that throws is
    // reported as an empty debug line and yields "".
    std::string chkCommand(std::string_view argLine, Variables& locals, int number = 0);

    // Runs a command by name with a scratch variable store (for callers outside a run).
    std::string call(std::string_view line);

    // Built-in identifiers are registered, like commands, by the module that owns what
    // they read (the panes register `source_path` and its neighbours). `name` is lower case.
    void registerIdentifier(std::string name, IdentifierHandler handler);
    const IdentifierHandler* identifier(std::string_view lowerName) const;

private:
    RunState& m_run;
    Output& m_output;
    std::array<CommandHandler, kCommandCount + 1> m_handlers;
    std::vector<std::pair<std::string, IdentifierHandler>> m_identifiers;
};

// The help convention: "/??" (and "/DESCRIPTION" where a command accepts it) answers the
// one-line description, "/?" the help block. Returns true and sets `result` when the
// argument asked for help.
struct HelpText {
    std::string_view description;
    std::string_view block;  // full "/?" text
    bool acceptsDescriptionWord = false;
};
bool answerHelp(std::string_view arg, const HelpText& help, std::string& result);

}  // namespace zerin
