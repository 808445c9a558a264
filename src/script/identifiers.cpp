#include "script/identifiers.h"

#include <algorithm>
#include <functional>
#include <unordered_map>

#include "commands/command_line.h"
#include "core/text.h"
#include "core/zerin.h"
#include "panes/pane_paths.h"
#include "script/language_messages.h"
#include "script/value.h"
#include "script/variables.h"
#include "script/vocabulary.h"

namespace zerin {

namespace {

using BuiltIn = std::function<std::string(Zerin&, Variables&)>;

std::string withoutTrailingSlash(std::string_view path) {
    if (path.ends_with('/')) path.remove_suffix(1);
    return std::string(path);
}

const ListItem* firstSelected(const ListModel& list) {
    for (const ListItem& item : list.items())
        if (item.selected) return &item;
    return nullptr;
}

std::string sourceSelected(Zerin& z, Variables&) {
    const ListItem* item = firstSelected(z.panes.list(z.panes.sourcePane()));
    return item ? item->tag : std::string();
}

std::string sourceAllSelected(Zerin& z, Variables&) {
    std::string all;
    for (const ListItem& item : z.panes.list(z.panes.sourcePane()).items()) {
        if (!item.selected) continue;
        // Quoted as the command-line splitter reads it back: a double quote inside the
        // name is doubled, so a name like a"; b".txt stays one argument of do_run.
        all += quoteForCommandLine(withoutTrailingSlash(item.tag)) + " ";
    }
    return all;
}

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
        {"source_list", [](Zerin& z, Variables&) { return std::to_string(z.panes.sourcePane()); }},
        {"target_list", [](Zerin& z, Variables&) { return std::string(z.panes.sourcePane() == 1 ? "0" : "1"); }},
        {"source_selected", sourceSelected},
        {"source_selectedname",
         [](Zerin& z, Variables& l) {
             std::string path = sourceSelected(z, l);
             return trimName(path);
         }},
        {"source_allselected", sourceAllSelected},
        {"source_path", [](Zerin& z, Variables&) { return withoutTrailingSlash(z.panes.path(z.panes.sourcePane())); }},
        {"target_path", [](Zerin& z, Variables&) { return withoutTrailingSlash(z.panes.path(z.panes.targetPane())); }},
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
