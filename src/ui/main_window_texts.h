// The texts the main window shows, in one place for the code and its tests.
#pragma once

#include <string_view>

namespace zerin::ui::texts {

inline constexpr std::string_view kPathFieldTip = "Sök-fält\r\n\r\nSkriv sök-ord här och tryck <enter>";
inline constexpr std::string_view kSizeHandleTip =
    "  Dra mig med vänster musknapp så ändras layouten\r\n\r\n  Klicka på mig så visas/döljs en meny under mig.\r\n";
inline constexpr std::string_view kCodeEditorCaption = " Code Editor ";
inline constexpr std::string_view kDebugCaption = " Output / Debug ";
inline constexpr std::string_view kProblem = "Got some problem.";
inline constexpr std::string_view kTryingToFix = "Trying to fix it";
inline constexpr std::string_view kNoWindowSwitching =
    "Window switching is not available here: this window system does not list other programs' windows.";
inline constexpr std::string_view kTitleBarError = "ERROR in ShowTitleBar";

// The resize steps' progress texts.
inline constexpr std::string_view kResizing = "Resizing";
inline constexpr std::string_view kRefreshCommandButtons = "Refreshing Command Buttons";
inline constexpr std::string_view kRefreshPathButtons = "Refreshing Path Buttons";
inline constexpr std::string_view kRefreshClockButton = "Refreshing Clock Button";
inline constexpr std::string_view kRefreshVerticalBar = "Refreshing Vertical Bar";
inline constexpr std::string_view kRefreshVerticalButtons = "Refreshing Vertical Command Buttons";
inline constexpr std::string_view kRefreshVolumeSlider = "Refreshing Volume Slider";
inline constexpr std::string_view kRefreshImageViewer = "Refreshing Image Viewer";

}  // namespace zerin::ui::texts
