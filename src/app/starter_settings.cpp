#include "app/starter_settings.h"

#include <cerrno>

#include "app/program.h"
#include "app/settings_file.h"
#include "app/starter_settings_data.h"
#include "core/text.h"

namespace zerin {

namespace {

std::string withoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// The value of one XDG_..._DIR line: "$HOME/x" or an absolute path, in double quotes.
std::string userDir(std::string_view userDirsText, std::string_view key, std::string_view home) {
    std::size_t start = 0;
    while (start < userDirsText.size()) {
        std::size_t end = userDirsText.find('\n', start);
        if (end == std::string_view::npos) end = userDirsText.size();
        std::string_view line = text::trim(userDirsText.substr(start, end - start));
        start = end + 1;
        if (!line.starts_with(key) || line.substr(key.size()).substr(0, 1) != "=") continue;
        std::string_view value = line.substr(key.size() + 1);
        if (value.size() < 2 || value.front() != '"' || value.back() != '"') continue;
        value = value.substr(1, value.size() - 2);
        if (value.starts_with("$HOME")) return std::string(home) + std::string(value.substr(5));
        if (value.starts_with('/')) return std::string(value);
    }
    return {};
}

}  // namespace

StarterPlaces starterPlaces(std::string_view home, std::string_view userDirsText) {
    StarterPlaces p;
    p.home = withoutTrailingSlash(home.empty() ? std::string("/") : std::string(home));
    const std::string base = p.home == "/" ? std::string() : p.home;
    p.downloads = withoutTrailingSlash(userDir(userDirsText, "XDG_DOWNLOAD_DIR", base));
    p.pictures = withoutTrailingSlash(userDir(userDirsText, "XDG_PICTURES_DIR", base));
    if (p.downloads.empty()) p.downloads = base + "/Downloads";
    if (p.pictures.empty()) p.pictures = base + "/Pictures";
    return p;
}

std::string starterSettingsText(const StarterPlaces& places) {
    // A line end inside a folder name would break the file into lines of its own.
    auto oneLine = [](const std::string& s) { return s.substr(0, s.find_first_of("\r\n")); };
    // The home folder's own trailing "/" comes from the file ("@HOME@/"): the root stays "/".
    const std::string home = places.home == "/" ? std::string() : oneLine(places.home);
    std::string out;
    const std::string_view source = kStarterSettings;
    out.reserve(source.size() + source.size() / 16);
    for (std::size_t i = 0; i < source.size(); ++i) {
        const std::string_view rest = source.substr(i);
        if (rest.starts_with("@HOME@")) {
            out += home;
            i += 5;
        } else if (rest.starts_with("@DOWNLOAD@")) {
            out += oneLine(places.downloads);
            i += 9;
        } else if (rest.starts_with("@PICTURES@")) {
            out += oneLine(places.pictures);
            i += 9;
        } else if (source[i] == '\n') {
            out += "\r\n";
        } else if (source[i] != '\r') {
            out += source[i];
        }
    }
    return out;
}

bool writeStarterSettingsIfMissing(Zerin& zerin, const StarterPlaces& places) {
    const std::string path = settingsPath(zerin).string();
    const FsResult<FileInfo> there = zerin.fileSystem->stat(path, false);
    if (there || there.status.error() != ENOENT) return false;
    const FsStatus written = zerin.fileSystem->writeFileAtomic(path, starterSettingsText(places));
    if (!written) {
        zerin.output.debugMessage(std::string(starter_messages::kWriteFailed) + written.message());
        return false;
    }
    return true;
}

}  // namespace zerin
