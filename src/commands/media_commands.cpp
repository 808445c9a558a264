// Sounds and the date a photo was taken.
#include <cmath>
#include <cstdint>
#include <fstream>
#include <new>

#include "commands/general_commands.h"
#include "commands/general_messages.h"
#include "core/text.h"
#include "core/zerin.h"
#include "media/exif_reader.h"
#include "script/arguments.h"

namespace zerin {

namespace {

// A relative path is taken from the program's folder.
std::string soundPath(Zerin& z, std::string_view arg) {
    std::string path = text::replaceAll(arg, "\"", "");
    if (!path.empty() && path.front() != '/') path = (z.programFolder / path).string();
    return path;
}

// The low 16 bits of a number's integer part, as a volume word keeps them.
std::uint32_t volumeBits(double x) {
    if (!std::isfinite(x) || std::fabs(x) > 2147483647.0) return 0;
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(std::trunc(x))) & 0xFFFFu;
}

}  // namespace

void registerMediaCommands(Zerin& z) {
    using namespace general_text;

    // sound.load path -> "" : keeps the file's bytes for sound.play
    z.dispatcher.registerHandler(137, [&z](CommandCall& c) -> std::string {
        std::string path = soundPath(z, c.arg);
        std::string progress = std::string(kSoundOpening) + path;
        try {
            std::ifstream in(path, std::ios::binary | std::ios::ate);
            if (!in) throw std::ios_base::failure("open");
            progress = kSoundResizing;
            std::streamoff length = in.tellg();
            if (length < 0) throw std::ios_base::failure("size");
            std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
            progress = kSoundLoading;
            in.seekg(0);
            if (!in.read(reinterpret_cast<char*>(bytes.data()), length)) throw std::ios_base::failure("read");
            progress = kSoundClosing;
            in.close();
            z.general.soundBuffer = std::move(bytes);
        } catch (const std::exception&) {
            z.output.debugMessage(progress);
        }
        return {};
    });

    // sound.play [left right] -> "" : sets the wave volume and plays the loaded sound
    z.dispatcher.registerHandler(136, [&z](CommandCall& c) -> std::string {
        std::vector<double> n = numericArguments(z, c.arg, c.locals);
        std::uint32_t volume = n.size() >= 2 ? volumeBits(n[1]) << 16 | volumeBits(n[0]) : 0;
        z.platform.sound.setWaveVolume(volume);
        std::string reason;
        if (!z.platform.sound.playAsync(z.general.soundBuffer, reason))
            z.output.debugMessage(std::string(kSoundNotPlayed) + reason);
        return {};
    });

    // do_photo_date path -> "yyyy-mm-dd" from the EXIF date taken, or ""
    z.dispatcher.registerHandler(61, [&z](CommandCall& c) -> std::string {
        std::string path(c.arg);
        if (path.empty()) return {};
        ExifReader reader(z.platform.dialogs);
        if (!reader.Load(path)) {
            z.output.print(std::string(kPhotoError) + path);
            return {};
        }
        std::string taken = reader.Tag(kExifTagDateTimeOriginal);
        return text::replaceAll(std::string(text::charSubstr(taken, 0, 10)), ":", "-");
    });
}

}  // namespace zerin
