// Zerin.ini: the reader SettingsLoad and the writer do_default_save (command 41).
// The reader decides what a line means by its key alone; section headers only make the
// file readable. The writer always rewrites the whole file, atomically.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zerin {

class Zerin;

inline constexpr std::string_view kSettingsFileName = "Zerin.ini";

namespace settings_messages {
// Debug line prefix when a save fails; the reason follows.
inline constexpr std::string_view kSaveFailed = "ERROR in do_default_save: ";
// A save asked for by the on\load script while the file is still being read would
// write a file that lacks everything after that script.
inline constexpr std::string_view kSaveWhileLoading =
    "do_default_save: Zerin.ini is still being read, not saved";
inline constexpr std::string_view kLoadFailed = "ERROR in SettingsLoad: ";
}  // namespace settings_messages

std::filesystem::path settingsPath(const Zerin& zerin);

// Reads Zerin.ini from the program folder into the settings record, the pane paths, the
// path groups, the mode groups, the script store and the image list, and runs the
// on\load script as soon as its block has been read. A missing file leaves the defaults.
void SettingsLoad(Zerin& zerin);

// The same from text already in memory (UTF-8, or Windows-1252 when not valid UTF-8).
void loadSettingsText(Zerin& zerin, std::string_view fileContent);

// The whole file as do_default_save writes it: UTF-8, CR LF line ends.
std::string settingsText(const Zerin& zerin);

// Writes Zerin.ini. On failure the old file stays whole, one debug line says why, and
// the result is false.
bool do_default_save(Zerin& zerin);

void registerSettingsCommands(Zerin& zerin);

}  // namespace zerin
