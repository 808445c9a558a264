// The door between the zerin executable, which needs no Qt, and the window module
// (zerin_gui.so), which holds every Qt widget. A command-line run loads the module only
// when its script first needs a window, a dialog, a drawing surface or text measured in
// pixels, so a run that needs none of these starts in a few milliseconds.
#pragma once

#include "commands/output_window_host.h"
#include "app/command_line.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/event_pump.h"
#include "platform/text_metrics.h"

namespace zerin {

class Zerin;
class OutputWindow;

// The Qt services a command-line run borrows once the module is loaded.
struct GuiServices {
    EventPump* pump = nullptr;
    Dialogs* dialogs = nullptr;
    TextMetrics* metrics = nullptr;
    CanvasFactory* canvases = nullptr;
};

namespace gui_module {

inline constexpr const char* kFileName = "zerin_gui.so";
// Folders searched for the module, relative to the executable's folder: beside it in a
// build tree, in lib/zerin of an installed tree.
inline constexpr const char* kSearchFolders[] = {".", "../lib/zerin"};

// Shows the main window and runs until it closes; returns the exit status.
inline constexpr const char* kRunWindow = "zerin_gui_run_window";
using RunWindowFn = int (*)(const ProgramArguments& arguments, const char* argv0);

// Creates the Qt application and the output window for a command-line run that is
// already under way; the output window becomes `zerin.outputWindow`'s host.
inline constexpr const char* kAttach = "zerin_gui_attach";
using AttachFn = GuiServices (*)(Zerin& zerin);

}  // namespace gui_module

}  // namespace zerin
