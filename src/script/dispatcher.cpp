#include "script/dispatcher.h"

#include <exception>

#include "core/output.h"
#include "core/text.h"
#include "script/language_messages.h"
#include "script/run_state.h"
#include "script/variables.h"
#include "script/vocabulary.h"

namespace zerin {

void Dispatcher::registerHandler(Cmd command, CommandHandler handler) {
    m_handlers[static_cast<std::size_t>(commandNumber(command))] = std::move(handler);
}

bool Dispatcher::hasHandler(int number) const {
    return number >= 1 && number <= kCommandCount && m_handlers[static_cast<std::size_t>(number)];
}

std::string Dispatcher::chkCommand(std::string_view argLine, Variables& locals, int number) {
    std::string_view arg = argLine;
    if (number == 0) {
        m_run.commandFound = false;
        std::string_view line = text::trimLeft(argLine);
        std::size_t blank = line.find(' ');
        std::string_view name = blank == std::string_view::npos ? line : line.substr(0, blank);
        arg = blank == std::string_view::npos ? std::string_view{} : line.substr(blank + 1);
        number = vocabulary::commandNumber(name);
        if (number == 0) return {};
    }
    m_run.commandFound = true;
    if (!hasHandler(number)) {
        m_output.debugMessage(std::string(messages::kChkCommandNotFound) + std::to_string(number));
        return {};
    }
    // The argument may point into a buffer the handler changes; give it its own copy.
    std::string ownArg(arg);
    CommandCall call{ownArg, locals, number};
    try {
        return m_handlers[static_cast<std::size_t>(number)](call);
    } catch (const std::exception&) {
        m_output.debugMessage("");
    } catch (...) {
        m_output.debugMessage("");
    }
    return {};
}

std::string Dispatcher::call(std::string_view line) {
    Variables scratch;
    return chkCommand(line, scratch, 0);
}

bool answerHelp(std::string_view arg, const HelpText& help, std::string& result) {
    if (arg == "/??" || (help.acceptsDescriptionWord && arg == "/DESCRIPTION")) {
        result = std::string(help.description);
        return true;
    }
    if (arg == "/?") {
        result = std::string(help.block);
        return true;
    }
    return false;
}

void Dispatcher::registerIdentifier(std::string name, IdentifierHandler handler) {
    for (auto& [known, existing] : m_identifiers)
        if (known == name) {
            existing = std::move(handler);
            return;
        }
    m_identifiers.emplace_back(std::move(name), std::move(handler));
}

// A short list, searched in order: there are a dozen identifiers, and a lookup happens
// only for a bare word that is no local variable.
const IdentifierHandler* Dispatcher::identifier(std::string_view lowerName) const {
    for (const auto& [known, handler] : m_identifiers)
        if (known == lowerName) return &handler;
    return nullptr;
}

}  // namespace zerin
