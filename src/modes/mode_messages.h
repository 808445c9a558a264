// The texts the mode command bars show, in one place for the code and its tests.
#pragma once

#include <string_view>

namespace zerin::modemsg {

inline constexpr std::string_view kWaitingForInput = "A script is currently waiting for input";
inline constexpr std::string_view kPaused = "A script is currently paused";
inline constexpr std::string_view kTitle = "Zerin";

inline constexpr std::string_view kLoadProgress = "Error in ModeCommandsLoad";
inline constexpr std::string_view kLoadPlayTime = "Error in ModeCommandsLoad - do_vlc_playtime";
inline constexpr std::string_view kLoadSlider = "Error in ModeCommandsLoad - do_vlc_slider";
inline constexpr std::string_view kLoadPlayPause = "Error in ModeCommandsLoad - do_vlc_playpause";
inline constexpr std::string_view kLoadState = "Error in ModeCommandsLoad - state";
inline constexpr std::string_view kLoadPlaying = "Error in ModeCommandsLoad - playing";

inline constexpr std::string_view kDragPrefix = "ModeCommand";

inline constexpr std::string_view kDropDebug = "frmRight.OLEDragDrop ";
inline constexpr std::string_view kDropSuffixDebug = "frmRight.OLEDragDrop sSuffix=";
inline constexpr std::string_view kDropNameDebug = "frmRight.OLEDragDrop sTrimName=";
inline constexpr std::string_view kReplacePrefix = "Knappen ";
inline constexpr std::string_view kReplaceSuffix = " finns redan.\r\n\r\nVill du ersätta den?";

inline constexpr std::string_view kStopCaption = "Stop";

// Keys for buttons ("#KEY=" header lines).
inline constexpr std::string_view kKeyTooltip = "Key: ";
inline constexpr std::string_view kKeyUnknown = "#KEY: not a key: ";
inline constexpr std::string_view kKeyOwnBefore = "#KEY: ";
inline constexpr std::string_view kKeyOwnAfter = " is Zerin's own key and keeps its meaning; not bound to ";
inline constexpr std::string_view kKeyTakenAfter = " is already bound to ";
inline constexpr std::string_view kKeyTakenNot = "; not bound to ";

}  // namespace zerin::modemsg
