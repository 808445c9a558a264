#include "ui/key_table.h"

#include <QKeyEvent>

namespace zerin::ui {

int KeyTable::alternativeOf(int key) {
    switch (key) {
    case vk::kPad8: return 50;
    case vk::kPad2: return 56;
    case vk::kPad4: return 52;
    case vk::kPad6: return 54;
    case vk::kEnter: return 13;
    case vk::kPageUp: return 33;
    case vk::kPageDown: return 34;
    case vk::kEscape: return 27;
    default: return 0;
    }
}

bool KeyTable::accepts(int wanted, int key, int shift) {
    if (key == wanted) return true;
    int alt = alternativeOf(wanted);
    return alt != 0 && key == alt && shift == 0;
}

int virtualKey(const QKeyEvent* e) {
    const int k = e->key();
    const bool keypad = e->modifiers() & Qt::KeypadModifier;
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return (keypad ? 96 : 48) + (k - Qt::Key_0);
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return 65 + (k - Qt::Key_A);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return 112 + (k - Qt::Key_F1);
    // Keypad keys without Num Lock arrive as movement keys; they keep the keypad codes.
    if (keypad) {
        switch (k) {
        case Qt::Key_Up: return vk::kPad8;
        case Qt::Key_Down: return vk::kPad2;
        case Qt::Key_Left: return vk::kPad4;
        case Qt::Key_Right: return vk::kPad6;
        default: break;
        }
    }
    switch (k) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::kEnter;
    case Qt::Key_Escape: return vk::kEscape;
    case Qt::Key_PageUp: return vk::kPageUp;
    case Qt::Key_PageDown: return vk::kPageDown;
    case Qt::Key_Left: return vk::kLeft;
    case Qt::Key_Up: return vk::kUp;
    case Qt::Key_Right: return vk::kRight;
    case Qt::Key_Down: return vk::kDown;
    case Qt::Key_Space: return 32;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Home: return 36;
    case Qt::Key_End: return 35;
    case Qt::Key_Pause: return 19;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    default: return 0;
    }
}

int shiftState(const QKeyEvent* e) {
    int s = 0;
    if (e->modifiers() & Qt::ShiftModifier) s |= 1;
    if (e->modifiers() & Qt::ControlModifier) s |= 2;
    if (e->modifiers() & Qt::AltModifier) s |= 4;
    return s;
}

}  // namespace zerin::ui
