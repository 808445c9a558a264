// The two bars of command buttons as the logic sees them: the top bar (cmdModeCommand
// with the legacy labels and sliders) and the right bar (cmdAction). Each is a control
// array that only grows; element 0 is the template that is never shown in the top bar
// and the hidden "Stop" button in the right bar. The Qt bars draw what is here.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "panes/list_model.h"  // Colour

namespace zerin {

enum class BarElementKind {
    Button,
    IntervalLabel,   // lblMC: the slide interval in seconds
    PlayTimeLabel,   // lblPlayTime
    PositionSlider,  // Slider2
};

struct BarElement {
    BarElementKind kind = BarElementKind::Button;
    std::string caption;
    Colour colour = 0xC0C0C0;
    std::string tooltip;
    std::string script;  // the button's tag: the text a click runs
    int x = 0, y = 0, width = 0, height = 0;
    int fontSize = 10;
    bool visible = false;
};

// Menu: an entry of the pop-up menu window that is running a script.
enum class BarId { Top, Right, Menu };

struct ButtonRef {
    BarId bar = BarId::Top;
    int index = 0;
    bool operator==(const ButtonRef&) const = default;
};

class CommandBar {
public:
    // The element `index`, creating it (and any before it) when needed.
    BarElement& element(int index);
    const std::vector<BarElement>& elements() const { return m_elements; }
    BarElement* find(int index);

    // The number of the last element in use (0 when none).
    int lastInUse() const { return m_lastInUse; }
    void setLastInUse(int n) { m_lastInUse = n; }
    // Hides every element after the last one in use.
    void hideUnused();

    int height = 0;  // frmTop: the last row's y plus one row height

    // The views redraw on this; builders call it once when they are done.
    std::function<void()> onChanged;
    void changed() {
        if (onChanged) onChanged();
    }

private:
    std::vector<BarElement> m_elements;
    int m_lastInUse = 0;
};

}  // namespace zerin
