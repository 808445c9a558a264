// The code editor txtCode as a place where commands are made: its header operations,
// do_button_from_editor that stores the editor's text as a mode command, and the word
// under the caret that the help key looks up.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zerin {

class Zerin;

inline constexpr std::string_view kDefaultCommandLocation = "Mode\\Sys\\Menu";

namespace editormsg {
inline constexpr std::string_view kNoCode = "Scriptet har ingen körbar kod.\r\n\r\nVill du ta bort det?";
inline constexpr std::string_view kAskName = "Ange namn";
inline constexpr std::string_view kTitle = "Zerin";
// The settings file ends a stored script at a line that reads "end script"; such a
// script would come back cut short after a restart, so it is not stored.
inline constexpr std::string_view kEndScriptLine =
    "The script has a line \"end script\", which would end it early in Zerin.ini.\r\n"
    "Change that line (a blank after it is enough) and make the button again.";
}  // namespace editormsg

// header set: the first "#KEY" line (any letter case) gets `value` after its "=" (an
// "=" is added when the line has none); without such a line "#KEY=value" + CR LF is put
// in front of the text.
std::string headerSet(std::string_view key, std::string_view text, std::string_view value);

// header strip: the text without the lines that begin with "#", line breaks included.
std::string headerStrip(std::string_view text);

// The store key of a command: lower-cased location, "\", lower-cased name.
std::string commandKey(std::string_view location, std::string_view name);

enum class ButtonFromEditor {
    Stored,      // the text is in the store and the top bar rebuilt
    Removed,     // a text without code removed the stored command of its name
    Unchanged,   // the user cancelled, gave no name, or the text cannot be stored
};

// do_button_from_editor: stores the text of txtCode as a command (see the .cpp for the
// questions it asks on the way).
ButtonFromEditor buttonFromEditor(Zerin& zerin);

// The word at byte offset `caret`: the text between the nearest delimiters (CR, LF, tab,
// blank, "(" and ")") before and after it.
std::string wordAtCaret(std::string_view text, std::size_t caret);

// Whether `word` names a command of the command table (any letter case).
bool isCommandWord(std::string_view word);

// What the help window shows for a command: its help block as `help name` prints it,
// or its name and description line when it has no block.
std::string commandHelpText(Zerin& zerin, std::string_view word);

void registerScriptEditorCommands(Zerin& zerin);

}  // namespace zerin
