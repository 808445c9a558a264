// The operating-system services the logic uses, one interface each. The Linux build
// fills this from src/platform/linux/; tests fill it with the fakes of tests/support/.
#pragma once

#include "platform/dialogs.h"
#include "platform/event_pump.h"
#include "platform/keys.h"
#include "platform/mixer.h"
#include "platform/processes.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/system.h"
#include "platform/text_metrics.h"
#include "platform/windows.h"

namespace zerin {

struct Platform {
    EventPump& pump;
    Clock& clock;
    KeyState& keys;
    Dialogs& dialogs;
    Processes& processes;
    Sound& sound;
    SystemServices& system;
    TextMetrics& metrics;
    // The desktop's file associations; none in a run without a desktop.
    Shell* shell = nullptr;
    // The master volume; none in a command-line run, which never shows the slider.
    Mixer* mixer = nullptr;
    // Other applications' windows for the window buttons; none without a window system
    // that lists them.
    WindowList* windows = nullptr;
};

}  // namespace zerin
