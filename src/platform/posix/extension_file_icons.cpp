#include "platform/posix/extension_file_icons.h"

#include <unordered_map>

#include "core/text.h"

namespace zerin {

int ExtensionFileIcons::iconFor(const std::string& path, bool folder) {
    if (folder) return kFolderIcon;
    static const std::unordered_map<std::string, int> byExtension = {
        {"txt", 2},  {"ini", 2},  {"nfo", 2},  {"md", 2},   {"log", 2},  {"jpg", 3},  {"jpeg", 3}, {"png", 3},
        {"gif", 3},  {"bmp", 3},  {"svg", 3},  {"webp", 3}, {"mp3", 4},  {"wav", 4},  {"flac", 4}, {"ogg", 4},
        {"m4a", 4},  {"wma", 4},  {"avi", 5},  {"mp4", 5},  {"mkv", 5},  {"mpg", 5},  {"mpeg", 5}, {"wmv", 5},
        {"webm", 5}, {"exe", 6},  {"zip", 7},  {"rar", 7},  {"gz", 7},   {"xz", 7},   {"bz2", 7},  {"7z", 7},
        {"tar", 7},  {"deb", 7},  {"doc", 8},  {"docx", 8}, {"odt", 8},  {"pdf", 8},  {"xls", 9},  {"xlsx", 9},
        {"ods", 9},  {"csv", 9},  {"ppt", 10}, {"pptx", 10}, {"odp", 10}, {"html", 11}, {"htm", 11}, {"ttf", 13},
        {"otf", 13}, {"sh", 14},  {"py", 14},  {"pl", 14},
    };
    const auto slash = path.rfind('/');
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return 12;
    auto it = byExtension.find(text::lower(std::string_view(path).substr(dot + 1)));
    return it == byExtension.end() ? 12 : it->second;
}

}  // namespace zerin
