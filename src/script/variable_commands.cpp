#include "script/variable_commands.h"

#include "core/text.h"
#include "core/zerin.h"
#include "script/value_escape.h"
#include "script/variables.h"

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

// The statement that gives the variable back exactly: "public name =" followed by the
// value. `public` takes everything after the "=" unchanged, so no blank goes in between
// (a value's own leading blanks stay; lines "public name = value" of files written
// earlier read as they always did). The value goes in escaped: the on\load script is
// run as code, and a "(", "[" or "&&" in a value must reach `public` as data, not as a
// group to evaluate. A line break cannot be part of one statement, since what followed
// it would run as a line of its own, so the value is written up to its first one.
std::string publicLine(const std::string& name, std::string_view value) {
    value = value.substr(0, value.find_first_of("\r\n"));
    return "public " + escapeValue(name) + " =" + escapeValue(value);
}

// Replaces the line holding the "public name" statement, or appends a new one.
void writePublicLine(std::string& script, const std::string& name, const std::string& value) {
    std::string line = publicLine(name, value);
    // Searching behind a virtual line end finds the statement on the first line too.
    std::string haystack = "\r\n" + text::lower(script);
    const std::string written = escapeValue(name);
    std::size_t hit = haystack.find("\r\npublic " + written + " ");
    std::size_t hitEnd = haystack.find("\r\npublic " + written + "\r\n");
    if (hit == std::string::npos || (hitEnd != std::string::npos && hitEnd < hit)) hit = hitEnd;
    if (hit == std::string::npos) {
        if (!script.empty() && !script.ends_with("\r\n")) script += "\r\n";
        script += line + "\r\n";
        return;
    }
    std::size_t start = hit;  // in script coordinates: haystack has two extra bytes first
    std::size_t end = script.find("\r\n", start);
    if (end == std::string::npos) end = script.size();
    script.replace(start, end - start, line);
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
    for (const std::string& name : indexNames(zerin.publicVars)) {
        const std::string* value = zerin.publicVars.find(name);
        writePublicLine(script, name, value ? *value : std::string());
    }
    zerin.scripts.set(std::string(kOnLoadKey), std::move(script));
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
