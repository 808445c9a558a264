// Colour arithmetic for scripts: brightness and splitting a colour into its channels.
#include <string>

#include "commands/graphics_numbers.h"
#include "commands/output_window_commands.h"
#include "core/colours.h"
#include "core/text.h"
#include "core/zerin.h"
#include "script/arguments.h"
#include "script/value.h"
#include "script/variables.h"
#include "script/dispatcher.h"

namespace zerin {

namespace {

// Stores a channel in the running script's variables, replacing one of the same name.
void storeLocal(Variables& locals, std::string_view name, int value) {
    std::string key = text::lower(name);
    if (key.empty()) return;
    locals.assign(key, std::to_string(value));
    if (!locals.indexed(key)) locals.indexAppend(key);
}

}  // namespace

// The rough colour family of a colour, as gfx.color.splitrgb names it.
std::string colourName(int redValue, int greenValue, int blueValue) {
    const double r = redValue + 1, g = greenValue + 1, b = blueValue + 1;
    if (r / g > 1.5 && r / g < 2 && g / b > 1.3) return "sand";
    if (r / g > 2) {
        if (r / b > 2) return "red";
        if (r / b < 0.5) return "blue";
    }
    if (r / g < 0.5 && g / b > 2) return "green";
    if (r / g >= 0.5 && r / g <= 2 && r / b < 0.5 && g / b < 0.5) return "blue";
    return {};
}

namespace {

// gfx.color.splitrgb colour rname gname bname -> the colour's name or ""
std::string doSplitRgb(Zerin& z, CommandCall& c) {
    std::vector<std::string_view> words = text::split(text::trim(c.arg));
    if (words.empty()) return {};
    std::vector<double> n = numericArguments(z, words[0], c.locals, 1);
    Colour colour = gfx::colourOf(gfx::number(n, 0));
    const std::string_view names[3] = {words.size() > 1 ? words[1] : std::string_view{},
                                       words.size() > 2 ? words[2] : std::string_view{},
                                       words.size() > 3 ? words[3] : std::string_view{}};
    storeLocal(c.locals, names[0], red(colour));
    storeLocal(c.locals, names[1], green(colour));
    storeLocal(c.locals, names[2], blue(colour));
    return colourName(red(colour), green(colour), blue(colour));
}

// gfx.color.brightness colour percent -> the new colour, Str format
std::string doBrightness(Zerin& z, CommandCall& c) {
    std::vector<double> n = numericArguments(z, c.arg, c.locals, 2);
    Colour colour = gfx::colourOf(gfx::number(n, 0));
    int percent = 0;
    if (!gfx::int16Value(gfx::number(n, 1), percent)) return {};
    if (percent < 100) colour = shade(colour, percent);
    else if (percent > 100) colour = brighten(colour, percent);
    return strFormat(std::int64_t{colour});
}

}  // namespace

void registerColourCommands(Zerin& zerin) {
    Zerin& z = zerin;
    zerin.dispatcher.registerHandler(Cmd::GfxColorBrightness, [&z](CommandCall& c) { return doBrightness(z, c); });
    zerin.dispatcher.registerHandler(Cmd::GfxColorSplitrgb, [&z](CommandCall& c) { return doSplitRgb(z, c); });
}

}  // namespace zerin
