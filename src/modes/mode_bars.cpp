#include "modes/mode_bars.h"

#include "core/text.h"
#include "modes/mode_messages.h"

namespace zerin {

ModeBars::ModeBars() {
    // The right bar's button 0 is the hidden "Stop" button.
    BarElement& stop = right.element(0);
    stop.caption = std::string(modemsg::kStopCaption);
    stop.colour = 0x6677FF;
    stop.visible = false;
    top.element(0).visible = false;
}

CommandBar* ModeBars::barOf(BarId id) {
    switch (id) {
    case BarId::Top: return &top;
    case BarId::Right: return &right;
    case BarId::Menu: return menuEntries;
    }
    return nullptr;
}

BarElement* ModeBars::runningButton() {
    if (!running) return nullptr;
    CommandBar* bar = barOf(running->bar);
    return bar ? bar->find(running->index) : nullptr;
}

void ModeBars::colourRunningButton(long long colour) {
    if (colour < 0) return;
    BarElement* b = runningButton();
    if (!b) return;
    b->colour = static_cast<Colour>(colour & 0xFFFFFF);
    barOf(running->bar)->changed();
}

void ModeBars::setRunningButtonCaption(std::string caption) {
    BarElement* b = runningButton();
    if (!b) return;
    b->caption = std::move(caption);
    barOf(running->bar)->changed();
}

void ModeBars::colourCommandButtons(std::string_view command, Colour colour) {
    std::string wanted = text::lower(text::trim(command));
    bool any = false;
    for (int i = 1; i <= top.lastInUse(); ++i) {
        BarElement* b = top.find(i);
        if (!b || b->kind != BarElementKind::Button) continue;
        std::string script = text::lower(text::trim(b->script));
        if (script == wanted || script.starts_with(wanted + " ")) {
            b->colour = colour & 0xFFFFFF;
            any = true;
        }
    }
    if (any) top.changed();
}

}  // namespace zerin
