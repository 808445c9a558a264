// Sounds and the date a photo was taken.
#include <cmath>
#include <cstdint>
#include <new>

#include "commands/general_commands.h"
#include "commands/general_messages.h"
#include "core/text.h"
#include "core/zerin.h"
#include "media/exif_reader.h"
#include "media/wav_format.h"
#include "script/arguments.h"
#include "commands/general_state.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "script/dispatcher.h"

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
    z.dispatcher.registerHandler(Cmd::SoundLoad, [&z](CommandCall& c) -> std::string {
        std::string path = soundPath(z, c.arg);
        std::string progress = std::string(kSoundOpening) + path;
        // The message names the step that failed. Only a regular file is read: a FIFO
        // given as a sound would otherwise stop Zerin until someone writes to it.
        FsResult<std::unique_ptr<OpenFile>> file = z.fileSystem->open(path, OpenMode::Read);
        if (!file) {
            z.output.debugMessage(progress);
            return {};
        }
        progress = kSoundResizing;
        const FsResult<FileInfo> info = file.value->info();
        if (!info || info.value.kind != FileKind::File) {
            z.output.debugMessage(progress);
            return {};
        }
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.value.size));
        progress = kSoundLoading;
        std::size_t done = 0;
        while (done < bytes.size()) {
            const FsResult<std::size_t> n =
                file.value->read(reinterpret_cast<char*>(bytes.data()) + done, bytes.size() - done);
            if (!n || n.value == 0) {
                z.output.debugMessage(progress);
                return {};
            }
            done += n.value;
        }
        progress = kSoundClosing;
        if (!file.value->close()) {
            z.output.debugMessage(progress);
            return {};
        }
        z.general.soundBuffer = std::move(bytes);
        return {};
    });

    // sound.play [left right] -> "" : sets the wave volume and plays the loaded sound
    z.dispatcher.registerHandler(Cmd::SoundPlay, [&z](CommandCall& c) -> std::string {
        std::vector<double> n = numericArguments(z, c.arg, c.locals);
        std::uint32_t volume = n.size() >= 2 ? volumeBits(n[1]) << 16 | volumeBits(n[0]) : 0;
        z.platform.sound.setWaveVolume(volume);
        std::string reason;
        std::optional<PcmSound> sound = decodeWav(z.general.soundBuffer, volume, reason);
        if (!sound || !z.platform.sound.playAsync(std::move(*sound), reason))
            z.output.debugMessage(std::string(kSoundNotPlayed) + reason);
        return {};
    });

    // do_photo_date path -> "yyyy-mm-dd" from the EXIF date taken, or ""
    z.dispatcher.registerHandler(Cmd::DoPhotoDate, [&z](CommandCall& c) -> std::string {
        std::string path(c.arg);
        if (path.empty()) return {};
        ExifReader reader(*z.fileSystem, [&z](const std::string& text) {
            z.platform.dialogs.messageBox(text, kExifTagBoxTitle, MsgButtons::Ok, MsgIcon::Critical);
        });
        if (!reader.Load(path)) {
            z.output.print(std::string(kPhotoError) + path);
            return {};
        }
        std::string taken = reader.Tag(kExifTagDateTimeOriginal);
        return text::replaceAll(std::string(text::charSubstr(taken, 0, 10)), ":", "-");
    });
}

}  // namespace zerin
