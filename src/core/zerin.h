// The program's state in one place: what Zerin.ini fills, the controls the logic owns,
// the shared run state and the services. Modules take what they need from here; it holds
// no behaviour of its own.
//
// The parts that belong to a higher module are only declared here and held by reference:
// the program's wiring (app/zerin.cpp) owns and builds them. So this header pulls no
// module upwards, and a module sees the complete type of a part only by including that
// part's own header, which the layer check (tests/layers) allows only downwards.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/colours.h"
#include "core/output.h"
#include "core/settings.h"
#include "core/text_box.h"
#include "core/ui_host.h"

namespace zerin {

struct Platform;
class FileSystem;
class FileIcons;
class PosixFileSystem;
class ExtensionFileIcons;
struct RunState;
class Variables;
class Dispatcher;
class Interpreter;
class ScriptStore;
class PaneModel;
class PathGroups;
struct ImageList;
struct GeneralState;
class OutputWindow;
struct TextEditorFile;
class ModeGroups;
class ModeBars;

class Zerin {
public:
    explicit Zerin(Platform& platform);
    ~Zerin();
    Zerin(const Zerin&) = delete;
    Zerin& operator=(const Zerin&) = delete;

    Platform& platform;
    std::filesystem::path programFolder;

    // Filled by the settings file.
    Settings settings;
    // Set while Zerin.ini is being read (the on\load script runs in the middle of it).
    bool loadingSettings = false;

    // Text controls the logic owns; the visible ones have Qt views.
    TextBox txtDebug;     // the debug pane
    TextBox txtCode;      // the code editor: runs uncompiled (editor mode)
    TextBox txtEditor;    // the text editor of the text display mode
    TextBox txtOnLoad;    // hidden buffers, refilled for each run
    TextBox txtBackCode;
    TextBox txtExec;
    TextBox txtBuffer;

    Output output;

    // What is being dragged between the window's elements ("Paths:" + tag, "Drives", a
    // folder path, "ModeCommand:" + script).
    std::string dragText;
    // The background of a mode command button that shows an "on" state (0x00BBGGRR).
    Colour highlightColour = 0xC0C0C0;
    // The background of the lists, bars and panes, and the one it returns to when the dark
    // background mode is switched off (the window sets it from the desktop's colour).
    Colour windowBackground = 0xFFFFFF;
    Colour savedBackground = 0xFFFFFF;

    UiHost defaultUi;
    UiHost* ui = &defaultUi;

    // A command changed what a mode command button shows (a setting it reflects): the
    // bars are built again. Set by the mode bars' module; empty when there are no bars.
    std::function<void()> modeCommandsChanged;
    // Opens a text file in the text editor, which the work area then shows; false when it
    // could not. Set by the text editor's module.
    std::function<bool(const std::string& path)> openInTextEditor;

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;

public:
    // The language.
    RunState& run;
    Variables& publicVars;
    Dispatcher& dispatcher;
    Interpreter& interpreter;
    ScriptStore& scripts;

    // The panes, path groups and the images of the viewer.
    PaneModel& panes;
    PathGroups& pathGroups;
    ImageList& imageList;

    // The file system and the icon choice of the panes; tests and the Qt front-end may
    // point these elsewhere.
    PosixFileSystem& defaultFileSystem;
    FileSystem* fileSystem;
    ExtensionFileIcons& defaultFileIcons;
    FileIcons* fileIcons;

    // The general commands' memory (time.fps, time.factor, sound.load, execute), the
    // output window and the text editor's file.
    GeneralState& general;
    OutputWindow& outputWindow;
    TextEditorFile& editorFile;

    // The mode groups and their command bars.
    ModeGroups& modeGroups;
    ModeBars& bars;
};

}  // namespace zerin
