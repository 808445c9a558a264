// The commands of the output window, its drawing surfaces, bitmaps, colours, the mouse
// and other applications' windows. One registration per file of handlers.
#pragma once

#include <string>
#include <string_view>

namespace zerin {

class Zerin;

void registerOutputWindowCommands(Zerin& zerin);

void registerOutputFrameCommands(Zerin& zerin);  // window, gfx.open, button..., geometry
void registerDrawingCommands(Zerin& zerin);   // line ... fillstyle, gfx.mouse.x/y
void registerBitmapCommands(Zerin& zerin);    // bitmap.*, alphablend, paintpicture
void registerColourCommands(Zerin& zerin);    // gfx.color.brightness, gfx.color.splitrgb
void registerScreenCommands(Zerin& zerin);    // mouse.*, window.move, window.setfocus

// The button's caption and name from `button`'s argument; prints the unknown-switch line
// for every switch but /name.
struct ButtonSpec {
    std::string caption;
    std::string name;
};
ButtonSpec parseButtonArgument(Zerin& zerin, std::string_view arg);

// The rough colour family gfx.color.splitrgb answers ("sand", "red", "green", "blue", "").
std::string colourName(int red, int green, int blue);

}  // namespace zerin
