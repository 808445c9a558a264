// do_set, do_get, public and public.save: the commands that read and write the local
// and public variable stores.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zerin {

class Zerin;
class Variables;

// Whether do_set may see and extend the run's variable index. Assignments and FOR use
// the index; do_set called through the dispatcher works on the store alone, so a name it
// creates is stored but not indexed, and later index lookups do not find it.
enum class LocalIndex { Use, Ignore };

// do_set "name value": sets or ("nothing") deletes a public variable when the name is
// one, else the local variable.
void doSet(Zerin& zerin, std::string_view arg, Variables& locals, LocalIndex index = LocalIndex::Use);

// do_get "name": the public variable's value, or "" (the dispatcher's do_get sees no
// local variables). With `locals`, an indexed local variable comes first.
std::string doGet(Zerin& zerin, std::string_view arg, const Variables* locals = nullptr);

// public "name [=] value" -> "false" for a new variable, "true" for removing one without
// "=", else "". A second "public name value" without "=" fails like the stored
// collection's refused add: an empty debug line, the old value kept.
std::string doPublic(Zerin& zerin, std::string_view arg);

// public.save: writes one "public name = value" line per public variable into the
// on\load script of the script store.
void publicSave(Zerin& zerin);

// The value of a public variable that steers Zerin itself (do.mode, do.mode.name,
// list.icons, list.icons.large), or nothing when the store has none. A statement
// "public name = value" keeps the blank after "=" in the value, and settings files are
// full of such lines, so one leading blank is not part of the setting.
std::optional<std::string_view> publicSetting(const Zerin& zerin, std::string_view name);

// True when the value means "delete the variable" ("nothing" in any case, blanks trimmed).
bool isNothing(std::string_view value);

void registerVariableCommands(Zerin& zerin);

}  // namespace zerin
