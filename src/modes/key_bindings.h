// Keys for command buttons: a command's header line "#KEY=F5" binds a key to it. The key
// runs the command of the current mode (the buttons the top bar shows now), and the
// button's tooltip names it. Keys Zerin already uses keep their meaning; a binding that
// would take one, or a key two commands ask for, is reported once in the debug pane.
// Keys are virtual-key codes with the shift bits 1 Shift, 2 Ctrl, 4 Alt, as the window's
// key events report them.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zerin {

class CommandBar;
class Output;

struct KeyChord {
    int key = 0;
    int shift = 0;
    bool operator==(const KeyChord&) const = default;
};

// "F5", "Ctrl+F5", "Shift+Alt+K", "Delete" (any letter case); nullopt when it names no key.
std::optional<KeyChord> parseKeyName(std::string_view name);
// The name parseKeyName reads back: "Ctrl+Shift+F5".
std::string keyName(KeyChord chord);
// Whether the key already means something to Zerin: the window's shortcuts, the Pause
// key, the keys that move around the panes, bars and lists, and typing.
bool isZerinKey(KeyChord chord);

class KeyBindings {
public:
    // Binds the keys of the bar's buttons in use, first come first served, adds "Key: F5"
    // to each bound button's tooltip and reports what cannot be bound.
    void rebuild(CommandBar& bar, Output& output);
    // The number of the top-bar button the key runs.
    std::optional<int> buttonFor(int key, int shift) const;

private:
    void report(Output& output, const std::string& message);

    struct Binding {
        KeyChord chord;
        int button;
    };
    std::vector<Binding> m_bound;
    // Reported for the program's life, so a rebuild (every resize) does not repeat it.
    std::set<std::string> m_reported;
};

}  // namespace zerin
