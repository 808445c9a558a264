// The program's state in one place: what Zerin.ini fills, the controls the logic owns,
// the shared run state and the services. Modules take what they need from here; it holds
// no behaviour of its own beyond wiring the parts together.
#pragma once

#include <cstdint>
#include <filesystem>

#include "commands/general_state.h"
#include "commands/output.h"
#include "commands/output_window.h"
#include "commands/text_editor.h"
#include "core/settings.h"
#include "core/text_box.h"
#include "core/ui_host.h"
#include "media/image_list.h"
#include "modes/mode_bars.h"
#include "modes/mode_groups.h"
#include "modes/script_store.h"
#include "panes/pane_model.h"
#include "panes/path_groups.h"
#include "platform/platform.h"
#include "platform/posix/extension_file_icons.h"
#include "platform/posix/posix_file_system.h"
#include "script/dispatcher.h"
#include "script/interpreter.h"
#include "script/run_state.h"
#include "script/variables.h"

namespace zerin {

class Zerin {
public:
    explicit Zerin(Platform& platform);
    Zerin(const Zerin&) = delete;
    Zerin& operator=(const Zerin&) = delete;

    Platform& platform;
    std::filesystem::path programFolder;

    // Filled by the settings file.
    Settings settings;
    PathGroups pathGroups;
    ModeGroups modeGroups;
    ScriptStore scripts;
    ImageList imageList;
    // Set while Zerin.ini is being read (the on\load script runs in the middle of it).
    bool loadingSettings = false;

    // Text controls the logic owns; the visible ones have Qt views.
    TextBox txtDebug;     // the debug pane
    TextBox txtCode;      // the code editor: runs uncompiled (editor mode)
    TextBox txtEditor;    // the text editor of the text display mode
    TextEditorFile editorFile;
    TextBox txtOnLoad;    // hidden buffers, refilled for each run
    TextBox txtBackCode;
    TextBox txtExec;
    TextBox txtBuffer;

    RunState run;
    Output output;
    Variables publicVars;
    Dispatcher dispatcher;
    Interpreter interpreter;
    PaneModel panes;
    // The file system and the icon choice of the panes; tests and the Qt front-end may
    // point these elsewhere.
    PosixFileSystem defaultFileSystem;
    FileSystem* fileSystem = &defaultFileSystem;
    ExtensionFileIcons defaultFileIcons;
    FileIcons* fileIcons = &defaultFileIcons;

    // The general commands' memory (time.fps, time.factor, sound.load, execute).
    GeneralState general;
    OutputWindow outputWindow{*this};

    // The command bars and what is being dragged between the window's elements
    // ("Paths:" + tag, "Drives", a folder path, "ModeCommand:" + script).
    ModeBars bars;
    std::string dragText;
    // The background of a mode command button that shows an "on" state (0x00BBGGRR).
    Colour highlightColour = 0xC0C0C0;

    UiHost defaultUi;
    UiHost* ui = &defaultUi;
};

// Registers the handlers of every module with the dispatcher.
void registerAllCommands(Zerin& zerin);

}  // namespace zerin
