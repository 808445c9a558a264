// Sounds, the date a photo was taken, the image viewer and the dark background mode.
#include <cmath>
#include <cstdint>
#include <new>

#include "commands/general_commands.h"
#include "commands/general_messages.h"
#include "core/text.h"
#include "core/zerin.h"
#include "core/colours.h"
#include "media/exif_reader.h"
#include "media/image_viewer.h"
#include "media/wav_format.h"
#include "panes/pane_model.h"
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

// The viewer's operations on the program's image list.
ImageViewer viewer(Zerin& z) {
    return ImageViewer(z.imageList, z.settings, z.output, z.ui->titleBarShown());
}

// A switch shown on its mode command button: the highlight is the mode's colour,
// brightened while the switch is on.
void showSwitch(Zerin& z, std::string_view command, bool on) {
    const Colour modeColour = z.panes.colours.file(z.settings.mode);
    z.highlightColour = on ? brighten(modeColour, general_text::kHighlightPercent) : modeColour;
    z.ui->setModeButtonColour(command, z.highlightColour);
}

// The background of the dark background mode.
constexpr Colour kDarkBackground = 0x10000;

}  // namespace

void registerMediaCommands(Zerin& z) {
    using namespace general_text;

    z.dispatcher.registerHandler(Cmd::DoImagePrev, [&z](CommandCall&) -> std::string {
        viewer(z).prev();
        return {};
    });
    z.dispatcher.registerHandler(Cmd::DoImageNext, [&z](CommandCall&) -> std::string {
        viewer(z).next();
        return {};
    });
    z.dispatcher.registerHandler(Cmd::DoImageSlide, [&z](CommandCall&) -> std::string {
        showSwitch(z, "do_image_slide", viewer(z).toggleSlide());
        return {};
    });
    z.dispatcher.registerHandler(Cmd::DoImageSlower, [&z](CommandCall&) -> std::string {
        viewer(z).slideSlower();
        return {};
    });
    z.dispatcher.registerHandler(Cmd::DoImageFaster, [&z](CommandCall&) -> std::string {
        viewer(z).slideFaster();
        return {};
    });
    z.dispatcher.registerHandler(Cmd::DoImageClear, [&z](CommandCall&) -> std::string {
        viewer(z).clear();
        return {};
    });

    // do_vlc_wallpaper -> "" : the whole window dark, or back to the saved background
    z.dispatcher.registerHandler(Cmd::DoVlcWallpaper, [&z](CommandCall&) -> std::string {
        bool& on = z.settings.vlcBackground;
        on = !on;
        z.windowBackground = on ? kDarkBackground : z.savedBackground;
        showSwitch(z, "do_vlc_wallpaper", on);
        z.ui->setWindowBackground(z.windowBackground);
        return {};
    });

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
