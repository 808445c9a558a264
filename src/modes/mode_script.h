// What a stored command script says about itself beyond its plain header values: its
// place among the buttons, its load section, its colour and the script it links to.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "panes/list_model.h"  // Colour

namespace zerin {

class Zerin;
class ScriptStore;

inline constexpr Colour kDefaultButtonColour = 0xC0C0C0;

// sortbuttons: texts ordered by their indices. Positive indices come first, ascending;
// among equal indices the later text comes first. Index 0 goes to the end, the first of
// them last. A negative index gets no place, so its text is left out.
std::vector<std::string> sortbuttons(const std::vector<double>& indices, const std::vector<std::string>& texts);

// The lines between a line "function on.load" and the next line "end function" (any letter
// case), joined by CR LF; nullopt when the script has no load section.
std::optional<std::string> loadSection(std::string_view script);

// The script followed directly by the text of the script its "link" header names; a
// missing linked script adds nothing.
std::string withLinkedScript(std::string_view script, const ScriptStore& store);

// Whether a line begins with "#" + key (any letter case), whatever its value.
bool hasHeader(std::string_view key, std::string_view script);

// The color header read as "&h" + value (Windows colour order); nullopt without one.
std::optional<Colour> headerColour(std::string_view script);

// The current mode's location key, lower-cased: the public do.mode.name when it exists,
// else the location key of mode group `mode`.
std::string currentModeLocation(const Zerin& zerin);

}  // namespace zerin
