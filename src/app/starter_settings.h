// The starter configuration: on a first start, when the program folder holds no
// Zerin.ini, Zerin writes one with four modes, working file commands, keys, bar commands
// and path buttons, and starts with it. The text is src/app/starter/Zerin.ini, built into
// the program; its folder names (@HOME@, @DOWNLOAD@, @PICTURES@) become the user's own.
#pragma once

#include <string>
#include <string_view>

namespace zerin {

class Zerin;

// The user's folders the starter names, without a trailing "/".
struct StarterPlaces {
    std::string home;
    std::string downloads;
    std::string pictures;
};

// Home, and the download and picture folders of the freedesktop user-dirs file
// (~/.config/user-dirs.dirs, lines such as XDG_DOWNLOAD_DIR="$HOME/Hämtningar"); a folder
// the file does not name is home + "/Downloads" or home + "/Pictures".
StarterPlaces starterPlaces(std::string_view home, std::string_view userDirsText);

// The starter file as it is written: the places filled in, CR LF line ends, exactly the
// text the settings writer gives back after reading it.
std::string starterSettingsText(const StarterPlaces& places);

// Writes the starter file when the program folder has no Zerin.ini; true when it did.
// A failure is one debug line and leaves the first start empty, as before.
bool writeStarterSettingsIfMissing(Zerin& zerin, const StarterPlaces& places);

namespace starter_messages {
inline constexpr std::string_view kWriteFailed = "ERROR in starter settings: ";
}  // namespace starter_messages

}  // namespace zerin
