// Off-screen bitmaps: made, copied, loaded, saved, blended and painted.
#include <algorithm>
#include <string>

#include "commands/graphics_numbers.h"
#include "commands/output_window.h"
#include "commands/output_window_commands.h"
#include "commands/output_window_messages.h"
#include "core/text.h"
#include "core/zerin.h"
#include "script/arguments.h"
#include "script/value.h"
#include "script/variable_commands.h"
#include "script/variables.h"
#include "script/dispatcher.h"

namespace zerin {

namespace {

using gfx::number;
using gfx::roundedInt;

constexpr std::string_view kCounterName = "bitmapcounter";

// Raster operations as scripts pass them to paintpicture.
constexpr int kSrcCopy = 0xCC0020;
constexpr int kSrcPaint = 0xEE0086;
constexpr int kSrcAnd = 0x8800C6;
constexpr int kSrcInvert = 0x660046;
constexpr int kMergePaint = 0xBB0226;

Composition rasterOperation(int op) {
    switch (op) {
        case kSrcPaint: return Composition::Paint;
        case kSrcAnd: return Composition::And;
        case kSrcInvert: return Composition::Invert;
        case kMergePaint: return Composition::MergePaint;
        case kSrcCopy:
        default: return Composition::Copy;
    }
}

// Paths are native; a relative path is taken in the program's folder.
std::string bitmapPath(Zerin& z, std::string_view arg) {
    std::string path = text::replaceAll(text::trim(arg), "\"", "");
    if (!path.empty() && path.front() != '/') return (z.programFolder / path).string();
    return path;
}

// Keeps a blit's rectangle within reach of any surface; beyond it nothing is visible.
int extent(double x) {
    int v = roundedInt(x);
    return std::clamp(v, -4 * OutputWindow::kMaxSurfaceSide, 4 * OutputWindow::kMaxSurfaceSide);
}

// bitmap.create [bitmap number] -> the new bitmap number, or the index of the given one
std::string doBitmapCreate(Zerin& z, CommandCall& c) {
    OutputWindow& w = z.outputWindow;
    w.open();
    int n = roundedInt(val(c.arg));
    if (n != 0) {
        int index = w.indexOfTag(n);
        return std::to_string(index < 0 ? 0 : index);
    }
    const std::string* counter = c.locals.find(kCounterName);
    if (!counter) counter = z.publicVars.find(kCounterName);
    n = roundedInt(val(counter ? *counter : std::string()) + 1);
    doSet(z, std::string(kCounterName) + " " + std::to_string(n), c.locals);
    w.createBitmap(n);
    return std::to_string(n);
}

// bitmap.copy target-number source-number -> ""
std::string doBitmapCopy(Zerin& z, CommandCall& c) {
    OutputWindow& w = z.outputWindow;
    w.open();
    std::string_view rest;
    std::string_view first = text::firstWord(text::trimLeft(c.arg), &rest);
    Surface* target = w.surface(w.indexOfTag(roundedInt(val(first))));
    Surface* source = w.surface(w.indexOfTag(roundedInt(val(text::firstWord(text::trimLeft(rest))))));
    if (!target || !source || !target->image || !source->image) return {};
    int width = target->image->width(), height = target->image->height();
    target->image->draw(0, 0, width, height, *source->image, 0, 0, width, height, Composition::Copy);
    w.surfaceDrawn(w.indexOfTag(roundedInt(val(first))));
    return {};
}

// bitmap.load [surface index] path -> ""
std::string doBitmapLoad(Zerin& z, CommandCall& c) {
    OutputWindow& w = z.outputWindow;
    w.open();
    std::string_view arg = text::trimLeft(c.arg);
    std::string_view rest;
    std::string_view first = text::firstWord(arg, &rest);
    int index = 0;
    if (val(first) > 0) {
        index = roundedInt(val(first));
        arg = rest;
    }
    Surface* s = w.ensureSurface(index);
    if (!s) return {};
    std::string path = bitmapPath(z, arg);
    std::unique_ptr<Canvas> picture = w.loadPicture(path);
    if (!picture) {
        z.output.debugMessage(std::string(outmsg::kBitmapLoadFailed) + path);
        return {};
    }
    // The picture becomes the surface's background, as drawing over a loaded picture expects.
    if (s->image)
        s->image->draw(0, 0, picture->width(), picture->height(), *picture, 0, 0, picture->width(),
                       picture->height(), Composition::Copy);
    s->picture = std::move(picture);
    w.surfaceDrawn(index);
    return {};
}

// bitmap.save surface-index path -> "" : a .bmp file
std::string doBitmapSave(Zerin& z, CommandCall& c) {
    OutputWindow& w = z.outputWindow;
    w.open();
    std::string_view rest;
    std::string_view first = text::firstWord(text::trimLeft(c.arg), &rest);
    Surface* s = w.surface(roundedInt(val(first)));
    if (!s || !s->image) return {};
    std::string path = bitmapPath(z, rest);
    if (!s->image->saveBmp(path)) z.output.debugMessage(std::string(outmsg::kBitmapSaveFailed) + path);
    return {};
}

// bitmap.width / bitmap.height surface-index -> the loaded picture's size, Str format
std::string doBitmapSize(Zerin& z, CommandCall& c, bool width) {
    OutputWindow& w = z.outputWindow;
    if (!w.isOpen()) return {};
    Surface* s = w.surface(roundedInt(val(c.arg)));
    int size = 0;
    if (s && s->picture) size = width ? s->picture->width() : s->picture->height();
    return strFormat(std::int64_t{size});
}

// alphablend d dx dy dw dh s sx sy sw sh alpha -> ""
std::string doAlphaBlend(Zerin& z, CommandCall& c) {
    std::vector<double> n = numericArguments(z, c.arg, c.locals);
    OutputWindow& w = z.outputWindow;
    w.open();
    int d = 0, s = 0;
    if (n.empty() || !gfx::int16Value(number(n, 0), d) || !gfx::int16Value(number(n, 5), s)) return {};
    Surface* target = w.surface(d);
    Surface* source = w.surface(s);
    if (!target || !source || !target->image || !source->image) return {};
    int alpha = std::clamp(roundedInt(number(n, 10)), 0, 255);
    target->image->draw(extent(number(n, 1)), extent(number(n, 2)), extent(number(n, 3)), extent(number(n, 4)),
                        *source->image, extent(number(n, 6)), extent(number(n, 7)), extent(number(n, 8)),
                        extent(number(n, 9)), Composition::SourceOver, alpha);
    w.surfaceDrawn(d);
    return {};
}

// paintpicture t s x1 y1 w1 h1 x2 y2 w2 h2 op -> ""
std::string doPaintPicture(Zerin& z, CommandCall& c) {
    std::vector<double> n = numericArguments(z, c.arg, c.locals);
    if (n.empty()) return {};
    z.output.debugMessage(outmsg::kPaintPictureHeader);
    for (std::size_t i = 0; i < n.size(); ++i)
        z.output.debugMessage(std::string(outmsg::kPaintPictureValue) + std::to_string(i + 1) + ") = " +
                              strFormat(n[i]));
    OutputWindow& w = z.outputWindow;
    w.open();
    Surface* target = w.surface(roundedInt(number(n, 0)));
    Surface* source = w.surface(roundedInt(number(n, 1)));
    if (!target || !source || !target->image || !source->picture) return {};
    const Canvas& picture = *source->picture;
    // Sizes the list leaves out mean the whole picture.
    int w1 = n.size() > 4 ? extent(n[4]) : picture.width();
    int h1 = n.size() > 5 ? extent(n[5]) : picture.height();
    int w2 = n.size() > 8 ? extent(n[8]) : picture.width();
    int h2 = n.size() > 9 ? extent(n[9]) : picture.height();
    target->image->draw(extent(number(n, 2)), extent(number(n, 3)), w1, h1, picture, extent(number(n, 6)),
                        extent(number(n, 7)), w2, h2, rasterOperation(roundedInt(number(n, 10))));
    w.surfaceDrawn(roundedInt(number(n, 0)));
    return {};
}

}  // namespace

void registerBitmapCommands(Zerin& zerin) {
    Zerin& z = zerin;
    Dispatcher& d = zerin.dispatcher;
    d.registerHandler(Cmd::BitmapCreate, [&z](CommandCall& c) { return doBitmapCreate(z, c); });
    d.registerHandler(Cmd::BitmapCopy, [&z](CommandCall& c) { return doBitmapCopy(z, c); });
    d.registerHandler(Cmd::BitmapLoad, [&z](CommandCall& c) { return doBitmapLoad(z, c); });
    d.registerHandler(Cmd::BitmapSave, [&z](CommandCall& c) { return doBitmapSave(z, c); });
    d.registerHandler(Cmd::BitmapWidth, [&z](CommandCall& c) { return doBitmapSize(z, c, true); });
    d.registerHandler(Cmd::BitmapHeight, [&z](CommandCall& c) { return doBitmapSize(z, c, false); });
    d.registerHandler(Cmd::Alphablend, [&z](CommandCall& c) { return doAlphaBlend(z, c); });
    d.registerHandler(Cmd::Paintpicture, [&z](CommandCall& c) { return doPaintPicture(z, c); });
}

}  // namespace zerin
