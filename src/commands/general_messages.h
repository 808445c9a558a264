// The texts the general commands print, ask and answer with, in one place for the code
// and its tests. Several are the program's own historical wordings, Swedish included.
#pragma once

#include <array>
#include <string_view>

namespace zerin::general_text {

inline constexpr std::string_view kProgramName = "Zerin";

inline constexpr std::string_view kWaitDescription = "Wait Given Number of Seconds";
inline constexpr std::string_view kWaitHelp =
    "# Wait Given Number of Seconds\r\n"
    "#\r\n"
    "# DO_WAIT [seconds]\r\n"
    "# Waits 100 milliseconds if <seconds> is omitted";

inline constexpr std::string_view kAutofocusDescription = "Sets Mouse AutoFocus On/Off";
inline constexpr std::string_view kAutofocusHelp =
    "# Sets Mouse AutoFocus On/Off\r\n"
    "#\r\n"
    "# DO_MOUSE_AUTOFOCUS [0|1|/S]\r\n"
    "# 0  - Off\r\n"
    "# 1  - On\r\n"
    "# /S - Switch On/Off\r\n"
    "# Returns '1' or '0'\r\n";

inline constexpr std::string_view kAutofocusCommand = "do_mouse_autofocus";
// A mode button in its "on" state: the mode's colour brightened to this many per cent.
inline constexpr int kHighlightPercent = 160;

// do_run
inline constexpr std::string_view kExecuteTitle = "Execute?";
inline constexpr std::string_view kRunFailed = "Some kind of error. Really sorry. Really.";
inline constexpr std::string_view kRunLog = "# ";
inline constexpr std::string_view kRunLogFailed = "#!";
inline constexpr std::string_view kRunLogErrorExecuting = "#Error executing: ";
// do_runwait
inline constexpr std::string_view kRunWaitExitcode = "RunWait exitcode: '";

inline constexpr std::string_view kWaitInputTextNeedsWindow = "ERROR: WAIT.INPUT.TEXT needs WINDOW";
inline constexpr std::string_view kScriptNotFound = "can't execute. Script not found";
inline constexpr std::string_view kPhotoError = "Error in photo: ";
inline constexpr std::string_view kTitlebarError = "ERROR in do_titlebar";

// thread.priority: the words in the order of their levels' table, and the usage text.
struct PriorityWord {
    int level;
    std::string_view word;
};
inline constexpr std::array<PriorityWord, 7> kPriorityWords{{
    {-15, "THREAD_PRIORITY_IDLE"},
    {-2, "THREAD_PRIORITY_LOWEST"},
    {-1, "THREAD_PRIORITY_BELOW_NORMAL"},
    {0, "THREAD_PRIORITY_NORMAL"},
    {1, "THREAD_PRIORITY_ABOVE_NORMAL"},
    {2, "THREAD_PRIORITY_HIGHEST"},
    {15, "THREAD_PRIORITY_TIME_CRITICAL"},
}};
inline constexpr std::string_view kPriorityUsage =
    "\r\n"
    "Thread.Priority usage:\r\n"
    "Thread.Priority [word]\r\n"
    "\r\n"
    "Replace [word] with one of:\r\n"
    "THREAD_PRIORITY_LOWEST\r\n"
    "THREAD_PRIORITY_HIGHEST\r\n"
    "THREAD_PRIORITY_BELOW_NORMAL\r\n"
    "THREAD_PRIORITY_ABOVE_NORMAL\r\n"
    "THREAD_PRIORITY_IDLE\r\n"
    "THREAD_PRIORITY_NORMAL\r\n"
    "THREAD_PRIORITY_TIME_CRITICAL\r\n";
inline constexpr std::string_view kPriorityRefused = "Thread.Priority: the system refused ";

// sound.load progress texts, written as the debug line when a step fails.
inline constexpr std::string_view kSoundOpening = "Ska öppna filen: ";
inline constexpr std::string_view kSoundResizing = "Ska dimensionera om utrymmet";
inline constexpr std::string_view kSoundLoading = "Ska ladda filen";
inline constexpr std::string_view kSoundClosing = "Ska stänga filen";
inline constexpr std::string_view kSoundNotPlayed = "Sound.Play: nothing played: ";

inline constexpr std::string_view kHibernateRefused = "Hibernate: refused: ";

}  // namespace zerin::general_text
