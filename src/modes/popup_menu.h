// frmMenu as the logic sees it: which stored scripts a command's pop-up menu lists, how
// each entry (cmdMenu) is built, where FitMenu puts the window, the darkened entry under
// the pointer, and what a click, a drag and the menu timer do. The Qt window only draws
// a PopupMenu and reports the mouse and the keys.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "modes/command_bar.h"
#include "platform/keys.h"

namespace zerin {

class Zerin;

inline constexpr Colour kMenuShade = 0xBBBBBB;
inline constexpr int kMenuHoverPercent = 60;

namespace menumsg {
inline constexpr std::string_view kFitError = "ERROR in FitMenu";
inline constexpr std::string_view kClickError = "ERROR in cmdMenu_Click";
inline constexpr std::string_view kTimerError = "ERROR in MenuTimer";
inline constexpr std::string_view kWidth = "menu width";
inline constexpr std::string_view kHeight = "menu height";
inline constexpr std::string_view kTop = "menu top";
inline constexpr std::string_view kLeft = "menu left";
inline constexpr std::string_view kShow = "menu show";
inline constexpr std::string_view kShaded = "menu shaded";
inline constexpr std::string_view kShaded2 = "menu shaded 2";
inline constexpr std::string_view kShaded3 = "menu shaded 3";
inline constexpr std::string_view kShaded4 = "menu shaded 4";
}  // namespace menumsg

// The screen rectangle the menu must stay inside (the main window), right and bottom
// exclusive.
struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// One menu window. Entry 0 is the template that is never shown.
struct PopupMenu {
    CommandBar entries;
    int count = 0;             // entries in use (1..count)
    int hovered = 0;           // the entry under the pointer (0: none)
    Colour hoveredColour = 0;  // its own colour, given back when the pointer leaves
    int x = 0, y = 0, width = 0, height = 0;
    bool shown = false;
    std::string progress;      // the step of FitMenu that runs

    // What entry i shows: its colour, or that colour darkened while it is hovered.
    Colour shownColour(int i) const;
};

// The menu location of a command: its location header, "\" and its name header.
std::string menuLocation(std::string_view script);

class MenuController {
public:
    static constexpr int kEntryMargin = 20;
    static constexpr int kWindowMargin = 22;

    explicit MenuController(Zerin& zerin) : m_zerin(zerin) {}

    // Adds an entry for every stored script (in store order) whose location, ignoring
    // letter case, is `location`; returns whether any was added.
    bool fill(PopupMenu& menu, std::string_view location);
    // AddMenuItem: appends one entry for `script` (its load section runs now).
    void addMenuItem(PopupMenu& menu, const std::string& script);
    // FitMenu: sizes the entries and the window, places it at the pointer inside `area`,
    // and darkens entry 1 as the hovered one.
    void fitMenu(PopupMenu& menu, Point pointer, const ScreenRect& area);

    // Opening a menu for a command (a top-bar button, or an entry by its right button):
    // fills `menu` with the command's sub-commands and fits it at the pointer; false
    // (and nothing to show) when it has none.
    bool open(PopupMenu& menu, std::string_view commandScript, Point pointer, const ScreenRect& area);
    // The same for the scripts of a location (the size handle's "clock" menu).
    bool openLocation(PopupMenu& menu, std::string_view location, Point pointer, const ScreenRect& area);

    // The pointer is over entry i with no button held.
    void hover(PopupMenu& menu, int entry);
    // Up and down arrows: the hovered entry moves by `step`, wrapping around.
    void moveHover(PopupMenu& menu, int step);
    // Entry click: runs the entry's script (with its linked script) in txtBackCode.
    void click(PopupMenu& menu, int entry);
    // Right button down with Shift, Ctrl or Alt: a desktop shortcut of the entry.
    bool makeShortcut(PopupMenu& menu, int entry);
    // Left button held and moved: true when a drag of the entry starts now (the drag text
    // is set then).
    bool dragMove(PopupMenu& menu, int entry, float x, float y);
    void mouseDown();
    void mouseUp();

    // The menu timer: true when the window must be unloaded (it is no longer the
    // foreground window); the menu is emptied then.
    bool timerTick(PopupMenu& menu, bool foreground);

private:
    Zerin& m_zerin;
};

}  // namespace zerin
