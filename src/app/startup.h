// Start-up: the order in which Zerin builds its state, and the command-line run that
// ends the program before any window exists. The steps of the logic (settings, drives,
// folder-size database, pane listings) are called directly; the window's own steps come
// from the front-end through StartupSteps, and a step nobody has filled is skipped.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "app/command_line.h"
#include "app/starter_settings.h"

namespace zerin {

class Zerin;

struct StartupSteps {
    // Set by the window's start: with no Zerin.ini in the program folder, the starter
    // configuration naming these folders is written first and read like any other.
    std::optional<StarterPlaces> firstStart;
    std::function<void()> createTooltips;          // the tooltip window and its entries
    std::function<void()> rememberWindowStyle;     // for do.titlebar
    std::function<void()> fillHelpList;            // the help list of command names
    std::function<void()> setLogoAndIcon;
    // Text insert mode on, size format 1, the colour table, the main window's key table.
    std::function<void()> assignFixedTables;
    std::function<void()> sizeParentButtonFonts;
    std::function<void()> buildRightBar;           // "Stop" button and the barmenu commands
    std::function<void()> openMixer;
    std::function<void()> setUpColumns;            // column captions and pane backgrounds
    std::function<void()> applyFontSize;
    std::function<void()> showWindow;
    std::function<void()> setListIconMode;
    std::function<void()> resize;                  // builds the bars and the work area
    std::function<void()> setCodeEditorTabWidth;   // one tab stop of 20 dialog units
};

enum class StartupOutcome { WindowReady, ScriptRan, ScriptNotFound };

namespace startup_messages {
inline constexpr std::string_view kStepFailed = "ERROR in Form_Load: ";
inline constexpr std::string_view kScriptNotFound = "zerin: no stored script ";
}  // namespace startup_messages

// Runs start-up. With a command line, it reads the settings, runs the named script (if
// the store holds it) and returns without touching the window's steps.
StartupOutcome runStartup(Zerin& zerin, const std::optional<CommandLine>& commandLine, const StartupSteps& steps);

// The command-line run alone: finds the script by location\name (any case) and runs it
// in the hidden buffer txtBackCode with the argument text.
bool runCommandLine(Zerin& zerin, const CommandLine& commandLine);

}  // namespace zerin
