// What happens when the user works a command button: clicks on the top bar and the right
// bar, the refusals while a script waits or is paused, dragging a button, the pop-up menu
// on release, and dropping a program on the right bar.
#pragma once

#include <string>
#include <vector>

#include "modes/command_bar.h"
#include "platform/keys.h"

namespace zerin {

class Zerin;

enum class MouseButton { Left, Right, Middle };

// Shift state bits as key events report them.
inline constexpr int kShiftBit = 1;
inline constexpr int kCtrlBit = 2;
inline constexpr int kAltBit = 4;

// The refusals shared by every start of a script from a button or a menu: a message box
// while a script waits for input or is paused. True when a run may start.
bool mayStartScript(Zerin& zerin);

class CommandRunner {
public:
    static constexpr int kVkShift = 16;

    explicit CommandRunner(Zerin& zerin) : m_zerin(zerin) {}

    void clickTop(int index);
    // A key bound with "#KEY=" to a top-bar button runs it as a click does (Shift held
    // is part of the key, not the script menu). True when the key belongs to a button.
    bool pressKey(int key, int shiftState);
    void clickRight(int index);

    // Returns true when a shortcut was made (a modifier was held).
    bool topMouseDown(int index, MouseButton button, int shiftState);
    // True when a drag of the button starts now; the drag text is set then.
    bool topMouseMove(int index, int x, int y, int width, int height);
    void topMouseUp(int index, MouseButton button, int shiftState);
    void dropOnTop();

    void rightMouseDown(int index, MouseButton button);
    bool rightMouseMove(int index, float x, float y);
    void rightMouseUp(MouseButton button);

    // Files dropped on frmRight: a program becomes a "Bar" command that runs it with the
    // source pane's selection. Returns whether a command was added.
    bool dropOnRightBar(const std::vector<std::string>& paths);

    // "ModeCommand:" + script, or "ModeCommand" for button 0.
    static std::string dragTextFor(int index, const std::string& script);

private:
    // The refusals shared by every start; true when a run may start.
    bool mayStart();
    void startDrag(ButtonRef ref, const std::string& script);
    void run(const std::string& script);
    void startTop(int index);

    Zerin& m_zerin;
};

}  // namespace zerin
