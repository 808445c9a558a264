// Which icon a file or folder shows. Icons are numbered by a fixed table of generic
// desktop icon names, so an index stored in the listing cache (and the folder-size
// database) still names the same icon in the next run.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zerin {

// Index 0 means "no icon assigned"; the views look the names up in the icon theme.
inline constexpr std::array<std::string_view, 16> kIconNames = {
    "",                       "folder",                "text-x-generic",   "image-x-generic",
    "audio-x-generic",        "video-x-generic",       "application-x-executable", "package-x-generic",
    "x-office-document",      "x-office-spreadsheet",  "x-office-presentation",    "text-html",
    "application-x-generic",  "font-x-generic",        "text-x-script",            "drive-harddisk",
};
inline constexpr int kFolderIcon = 1;
inline constexpr int kDriveIcon = 15;

class FileIcons {
public:
    virtual ~FileIcons() = default;
    // An index into kIconNames (never 0).
    virtual int iconFor(const std::string& path, bool folder) = 0;
};

}  // namespace zerin
