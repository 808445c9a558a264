// The drawing commands of surface 0. A drawing command that cannot do its step (no
// surface, a value out of range) skips it and goes on; nothing a script writes here may
// stop the program.
#include <cmath>
#include <string>

#include "commands/graphics_numbers.h"
#include "commands/output_window.h"
#include "commands/output_window_commands.h"
#include "commands/output_window_messages.h"
#include "core/text.h"
#include "core/zerin.h"
#include "script/arguments.h"
#include "script/value.h"
#include "script/dispatcher.h"

namespace zerin {

namespace {

using gfx::colourOf;
using gfx::coordinate;
using gfx::number;

// Drawing opens the window when it is closed.
Surface* surfaceZero(Zerin& z) {
    z.outputWindow.open();
    return z.outputWindow.surface(0);
}

Canvas* canvasZero(Zerin& z) {
    Surface* s = surfaceZero(z);
    return s ? s->image.get() : nullptr;
}

enum class Shape { Line, Box, Bar };

// line | box | bar x1 y1 x2 y2 [colour] -> ""
std::string doShape(Zerin& z, CommandCall& c, Shape shape) {
    std::vector<double> n = numericArguments(z, c.arg, c.locals);
    Surface* s = surfaceZero(z);
    if (n.empty() || !s || !s->image) return {};
    int y2 = 0;
    if (!gfx::int16Value(std::floor(number(n, 3)), y2)) return {};
    int x1 = coordinate(number(n, 0)), y1 = coordinate(number(n, 1)), x2 = coordinate(number(n, 2));
    Colour colour = n.size() >= 5 ? colourOf(n[4]) : s->foreColour;
    switch (shape) {
        case Shape::Line: s->image->line(x1, y1, x2, y2, colour, s->drawWidth); break;
        case Shape::Box:
            s->image->rect(x1, y1, x2, y2, colour, s->drawWidth, Fill{s->fillStyle, s->fillColour});
            break;
        case Shape::Bar: s->image->fillRect(x1, y1, x2, y2, colour); break;
    }
    z.outputWindow.surfaceDrawn(0);
    return {};
}

// circle | circlef x y radius [colour] -> ""
std::string doCircle(Zerin& z, CommandCall& c, bool filled) {
    std::vector<double> n = numericArguments(z, c.arg, c.locals);
    Surface* s = surfaceZero(z);
    if (n.empty() || !s || !s->image) return {};
    int radius = 0;
    if (!gfx::int16Value(number(n, 2), radius)) {
        z.output.debugMessage(std::string(outmsg::kRadiusTooLarge) + formatNumber(number(n, 2)));
        return {};
    }
    Colour colour = n.size() >= 4 ? colourOf(n[3]) : s->foreColour;
    if (filled) {
        s->fillStyle = FillStyle::Solid;
        s->fillColour = colour;
    }
    s->image->circle(coordinate(number(n, 0)), coordinate(number(n, 1)), radius, colour, s->drawWidth,
                     Fill{s->fillStyle, s->fillColour});
    z.outputWindow.surfaceDrawn(0);
    return {};
}

// pset x y [colour] -> ""
std::string doPset(Zerin& z, CommandCall& c) {
    std::vector<double> n = numericArguments(z, c.arg, c.locals);
    Surface* s = surfaceZero(z);
    if (n.empty() || !s || !s->image) return {};
    Colour colour = n.size() >= 3 ? colourOf(n[2]) : s->foreColour;
    s->image->setPixel(coordinate(number(n, 0)), coordinate(number(n, 1)), colour);
    z.outputWindow.surfaceDrawn(0);
    return {};
}

// point x y -> the pixel's colour in Str format, -1 outside
std::string doPoint(Zerin& z, CommandCall& c) {
    std::vector<double> n = numericArguments(z, c.arg, c.locals);
    Canvas* canvas = canvasZero(z);
    if (!canvas) return strFormat(std::int64_t{-1});
    std::optional<Colour> p = canvas->pixel(coordinate(number(n, 0)), coordinate(number(n, 1)));
    return strFormat(p ? std::int64_t{*p} : std::int64_t{-1});
}

// gfx.print x y text -> ""
std::string doGfxPrint(Zerin& z, CommandCall& c) {
    std::string_view rest;
    std::string_view xWord = text::firstWord(text::trimLeft(c.arg), &rest);
    std::string_view after;
    std::string_view yWord = text::firstWord(text::trimLeft(rest), &after);
    std::string numbers = std::string(xWord) + " " + std::string(yWord);
    std::vector<double> n = numericArguments(z, numbers, c.locals, 2);
    Surface* s = surfaceZero(z);
    if (!s || !s->image) return {};
    int y = 0;
    if (!gfx::int16Value(number(n, 1), y)) return {};
    s->currentX = coordinate(number(n, 0));
    s->currentY = y;
    int lineHeight = s->image->text(s->currentX, s->currentY, text::trimLeft(after), s->foreColour);
    // The line end: the next print starts on the line below, at the left edge.
    s->currentX = 0;
    s->currentY += lineHeight;
    z.outputWindow.surfaceDrawn(0);
    return {};
}

// gfx.drawwidth n -> ""
std::string doDrawWidth(Zerin& z, CommandCall& c) {
    int width = 0;
    Surface* s = surfaceZero(z);
    // A width below 1 is refused, as the platform refuses it.
    if (s && gfx::int16Value(val(text::trim(c.arg)), width) && width >= 1) s->drawWidth = width;
    return {};
}

// cls [colour [surface index]] -> ""
std::string doCls(Zerin& z, CommandCall& c) {
    if (!z.outputWindow.isOpen()) return {};
    std::vector<double> n = numericArguments(z, c.arg, c.locals);
    if (n.empty()) {
        if (Surface* s = z.outputWindow.surface(0); s && s->image) {
            s->image->clear(s->backColour);
            s->currentX = 0;
            s->currentY = 0;
        }
        z.outputWindow.surfaceDrawn(0);
        return {};
    }
    int index = 0;
    if (n.size() >= 2 && !gfx::int16Value(n[1], index)) return {};
    Surface* s = z.outputWindow.surface(index);
    if (!s || !s->image) return {};
    s->fillColour = colourOf(n[0]);
    s->image->fillRect(0, 0, s->image->width(), s->image->height(), s->fillColour);
    z.outputWindow.surfaceDrawn(index);
    return {};
}

// forecolor [colour] -> the fore colour in hexadecimal
std::string doForeColor(Zerin& z, CommandCall& c) {
    Surface* s = surfaceZero(z);
    std::string_view arg = text::trimLeft(c.arg);
    if (!text::trim(arg).empty()) {
        double colour = text::istartsWith(arg, "&h") ? val(hexColour(z, arg))
                                                     : number(numericArguments(z, arg, c.locals), 0);
        colour = roundHalfEven(colour);
        if (s && colour >= 0) s->foreColour = colourOf(colour);
    }
    return gfx::hexText(s ? s->foreColour : 0);
}

// fillcolor [colour] -> the fill colour in hexadecimal when none is given
std::string doFillColor(Zerin& z, CommandCall& c) {
    Surface* s = z.outputWindow.isOpen() ? z.outputWindow.surface(0) : nullptr;
    if (!s) return {};
    std::vector<double> n = numericArguments(z, c.arg, c.locals);
    if (n.empty()) return gfx::hexText(s->fillColour);
    s->fillColour = colourOf(n[0]);
    return {};
}

// fillstyle [solid|true|transparent|false|cross|diagonalcross] -> see below
std::string doFillStyle(Zerin& z, CommandCall& c) {
    Surface* s = surfaceZero(z);
    if (!s) return {};
    std::string word = text::lower(text::trim(c.arg));
    if (word.empty()) return s->fillStyle == FillStyle::Solid ? "true" : "false";
    if (word == "true" || word == "solid") {
        s->fillStyle = FillStyle::Solid;
        return "solid";
    }
    if (word == "false" || word == "transparent") {
        s->fillStyle = FillStyle::Transparent;
        return "false";
    }
    if (word == "cross") s->fillStyle = FillStyle::Cross;
    else if (word == "diagonalcross") s->fillStyle = FillStyle::DiagonalCross;
    return {};
}

}  // namespace

void registerDrawingCommands(Zerin& zerin) {
    Zerin& z = zerin;
    Dispatcher& d = zerin.dispatcher;
    d.registerHandler(Cmd::Line, [&z](CommandCall& c) { return doShape(z, c, Shape::Line); });
    d.registerHandler(Cmd::Box, [&z](CommandCall& c) { return doShape(z, c, Shape::Box); });
    d.registerHandler(Cmd::Bar, [&z](CommandCall& c) { return doShape(z, c, Shape::Bar); });
    d.registerHandler(Cmd::Circle, [&z](CommandCall& c) { return doCircle(z, c, false); });
    d.registerHandler(Cmd::Circlef, [&z](CommandCall& c) { return doCircle(z, c, true); });
    d.registerHandler(Cmd::Pset, [&z](CommandCall& c) { return doPset(z, c); });
    d.registerHandler(Cmd::Point, [&z](CommandCall& c) { return doPoint(z, c); });
    d.registerHandler(Cmd::GfxPrint, [&z](CommandCall& c) { return doGfxPrint(z, c); });
    d.registerHandler(Cmd::GfxDrawwidth, [&z](CommandCall& c) { return doDrawWidth(z, c); });
    d.registerHandler(Cmd::Cls, [&z](CommandCall& c) { return doCls(z, c); });
    d.registerHandler(Cmd::Forecolor, [&z](CommandCall& c) { return doForeColor(z, c); });
    d.registerHandler(Cmd::Fillcolor, [&z](CommandCall& c) { return doFillColor(z, c); });
    d.registerHandler(Cmd::Fillstyle, [&z](CommandCall& c) { return doFillStyle(z, c); });
    // gfx.refresh -> "" : repaint surface 0 from its persistent image
    d.registerHandler(Cmd::GfxRefresh, [&z](CommandCall&) {
        if (z.outputWindow.isOpen()) z.outputWindow.host().repaintNow();
        return std::string();
    });
    // gfx.mouse.x / gfx.mouse.y -> the last mouse position over surface 0, Str format
    d.registerHandler(Cmd::GfxMouseX, [&z](CommandCall&) { return strFormat(z.outputWindow.lastMouseX()); });
    d.registerHandler(Cmd::GfxMouseY, [&z](CommandCall&) { return strFormat(z.outputWindow.lastMouseY()); });
}

}  // namespace zerin
