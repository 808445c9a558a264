// do_set, do_get, public and public.save.
#pragma once

#include <string>
#include <string_view>

namespace zerin {

class Zerin;
class Variables;

// do_set "name value": the store a script assignment and FOR use.
void doSet(Zerin& zerin, std::string_view arg, Variables& locals);
std::string doGet(Zerin& zerin, std::string_view arg);
std::string doPublic(Zerin& zerin, std::string_view arg);
void publicSave(Zerin& zerin);

void registerVariableCommands(Zerin& zerin);

}  // namespace zerin
