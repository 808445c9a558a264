// A desktop shortcut that runs one stored command from the command line: on Linux a
// .desktop file in the user's desktop folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zerin {

class FileSystem;

struct ShortcutTarget {
    std::filesystem::path desktopFolder;
    std::filesystem::path programPath;   // the zerin executable
    std::filesystem::path programFolder; // Zerin's home, passed on with --home when set
};

// The Exec line: the program, its home and the quoted location\name, escaped as the
// desktop entry format wants.
std::string desktopExecLine(std::string_view location, std::string_view name, const ShortcutTarget& target);

// Writes <desktop>/<name>.desktop for the script's name and location headers; false with
// a reason when there is no name or the file cannot be written.
bool writeDesktopShortcut(FileSystem& fs, std::string_view script, const ShortcutTarget& target,
                          std::string& reason);

}  // namespace zerin
