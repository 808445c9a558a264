// The main window's key table: the three window shortcuts and the alternative keys that
// the bars and lists accept beside their fixed key codes. Keys are Windows virtual-key
// codes with the shift state bits 1 Shift, 2 Ctrl, 4 Alt, the codes stored scripts and
// the key table have always used.
#pragma once

class QKeyEvent;

namespace zerin::ui {

namespace vk {
inline constexpr int kEnter = 13, kEscape = 27, kPageUp = 33, kPageDown = 34;
inline constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40;
inline constexpr int kPad2 = 98, kPad4 = 100, kPad6 = 102, kPad8 = 104;
inline constexpr int kF6 = 117, kI = 73, kN = 78;
}  // namespace vk

struct KeyChord {
    int key = 0;
    int shift = 0;
};

class KeyTable {
public:
    KeyChord saveAndQuit{vk::kF6, 7};
    KeyChord volumeUp{vk::kUp, 1};
    KeyChord volumeDown{vk::kDown, 1};

    static bool is(const KeyChord& chord, int key, int shift) { return chord.key == key && chord.shift == shift; }
    // True when `key` is `wanted` or the alternative key the table pairs with it.
    static bool accepts(int wanted, int key, int shift);
    // The alternative of a fixed key (50 beside keypad 8, ...), or 0.
    static int alternativeOf(int key);
};

// The virtual-key code and shift state of a Qt key event.
int virtualKey(const QKeyEvent* event);
int shiftState(const QKeyEvent* event);

}  // namespace zerin::ui
