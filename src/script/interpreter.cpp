#include "script/interpreter.h"

#include "core/zerin.h"

namespace zerin {

// FIXME: the run loop lands with the interpreter; until then a run does nothing.
std::string Interpreter::RunEditor(std::string_view, TextBox*, std::string_view) { return {}; }

}  // namespace zerin
