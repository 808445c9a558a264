// The state of the two command bars that outlives one build: their elements, the running
// command button that button.color colours, and the mouse and drag state of a click.
#pragma once

#include <cmath>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "modes/command_bar.h"
#include "modes/key_bindings.h"
#include "platform/keys.h"

namespace zerin {

class ModeBars {
public:
    ModeBars();

    CommandBar top;
    CommandBar right;
    // The "#KEY=" keys of the top bar's buttons, rebuilt with the bar.
    KeyBindings keys;
    // frmTop's width at the last build; the window sets it before each build.
    int topWidth = 800;

    // Set while a builder runs, so that a load section cannot start the same build again.
    bool buildingTop = false;
    bool buildingRight = false;

    // The entries of the menu window whose entry runs (BarId::Menu refers to it).
    CommandBar* menuEntries = nullptr;

    // The button whose script was started last.
    std::optional<ButtonRef> running;
    BarElement* runningButton();
    // button.color: the running command button's background (colours below 0 are ignored).
    void colourRunningButton(long long colour);
    void setRunningButtonCaption(std::string caption);
    // The top-bar buttons whose command is `command` (the whole script text, or its first
    // word, as in "do_mouse_autofocus /s") take this background.
    void colourCommandButtons(std::string_view command, Colour colour);

    // Mouse and drag state of the bars.
    int mouseDown = 0;
    std::optional<ButtonRef> pressed;
    std::string draggedScript;
    float moveLastX = 0, moveLastY = 0, moveSum = 0;
    // Adds a move of the pointer (held down on a button or menu entry) to the distance
    // travelled; true, and the sum starts again, once it exceeds the drag distance.
    bool dragTravelled(float x, float y) {
        if (moveSum < 1) {
            moveLastX = x;
            moveLastY = y;
            moveSum = 1;
        }
        moveSum += std::fabs(x - moveLastX) + std::fabs(y - moveLastY);
        moveLastX = x;
        moveLastY = y;
        if (moveSum <= kDragTravel) return false;
        moveSum = 0;
        return true;
    }
    // 500 twips, for right-bar buttons and menu entries alike.
    static constexpr float kDragTravel = 33.0f;

    // Where a modifier + right button writes its desktop shortcut, and what it starts.
    std::filesystem::path desktopFolder;
    std::filesystem::path programPath;

    // The menus that belong to the pop-up menu module; unset they do nothing.
    std::function<void(ButtonRef, Point)> openPopupMenu;
    std::function<void()> openScriptMenu;
    // The menu of the stored scripts at a location ("clock" for the size handle).
    std::function<void(const std::string& location, Point)> openLocationMenu;

private:
    CommandBar* barOf(BarId id);
};

}  // namespace zerin
