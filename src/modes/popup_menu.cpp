#include "modes/popup_menu.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "core/colours.h"
#include "core/text.h"
#include "core/zerin.h"
#include "modes/bar_builder.h"
#include "modes/command_runner.h"
#include "modes/desktop_shortcut.h"
#include "modes/mode_messages.h"
#include "modes/mode_script.h"
#include "modes/mode_bars.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "script/interpreter.h"
#include "script/run_state.h"
#include "script/script_store.h"

namespace zerin {

namespace {

// While a menu's script runs, button.color and the caption commands reach its entry;
// the button that ran before is the running one again afterwards.
class RunningEntry {
public:
    RunningEntry(ModeBars& bars, PopupMenu& menu, int entry)
        : m_bars(bars), m_running(bars.running), m_entries(bars.menuEntries) {
        bars.menuEntries = &menu.entries;
        bars.running = ButtonRef{BarId::Menu, entry};
    }
    ~RunningEntry() {
        m_bars.running = m_running;
        m_bars.menuEntries = m_entries;
    }

private:
    ModeBars& m_bars;
    std::optional<ButtonRef> m_running;
    CommandBar* m_entries;
};

}  // namespace

Colour PopupMenu::shownColour(int i) const {
    if (i == hovered && i > 0) return shade(hoveredColour, kMenuHoverPercent);
    const auto& all = entries.elements();
    return i >= 0 && static_cast<std::size_t>(i) < all.size() ? all[static_cast<std::size_t>(i)].colour : kMenuShade;
}

std::string menuLocation(std::string_view script) {
    return headerValue("location", script) + "\\" + headerValue("name", script);
}

bool MenuController::fill(PopupMenu& menu, std::string_view location) {
    const std::string wanted = text::lower(location);
    // Load sections may change the store: walk a copy.
    std::vector<StoredScript> scripts = m_zerin.scripts.scripts();
    const int before = menu.count;
    for (const StoredScript& s : scripts)
        if (text::lower(headerValue("location", s.text)) == wanted) addMenuItem(menu, s.text);
    return menu.count > before;
}

void MenuController::addMenuItem(PopupMenu& menu, const std::string& script) {
    const int i = ++menu.count;
    BarElement& e = menu.entries.element(i);
    e = BarElement{};
    e.script = script;
    e.caption = headerValue("name", script);
    e.fontSize = m_zerin.settings.fontSize;
    e.height = BarBuilder(m_zerin).rowHeight();
    if (i > 1) {
        const BarElement& above = menu.entries.elements()[static_cast<std::size_t>(i - 1)];
        e.y = above.y + above.height;
    }
    const std::string full = withLinkedScript(script, m_zerin.scripts);
    e.tooltip = headerValue("help", full);
    e.colour = headerColour(full).value_or(kMenuShade);
    menu.entries.setLastInUse(i);

    std::optional<std::string> section = loadSection(full);
    if (!section || !mayStartScript(m_zerin)) return;
    m_zerin.run.stopRequest = false;
    RunningEntry running(m_zerin.bars, menu, i);
    m_zerin.txtOnLoad.setText(*section);
    m_zerin.interpreter.RunEditor("", &m_zerin.txtOnLoad, "");
}

void MenuController::fitMenu(PopupMenu& menu, Point pointer, const ScreenRect& area) {
    try {
        menu.progress = menumsg::kWidth;
        int widest = 0;
        for (int i = 1; i <= menu.count; ++i)
            widest = std::max(widest, m_zerin.platform.metrics.width(menu.entries.element(i).caption,
                                                                      m_zerin.settings.fontSize));
        for (int i = 1; i <= menu.count; ++i) {
            BarElement& e = menu.entries.element(i);
            e.width = widest + kEntryMargin;
            e.visible = true;
        }
        menu.width = widest + kWindowMargin;

        menu.progress = menumsg::kHeight;
        const BarElement& last = menu.entries.element(menu.count);
        menu.height = last.y + last.height + 2;

        menu.progress = menumsg::kTop;
        menu.y = pointer.y;
        if (menu.y + menu.height > area.bottom) menu.y = area.bottom - menu.height;
        menu.y = std::max(menu.y, 1);

        menu.progress = menumsg::kLeft;
        menu.x = pointer.x;
        if (menu.x + menu.width > area.right) menu.x = area.right - menu.width;
        menu.x = std::max(menu.x, 1);

        menu.progress = menumsg::kShow;
        menu.shown = true;
        menu.entries.element(0).visible = false;

        menu.progress = menumsg::kShaded;
        menu.hovered = menu.count >= 1 ? 1 : 0;
        menu.progress = menumsg::kShaded2;
        menu.hoveredColour = menu.hovered ? menu.entries.element(1).colour : kMenuShade;
        menu.progress = menumsg::kShaded3;
        menu.progress = menumsg::kShaded4;
    } catch (const std::exception&) {
        m_zerin.output.debugMessage(menumsg::kFitError);
    }
    menu.entries.changed();
}

bool MenuController::open(PopupMenu& menu, std::string_view commandScript, Point pointer, const ScreenRect& area) {
    return openLocation(menu, menuLocation(commandScript), pointer, area);
}

bool MenuController::openLocation(PopupMenu& menu, std::string_view location, Point pointer, const ScreenRect& area) {
    if (!fill(menu, location)) return false;
    fitMenu(menu, pointer, area);
    return true;
}

void MenuController::hover(PopupMenu& menu, int entry) {
    if (entry < 1 || entry > menu.count || entry == menu.hovered) return;
    menu.hovered = entry;
    menu.hoveredColour = menu.entries.element(entry).colour;
    menu.entries.changed();
}

void MenuController::moveHover(PopupMenu& menu, int step) {
    if (menu.count < 1) return;
    int next = step > 0 ? 1 : menu.count;
    if (menu.hovered >= 1) next = ((menu.hovered - 1 + step) % menu.count + menu.count) % menu.count + 1;
    hover(menu, next);
}

void MenuController::click(PopupMenu& menu, int entry) {
    try {
        if (entry < 1 || entry > menu.count) return;
        if (!mayStartScript(m_zerin)) return;
        m_zerin.run.stopRequest = false;
        std::string script = withLinkedScript(menu.entries.element(entry).script, m_zerin.scripts);
        RunningEntry running(m_zerin.bars, menu, entry);
        m_zerin.txtBackCode.setText(std::move(script));
        m_zerin.interpreter.RunEditor("", &m_zerin.txtBackCode, "");
    } catch (const std::exception&) {
        m_zerin.output.debugMessage(menumsg::kClickError);
    }
}

bool MenuController::makeShortcut(PopupMenu& menu, int entry) {
    if (entry < 1 || entry > menu.count) return false;
    ModeBars& bars = m_zerin.bars;
    std::string reason;
    ShortcutTarget target{bars.desktopFolder, bars.programPath, m_zerin.programFolder};
    if (writeDesktopShortcut(*m_zerin.fileSystem, menu.entries.element(entry).script, target, reason)) return true;
    m_zerin.output.debugMessage("ERROR in desktop shortcut: " + reason);
    return false;
}

void MenuController::mouseDown() {
    m_zerin.bars.mouseDown = 1;
    m_zerin.bars.moveSum = 0;
}

void MenuController::mouseUp() { m_zerin.bars.mouseDown = 0; }

bool MenuController::dragMove(PopupMenu& menu, int entry, float x, float y) {
    ModeBars& bars = m_zerin.bars;
    if (bars.mouseDown != 1 || entry < 1 || entry > menu.count) return false;
    if (!bars.dragTravelled(x, y)) return false;
    const std::string& script = menu.entries.element(entry).script;
    m_zerin.dragText = std::string(modemsg::kDragPrefix) + ":" + script;
    bars.draggedScript = script;
    return true;
}

bool MenuController::timerTick(PopupMenu& menu, bool foreground) {
    if (foreground) return false;
    menu.count = 0;
    menu.hovered = 0;
    menu.shown = false;
    return true;
}

}  // namespace zerin
