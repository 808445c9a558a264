#include "script/variable_commands.h"

#include "core/text.h"
#include "core/zerin.h"
#include "script/public_lines.h"
#include "script/value_escape.h"
#include "script/variables.h"
#include "script/dispatcher.h"
#include "script/script_store.h"

namespace zerin {

namespace {

constexpr std::string_view kOnLoadKey = "on\\load";
// A new on\load script carries its headers so that it is found again after a restart.
constexpr std::string_view kOnLoadHeaders = "#name=load\r\n#location=on\r\n";

std::string keyOf(std::string_view name) { return text::lower(text::trim(name)); }

// The public index text lists the names in creation order.
std::vector<std::string> indexNames(const Variables& vars) {
    std::vector<std::string> names;
    for (std::string_view w : text::split(vars.indexText()))
        if (!w.empty()) names.emplace_back(w);
    return names;
}

}  // namespace

std::optional<std::string_view> publicSetting(const Zerin& zerin, std::string_view name) {
    const std::string* value = zerin.publicVars.find(name);
    if (!value) return std::nullopt;
    std::string_view v = *value;
    if (v.starts_with(' ')) v.remove_prefix(1);
    return v;
}

bool isNothing(std::string_view value) { return text::iequals(text::trim(value), "nothing"); }

// do_set "name value" -> ""
void doSet(Zerin& zerin, std::string_view arg, Variables& locals, LocalIndex index) {
    std::string_view rest;
    std::string key = keyOf(text::firstWord(text::trim(arg), &rest));
    std::string value(text::trim(rest));
    bool remove = isNothing(value);
    Variables& pub = zerin.publicVars;
    if (pub.indexed(key)) {
        if (remove) {
            pub.erase(key);
            pub.indexRemove(key);
        } else {
            pub.assign(key, std::move(value));
        }
        return;
    }
    if (index == LocalIndex::Use && locals.indexed(key)) {
        if (remove) {
            locals.erase(key);
            locals.indexRemove(key);
        } else {
            locals.assign(key, std::move(value));
        }
        return;
    }
    if (remove) {
        // A stored but unindexed name (made by do_set through the dispatcher) goes too.
        if (index == LocalIndex::Ignore) locals.erase(key);
        return;
    }
    // The dispatcher's do_set cannot see the index, so it may meet a name that is already
    // stored: the value is updated rather than the new one refused.
    locals.assign(key, std::move(value));
    if (index == LocalIndex::Use) locals.indexAppend(key);
}

// do_get "name" -> the variable's value or ""
std::string doGet(Zerin& zerin, std::string_view arg, const Variables* locals) {
    std::string key = keyOf(arg);
    if (locals && locals->indexed(key))
        if (const std::string* v = locals->find(key)) return *v;
    if (zerin.publicVars.indexed(key))
        if (const std::string* v = zerin.publicVars.find(key)) return *v;
    return {};
}

// public "name [=] value" -> "false" (new), "true" (removed without "="), else ""
std::string doPublic(Zerin& zerin, std::string_view arg) {
    std::string_view afterName;
    std::string key = keyOf(text::firstWord(text::trimLeft(arg), &afterName));
    std::string_view afterLeft = text::trimLeft(afterName);
    // "name = value" keeps the blank after "=" as part of the value; "name =value" (the
    // form public.save writes) gives the value without one. Both take the text after
    // the "=" unchanged.
    bool hasEquals = afterLeft.starts_with('=');
    std::string value(hasEquals ? afterLeft.substr(1) : afterName);
    bool remove = isNothing(value);
    Variables& pub = zerin.publicVars;
    if (!pub.indexed(key)) {
        if (!remove) {
            pub.assign(key, std::move(value));
            pub.indexAppend(key);
        }
        return "false";
    }
    if (remove) {
        pub.erase(key);
        pub.indexRemove(key, true);
        return hasEquals ? "" : "true";
    }
    if (hasEquals) {
        pub.assign(key, std::move(value));
        return {};
    }
    // Kept: a second declaration without "=" leaves the value and is reported the way
    // a failing command is, with an empty debug line.
    zerin.output.debugMessage("");
    return {};
}

// public.save -> ""
void publicSave(Zerin& zerin) {
    const std::string* stored = zerin.scripts.find(kOnLoadKey);
    std::string script = stored ? *stored : std::string(kOnLoadHeaders);
    std::vector<PublicLine> vars;
    for (std::string& name : indexNames(zerin.publicVars)) {
        const std::string* value = zerin.publicVars.find(name);
        // The statement gives the variable back exactly: the value goes in escaped, since
        // the on\load script runs as code and a "(", "[" or "&&" in it must reach `public`
        // as data. A line break cannot be part of one statement (what followed it would
        // run as a line of its own), so the value is written up to its first one.
        std::string_view v = value ? std::string_view(*value) : std::string_view();
        v = v.substr(0, v.find_first_of("\r\n"));
        vars.push_back(PublicLine{escapeValue(name), escapeValue(v)});
    }
    zerin.scripts.set(std::string(kOnLoadKey), writePublicLines(std::move(script), vars));
}

void registerVariableCommands(Zerin& zerin) {
    Dispatcher& d = zerin.dispatcher;
    // do_set "name value" -> ""
    d.registerHandler(Cmd::DoSet, [&zerin](CommandCall& c) {
        doSet(zerin, c.arg, c.locals, LocalIndex::Ignore);
        return std::string();
    });
    // do_get "name" -> the public variable's value
    d.registerHandler(Cmd::DoGet, [&zerin](CommandCall& c) { return doGet(zerin, c.arg); });
    // public "name [=] value" -> "false", "true" or ""
    d.registerHandler(Cmd::Public, [&zerin](CommandCall& c) { return doPublic(zerin, c.arg); });
    // public.save -> ""
    d.registerHandler(Cmd::PublicSave, [&zerin](CommandCall&) {
        publicSave(zerin);
        return std::string();
    });
}

}  // namespace zerin
