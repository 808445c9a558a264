// Where the main window opens. It always opens inside the free area of a screen (the area
// the desktop's panels leave), with its title bar and frame, so that every region down to
// the bottom bar is visible; and it opens where the user left it the last time.
//
// The placement is kept in a file of its own, Zerin_Window.ini in the program folder, so
// that Zerin.ini keeps exactly the keys it has always had:
//
//   [window]
//   left=120          client area of the normal (not maximised) window, screen pixels
//   top=80
//   width=1024
//   height=700
//   maximised=0
//   frame=1,29,1,1    the frame's left, top, right and bottom widths last seen
//
// A missing or damaged file, or a line that cannot be read, only means that the default
// placement is used; nothing is reported.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zerin::ui {

struct WindowPlacement {
    QRect normal;             // client area, screen coordinates; empty when never saved
    bool maximised = false;
    std::optional<QMargins> frame;  // the window manager's frame as last seen
};

inline constexpr std::string_view kWindowPlacementFile = "Zerin_Window.ini";

// The frame assumed before the window manager has told its real size: a title bar and
// thin borders, so that a first start does not put the bottom edge below the screen.
inline constexpr QMargins kAssumedFrame{4, 30, 4, 4};

// The client rectangle nearest to `wanted` whose frame lies inside `available`: the size
// is cut to what fits (but never below `minimum`), then the window is moved in from the
// edges it crosses. A `wanted` without a size takes `defaultSize`; one without a valid
// place (empty `wanted`) is centred.
QRect fitClientRect(const QRect& wanted, const QSize& defaultSize, const QMargins& frame, const QRect& available,
                    const QSize& minimum);

std::string formatWindowPlacement(const WindowPlacement& placement);
WindowPlacement parseWindowPlacement(std::string_view text);

// The file beside Zerin.ini (empty without a program folder: nothing is then kept);
// reading a missing file gives the empty placement.
std::filesystem::path windowPlacementPath(const std::filesystem::path& programFolder);
WindowPlacement readWindowPlacement(const std::filesystem::path& file);
// Written to a temporary file and renamed over the old one. False when it failed.
bool writeWindowPlacement(const std::filesystem::path& file, const WindowPlacement& placement);

}  // namespace zerin::ui
