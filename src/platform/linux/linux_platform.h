// Every platform service of the Linux build in one owner. Create it after the
// QApplication; hand `platform` to Zerin.
#pragma once

#include <iostream>

#include "platform/linux/alsa_mixer.h"
#include "platform/linux/alsa_sound.h"
#include "platform/linux/folder_access.h"
#include "platform/linux/linux_system_services.h"
#include "platform/linux/posix_processes.h"
#include "platform/linux/qt_dialogs.h"
#include "platform/linux/qt_event_pump.h"
#include "platform/linux/qt_text_metrics.h"
#include "platform/linux/x11_key_state.h"
#include "platform/linux/x11_window_list.h"
#include "platform/linux/xdg_shell.h"
#include "platform/platform.h"

namespace zerin::linux_platform {

struct LinuxPlatform {
    QtEventPump pump;
    MonotonicClock clock;
    X11KeyState keys;
    QtDialogs dialogs{std::cerr};
    PosixProcesses processes;
    AlsaSound sound;
    LinuxSystemServices system;
    QtTextMetrics metrics;
    XdgShell shell{processes, pump, clock};
    AlsaMixer mixer;
    platform::X11WindowList windows;
    Platform platform{pump, clock, keys, dialogs, processes, sound, system, metrics, &shell, &mixer, &windows};
};

}  // namespace zerin::linux_platform
