#include "script/identifiers.h"

#include <algorithm>
#include <functional>
#include <unordered_map>

#include "core/text.h"
#include "core/zerin.h"
#include "script/language_messages.h"
#include "script/value.h"
#include "script/variables.h"
#include "script/vocabulary.h"
#include "platform/platform.h"
#include "script/dispatcher.h"
#include "script/run_state.h"

namespace zerin {

namespace {

using BuiltIn = std::function<std::string(Zerin&, Variables&)>;

std::string allVariables(Zerin& z, Variables& locals) {
    return text::replaceAll(z.publicVars.indexText() + locals.indexText(), "  ", " ");
}

const std::unordered_map<std::string_view, BuiltIn>& builtIns() {
    static const std::unordered_map<std::string_view, BuiltIn> table = {
        {"do_output",
         [](Zerin& z, Variables&) {
             z.output.print(messages::kOutputAccessed);
             return z.run.inputText;
         }},
        {"ccrlf", [](Zerin&, Variables&) { return std::string("\r\n"); }},
        {"do_seconds_this_year",
         [](Zerin& z, Variables&) {
             LocalTime t = z.platform.clock.now();
             long long s = (t.dayOfYear - 1) * 86400LL + t.hour * 3600LL + t.minute * 60LL + t.second;
             return std::to_string(s);
         }},
        {"all_variables", allVariables},
    };
    return table;
}

}  // namespace

std::string identifierLookup(Zerin& zerin, std::string_view name, Variables& locals) {
    std::string key = text::lower(name);
    if (locals.indexed(key))
        if (const std::string* v = locals.find(key)) return *v;
    auto builtIn = builtIns().find(key);
    if (builtIn != builtIns().end()) return builtIn->second(zerin, locals);
    if (const IdentifierHandler* registered = zerin.dispatcher.identifier(key)) return (*registered)(locals);
    std::string publicKey = text::replaceAll(text::lower(text::trim(name)), "&&", "");
    if (zerin.publicVars.indexed(publicKey)) {
        zerin.run.commandFound = true;
        const std::string* v = zerin.publicVars.find(publicKey);
        return v ? *v : std::string();
    }
    if (val(name) > 0) return std::string(name);
    zerin.output.print(std::string(messages::kUnknownIdentifier) + std::string(name));
    zerin.output.print("");
    return {};
}

double numericValueOfName(Zerin& zerin, std::string_view name, Variables& locals) {
    // Names are nearly always written in lower case already; only others are copied.
    std::string lowered;
    std::string_view key = name;
    if (std::any_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) {
        lowered = text::lower(name);
        key = lowered;
    }
    if (std::optional<double> n = locals.indexedNumber(key)) return *n;
    if (vocabulary::commandNumber(text::firstWord(key)) != 0)
        return val(zerin.dispatcher.chkCommand(name, locals));
    if (zerin.publicVars.indexed(key)) return zerin.publicVars.number(key);
    return 0;
}

}  // namespace zerin
