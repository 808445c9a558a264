#include "modes/key_bindings.h"

#include <array>
#include <utility>

#include "core/output.h"
#include "core/text.h"
#include "modes/command_bar.h"
#include "modes/mode_messages.h"
#include "script/script_store.h"

namespace zerin {

namespace {

constexpr int kShift = 1, kCtrl = 2, kAlt = 4;
constexpr int kF1 = 112, kF6 = 117, kF12 = 123, kF24 = 135;
constexpr int kUp = 38, kDown = 40, kPause = 19;

// Named keys besides letters, digits and F1 to F24; the first name of a code is the one
// keyName writes.
constexpr std::array<std::pair<std::string_view, int>, 22> kNamedKeys = {{
    {"backspace", 8}, {"tab", 9}, {"enter", 13}, {"return", 13}, {"pause", 19}, {"escape", 27}, {"esc", 27},
    {"space", 32}, {"pageup", 33}, {"pgup", 33}, {"pagedown", 34}, {"pgdn", 34}, {"end", 35}, {"home", 36},
    {"left", 37}, {"up", 38}, {"right", 39}, {"down", 40}, {"insert", 45}, {"ins", 45}, {"delete", 46}, {"del", 46},
}};
constexpr std::array<std::string_view, 22> kShownNames = {
    "Backspace", "Tab", "Enter", "Enter", "Pause", "Escape", "Escape", "Space", "PageUp", "PageUp", "PageDown",
    "PageDown", "End", "Home", "Left", "Up", "Right", "Down", "Insert", "Insert", "Delete", "Delete"};

std::optional<int> keyCode(std::string_view word) {
    const std::string w = text::lower(word);
    if (w.size() == 1 && w[0] >= 'a' && w[0] <= 'z') return 'A' + (w[0] - 'a');
    if (w.size() == 1 && w[0] >= '0' && w[0] <= '9') return w[0];
    if (w.size() >= 2 && w.size() <= 3 && w[0] == 'f') {
        int n = 0;
        for (std::size_t i = 1; i < w.size(); ++i) {
            if (w[i] < '0' || w[i] > '9') return std::nullopt;
            n = n * 10 + (w[i] - '0');
        }
        if (n >= 1 && n <= 24 && w[1] != '0') return kF1 + n - 1;
        return std::nullopt;
    }
    for (const auto& [name, code] : kNamedKeys)
        if (w == name) return code;
    return std::nullopt;
}

}  // namespace

std::optional<KeyChord> parseKeyName(std::string_view name) {
    std::string_view rest = text::trim(name);
    KeyChord chord;
    for (;;) {
        const std::size_t plus = rest.find('+');
        // A "+" that is the whole key ("Ctrl++") is not a key this table knows.
        if (plus == std::string_view::npos) break;
        const std::string modifier = text::lower(text::trim(rest.substr(0, plus)));
        if (modifier == "shift") chord.shift |= kShift;
        else if (modifier == "ctrl" || modifier == "control") chord.shift |= kCtrl;
        else if (modifier == "alt") chord.shift |= kAlt;
        else return std::nullopt;
        rest = rest.substr(plus + 1);
    }
    std::optional<int> code = keyCode(text::trim(rest));
    if (!code) return std::nullopt;
    chord.key = *code;
    return chord;
}

std::string keyName(KeyChord chord) {
    std::string out;
    if (chord.shift & kCtrl) out += "Ctrl+";
    if (chord.shift & kShift) out += "Shift+";
    if (chord.shift & kAlt) out += "Alt+";
    const int k = chord.key;
    if (k >= kF1 && k <= kF24) return out + "F" + std::to_string(k - kF1 + 1);
    if ((k >= 'A' && k <= 'Z') || (k >= '0' && k <= '9')) return out + static_cast<char>(k);
    for (std::size_t i = 0; i < kNamedKeys.size(); ++i)
        if (kNamedKeys[i].second == k) return out + std::string(kShownNames[i]);
    return out + std::to_string(k);
}

bool isZerinKey(KeyChord c) {
    const bool plainOrShift = c.shift == 0 || c.shift == kShift;
    if (c.key == kPause || c.key == kF12) return true;                  // stops a script; runs the code editor
    if (c.key == kF6 && c.shift == (kShift | kCtrl | kAlt)) return true;  // save and quit
    if ((c.key == kUp || c.key == kDown) && c.shift == kShift) return true;  // the volume
    if (c.key == kUp && c.shift == kAlt) return true;                   // the parent folder
    if (c.key >= 96 && c.key <= 105) return true;                       // the keypad moves the focus
    if (c.key == 'I' || c.key == 'N') return true;                      // never shortcuts
    // Moving around the lists, bars and fields, and typing into them.
    if (plainOrShift && (c.key == 8 || c.key == 9 || c.key == 13 || c.key == 27 || (c.key >= 32 && c.key <= 40)))
        return true;
    if (plainOrShift && ((c.key >= 'A' && c.key <= 'Z') || (c.key >= '0' && c.key <= '9'))) return true;
    return false;
}

void KeyBindings::report(Output& output, const std::string& message) {
    if (m_reported.insert(message).second) output.debugMessage(message);
}

void KeyBindings::rebuild(CommandBar& bar, Output& output) {
    m_bound.clear();
    for (int i = 1; i <= bar.lastInUse(); ++i) {
        BarElement* b = bar.find(i);
        if (!b || !b->visible || b->kind != BarElementKind::Button) continue;
        std::string value = headerValue("key", b->script);
        // With several "#KEY=" lines the first one counts.
        if (std::size_t end = value.find("\r\n"); end != std::string::npos) value.resize(end);
        if (text::trim(value).empty()) continue;
        std::optional<KeyChord> chord = parseKeyName(value);
        if (!chord) {
            report(output, std::string(modemsg::kKeyUnknown) + std::string(text::trim(value)) + " (" + b->caption + ")");
            continue;
        }
        const std::string name = keyName(*chord);
        if (isZerinKey(*chord)) {
            report(output, std::string(modemsg::kKeyOwnBefore) + name + std::string(modemsg::kKeyOwnAfter) + b->caption);
            continue;
        }
        const Binding* taken = nullptr;
        for (const Binding& bound : m_bound)
            if (bound.chord == *chord) taken = &bound;
        if (taken) {
            const BarElement* first = bar.find(taken->button);
            report(output, std::string(modemsg::kKeyOwnBefore) + name + std::string(modemsg::kKeyTakenAfter) +
                               (first ? first->caption : std::string()) + std::string(modemsg::kKeyTakenNot) + b->caption);
            continue;
        }
        m_bound.push_back({*chord, i});
        if (!b->tooltip.empty()) b->tooltip += "\r\n";
        b->tooltip += std::string(modemsg::kKeyTooltip) + name;
    }
}

std::optional<int> KeyBindings::buttonFor(int key, int shift) const {
    for (const Binding& b : m_bound)
        if (b.chord == KeyChord{key, shift}) return b.button;
    return std::nullopt;
}

}  // namespace zerin
