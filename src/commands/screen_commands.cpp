// The mouse cursor and other applications' windows.
#include <string>

#include "commands/graphics_numbers.h"
#include "commands/output_window.h"
#include "commands/output_window_commands.h"
#include "commands/output_window_messages.h"
#include "core/text.h"
#include "core/zerin.h"
#include "platform/windows.h"
#include "script/arguments.h"
#include "script/value.h"
#include "platform/platform.h"
#include "script/dispatcher.h"

namespace zerin {

namespace {

// Surrounding quotes removed, as do_trimquotes does.
std::string_view withoutQuotes(std::string_view s) {
    s = text::trim(s);
    if (!s.empty() && s.front() == '"') {
        s.remove_prefix(1);
        if (!s.empty() && s.back() == '"') s.remove_suffix(1);
    }
    return s;
}

WindowHandle findByTitle(Zerin& z, std::string_view title) {
    WindowList* windows = z.outputWindow.windowList();
    std::string_view part = withoutQuotes(title);
    if (!windows || part.empty()) return 0;
    return windows->findByTitle(part);
}

WindowHandle handleOf(double x) {
    return x > 0 && x < 1.8e19 ? static_cast<WindowHandle>(x) : 0;
}

// mouse.x / mouse.y [pixels] -> the cursor position now in force, Str format
std::string doMouse(Zerin& z, CommandCall& c, bool horizontal) {
    KeyState& keys = z.platform.keys;
    std::vector<double> n = numericArguments(z, c.arg, c.locals, 1);
    if (!n.empty()) {
        Point p = keys.cursorPos();
        (horizontal ? p.x : p.y) = gfx::roundedInt(n[0]);
        keys.setCursorPos(p);
    }
    Point p = keys.cursorPos();
    return strFormat(std::int64_t{horizontal ? p.x : p.y});
}

// window.move handle-or-title x y width height -> ""
std::string doWindowMove(Zerin& z, CommandCall& c) {
    std::string_view rest;
    std::string_view first = text::firstWord(text::trimLeft(c.arg), &rest);
    std::vector<double> n = numericArguments(z, rest, c.locals, 4);
    if (n.empty()) return {};
    if (n.size() < 4) {
        z.output.debugMessage(outmsg::kMoveNotEnough);
        return {};
    }
    bool isHandle = !first.empty() && first.front() >= '0' && first.front() <= '9';
    WindowHandle window = isHandle ? handleOf(val(first)) : findByTitle(z, first);
    if (window != 0 && z.outputWindow.windowList())
        z.outputWindow.windowList()->move(window, gfx::roundedInt(n[0]), gfx::roundedInt(n[1]),
                                          gfx::roundedInt(n[2]), gfx::roundedInt(n[3]));
    return {};
}

// window.setfocus handle or "title" -> ""
std::string doWindowSetFocus(Zerin& z, CommandCall& c) {
    WindowHandle window = c.arg.find('"') != std::string_view::npos ? findByTitle(z, c.arg) : handleOf(val(c.arg));
    if (window != 0 && z.outputWindow.windowList()) z.outputWindow.windowList()->setFocus(window);
    return {};
}

}  // namespace

void registerScreenCommands(Zerin& zerin) {
    Zerin& z = zerin;
    Dispatcher& d = zerin.dispatcher;
    d.registerHandler(Cmd::MouseX, [&z](CommandCall& c) { return doMouse(z, c, true); });
    d.registerHandler(Cmd::MouseY, [&z](CommandCall& c) { return doMouse(z, c, false); });
    // mouse.button -> 1 for the left button plus 2 for the right one, Str format
    d.registerHandler(Cmd::MouseButton, [&z](CommandCall&) { return strFormat(std::int64_t{z.platform.keys.mouseButtons() & 3}); });
    d.registerHandler(Cmd::WindowMove, [&z](CommandCall& c) { return doWindowMove(z, c); });
    d.registerHandler(Cmd::WindowSetfocus, [&z](CommandCall& c) { return doWindowSetFocus(z, c); });
}

}  // namespace zerin
