#include "commands/output_window_commands.h"

#include <algorithm>
#include <exception>

#include "commands/graphics_numbers.h"
#include "commands/output_window.h"
#include "commands/output_window_messages.h"
#include "core/text.h"
#include "core/zerin.h"
#include "script/arguments.h"
#include "script/value.h"
#include "platform/platform.h"
#include "script/dispatcher.h"
#include "script/run_state.h"

namespace zerin {

void registerOutputWindowCommands(Zerin& zerin) {
    registerOutputFrameCommands(zerin);
    registerDrawingCommands(zerin);
    registerBitmapCommands(zerin);
    registerColourCommands(zerin);
    registerScreenCommands(zerin);
}

ButtonSpec parseButtonArgument(Zerin& zerin, std::string_view arg) {
    ButtonSpec parsed;
    std::string_view rest = arg;
    while (!text::trimLeft(rest).empty() && text::trimLeft(rest).front() == '/') {
        std::string_view trimmed = text::trimLeft(rest);
        std::string_view word = text::firstWord(trimmed);
        std::size_t eq = word.find('=');
        std::string key = text::lower(word.substr(1, eq == std::string_view::npos ? word.npos : eq - 1));
        std::string_view value = eq == std::string_view::npos ? std::string_view{} : word.substr(eq + 1);
        if (key == "name") parsed.name = std::string(value);
        else zerin.output.print(std::string(outmsg::kUnknownButtonParameter) + key);
        // Only the word is cut off; its separating blank stays for the caption rule.
        rest = trimmed.substr(std::min(word.size(), trimmed.size()));
    }
    std::string_view left = text::trimLeft(rest);
    std::string_view right = text::trimRight(rest);
    if (!left.empty() && left.front() == '"' && !right.empty() && right.back() == '"' && text::trim(rest).size() >= 2) {
        std::string_view inner = text::trim(rest);
        parsed.caption = std::string(text::trim(inner.substr(1, inner.size() - 2)));
    } else {
        parsed.caption = std::string(!rest.empty() && rest.front() == ' ' ? rest.substr(1) : rest);
    }
    if (parsed.name.empty()) parsed.name = parsed.caption;
    return parsed;
}

namespace {

// window title | close -> ""
std::string doWindow(Zerin& z, std::string_view arg) {
    OutputWindow& w = z.outputWindow;
    try {
        w.setMode(OutputMode::Text);
        if (text::lower(text::trim(arg)) == "close") {
            if (w.isOpen()) {
                z.run.inputText.clear();
                w.close();
            }
            return {};
        }
        if (w.isOpen()) {
            w.setCaption(std::string(arg));
            w.host().modeChanged();
        } else {
            w.setTitle(std::string(arg));
            z.run.inputText.clear();
            w.open();
        }
    } catch (const std::exception&) {
        z.output.print(outmsg::kWindowError);
    }
    return {};
}

// gfx.open title -> ""
std::string doGfxOpen(Zerin& z, std::string_view arg) {
    OutputWindow& w = z.outputWindow;
    try {
        z.run.inputText.clear();
        w.setMode(OutputMode::Graphics);
        if (w.isOpen()) {
            w.setTitle(std::string(arg));
            w.setCaption(std::string(arg));
            w.removeAllButtons();
        } else {
            w.setTitle(std::string(arg));
            w.open();
        }
        w.host().modeChanged();
    } catch (const std::exception&) {
        z.output.print(outmsg::kGfxOpenError);
    }
    return {};
}

// window.title [title] -> the caption when no title is given
std::string doWindowTitle(Zerin& z, std::string_view arg) {
    if (text::trim(arg).empty()) return z.outputWindow.caption();
    z.outputWindow.setCaption(std::string(arg));
    return {};
}

// button [/name=value] caption -> ""
std::string doOutputButtonAdd(Zerin& z, std::string_view arg) {
    ButtonSpec parsed = parseButtonArgument(z, arg);
    z.outputWindow.open();
    z.outputWindow.addButton(std::move(parsed.caption), std::move(parsed.name));
    return {};
}

// button.remove all -> ""
std::string doButtonRemove(Zerin& z, std::string_view arg) {
    if (text::lower(text::trim(arg)) == "all") z.outputWindow.removeAllButtons();
    return {};
}

// button.color colour -> "" : the colour of the mode button whose script runs
std::string doButtonColor(Zerin& z, std::string_view arg) {
    std::string cleaned = text::replaceAll(arg, "\r\n", "");
    double colour = val(hexColour(z, text::trim(cleaned)));
    if (colour >= 0 && z.outputWindow.onRunningButtonColour)
        z.outputWindow.onRunningButtonColour(gfx::colourOf(colour));
    return {};
}

enum class Edge { Left, Top, Width, Height };

// window.left / window.top / window.width / window.height [pixels] -> the position or client size
std::string doWindowGeometry(Zerin& z, CommandCall& c, Edge edge) {
    OutputWindow& w = z.outputWindow;
    if (!w.isOpen()) return {};
    OutputWindowHost& host = w.host();
    std::vector<double> n = numericArguments(z, c.arg, c.locals, 1);
    if (!n.empty()) {
        int v = gfx::roundedInt(n[0]);
        WindowRect f = host.frame();
        switch (edge) {
            case Edge::Left: host.moveTo(v, f.y); break;
            case Edge::Top: host.moveTo(f.x, v); break;
            case Edge::Width: host.resizeFrame(v, f.height); break;
            case Edge::Height: host.resizeFrame(f.width, v); break;
        }
        if (edge == Edge::Width || edge == Edge::Height) z.platform.pump.processEvents();
    }
    switch (edge) {
        case Edge::Left: return strFormat(std::int64_t{host.frame().x});
        case Edge::Top: return strFormat(std::int64_t{host.frame().y});
        case Edge::Width: return std::to_string(host.client().width);
        case Edge::Height: return std::to_string(host.client().height);
    }
    return {};
}

}  // namespace

void registerOutputFrameCommands(Zerin& zerin) {
    Zerin& z = zerin;
    Dispatcher& d = zerin.dispatcher;
    d.registerHandler(Cmd::Window, [&z](CommandCall& c) { return doWindow(z, c.arg); });
    d.registerHandler(Cmd::GfxOpen, [&z](CommandCall& c) { return doGfxOpen(z, c.arg); });
    d.registerHandler(Cmd::WindowTitle, [&z](CommandCall& c) { return doWindowTitle(z, c.arg); });
    d.registerHandler(Cmd::Button, [&z](CommandCall& c) { return doOutputButtonAdd(z, c.arg); });
    d.registerHandler(Cmd::ButtonRemove, [&z](CommandCall& c) { return doButtonRemove(z, c.arg); });
    d.registerHandler(Cmd::ButtonColor, [&z](CommandCall& c) { return doButtonColor(z, c.arg); });
    d.registerHandler(Cmd::WindowLeft, [&z](CommandCall& c) { return doWindowGeometry(z, c, Edge::Left); });
    d.registerHandler(Cmd::WindowTop, [&z](CommandCall& c) { return doWindowGeometry(z, c, Edge::Top); });
    d.registerHandler(Cmd::WindowWidth, [&z](CommandCall& c) { return doWindowGeometry(z, c, Edge::Width); });
    d.registerHandler(Cmd::WindowHeight, [&z](CommandCall& c) { return doWindowGeometry(z, c, Edge::Height); });
    // client.left / client.top -> the screen position of the client area
    d.registerHandler(Cmd::ClientLeft, [&z](CommandCall&) {
        if (!z.outputWindow.isOpen()) return std::string();
        return strFormat(std::int64_t{z.outputWindow.host().client().x});
    });
    d.registerHandler(Cmd::ClientTop, [&z](CommandCall&) {
        if (!z.outputWindow.isOpen()) return std::string();
        return strFormat(std::int64_t{z.outputWindow.host().client().y});
    });
}

}  // namespace zerin
