#include "panes/pane_colours.h"

#include <algorithm>
#include <initializer_list>

#include "core/text.h"
#include "panes/pane_paths.h"

namespace zerin {

namespace {

bool oneOf(std::string_view value, std::initializer_list<std::string_view> list) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

Colour fileSuffixColour(const ColourTable& table, std::string_view suffix) {
    if (suffix == ":/") return paneColour::kDriveSource;
    if (suffix == "/") return paneColour::kFolderSource;
    const std::string s = text::lower(suffix);
    if (oneOf(s, {"avi", "mpg", "mpeg", "wmv", "divx", "mp3", "mp4", "wav", "wma", "dat", "asx", "mkv"}))
        return paneColour::kMedia;
    if (oneOf(s, {"jpg", "jpeg", "gif", "bmp"})) return table.file(3);
    if (oneOf(s, {"txt", "m3u", "nfo", "ini"})) return table.file(4);
    if (s == "exe") return paneColour::kProgram;
    return paneColour::kOtherSource;
}

Colour refreshFileColour(const ColourTable& table, std::string_view fullPath, bool source) {
    const std::string s = shortSuffixLower(fullPath);
    if (oneOf(s, {"avi", "mpg", "mpeg", "wmv", "divx", "mp3", "mp4", "m4a", "wav", "wma", "dat", "asx", "mkv"}))
        return source ? paneColour::kMedia : paneColour::kMediaTarget;
    if (oneOf(s, {"jpg", "bmp", "gif"})) return source ? table.file(2) : shade(table.file(2), 60);
    if (s == "exe") return source ? paneColour::kProgram : shade(paneColour::kProgram, 60);
    return source ? paneColour::kOtherSource : paneColour::kOtherTarget;
}

Colour roleColour(const ColourTable& table, std::string_view tag, bool bright, bool drive) {
    const std::string suffix = fileSuffix(tag);
    if (drive || suffix == ":/") return bright ? brighten(paneColour::kDriveSource, 120) : shade(paneColour::kDriveTarget, 80);
    if (suffix == "/") return bright ? brighten(table.file(1), 140) : shade(table.file(1), 60);
    // Compared exactly as written, so "MP3" counts as other.
    if (oneOf(suffix, {"avi", "mp3", "mp4", "m4a", "mpeg", "mpg", "mkv", "wmv", "wma", "wav"}))
        return bright ? brighten(paneColour::kMedia, 120) : shade(paneColour::kMedia, 60);
    if (oneOf(suffix, {"jpg", "jpeg", "bmp", "gif"})) return bright ? table.file(2) : shade(table.file(2), 60);
    if (oneOf(suffix, {"txt", "ini", "nfo"})) return bright ? table.file(3) : shade(table.file(3), 60);
    if (suffix == "exe") return bright ? brighten(paneColour::kProgramBright, 140) : shade(paneColour::kProgramBright, 60);
    return bright ? brighten(table.file(4), 140) : shade(table.file(4), 60);
}

}  // namespace zerin
