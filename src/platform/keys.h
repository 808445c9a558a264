// The global keyboard and mouse state (X11 on Linux), read without waiting for events so
// that the Pause key stops even a script that never pumps events.
#pragma once

namespace zerin {

// Virtual-key codes scripts use with key.state and that the interpreter checks.
inline constexpr int kVkPause = 19;

struct Point {
    int x = 0;
    int y = 0;
};

class KeyState {
public:
    virtual ~KeyState() = default;
    // True when the key is down now or was pressed since the previous query of it.
    virtual bool asyncKeyState(int virtualKey) = 0;
    virtual Point cursorPos() = 0;
    virtual void setCursorPos(Point p) = 0;
    // Bit 1 left, 2 right, 4 middle.
    virtual int mouseButtons() = 0;
};

}  // namespace zerin
