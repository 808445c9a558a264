#include "raster_canvas.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "core/text.h"

namespace zerin::test {

RasterCanvas::RasterCanvas(int width, int height, Colour background)
    : m_width(width), m_height(height), m_pixels(static_cast<std::size_t>(width) * height, background) {}

void RasterCanvas::resize(int width, int height, Colour background) {
    std::vector<Colour> pixels(static_cast<std::size_t>(width) * height, background);
    for (int y = 0; y < std::min(height, m_height); ++y)
        for (int x = 0; x < std::min(width, m_width); ++x)
            pixels[static_cast<std::size_t>(y) * width + x] = m_pixels[static_cast<std::size_t>(y) * m_width + x];
    m_pixels = std::move(pixels);
    m_width = width;
    m_height = height;
}

void RasterCanvas::clear(Colour colour) {
    std::fill(m_pixels.begin(), m_pixels.end(), colour);
    texts.clear();
}

void RasterCanvas::line(int x1, int y1, int x2, int y2, Colour colour, int) {
    int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    for (int guard = 0; guard < 4'000'000; ++guard) {
        setPixel(x1, y1, colour);
        if (x1 == x2 && y1 == y2) break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += sy;
        }
    }
}

void RasterCanvas::rect(int x1, int y1, int x2, int y2, Colour outline, int penWidth, Fill fill) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (fill.style == FillStyle::Solid) fillRect(x1, y1, x2, y2, fill.colour);
    line(x1, y1, x2, y1, outline, penWidth);
    line(x2, y1, x2, y2, outline, penWidth);
    line(x2, y2, x1, y2, outline, penWidth);
    line(x1, y2, x1, y1, outline, penWidth);
}

void RasterCanvas::fillRect(int x1, int y1, int x2, int y2, Colour colour) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, m_width - 1);
    y2 = std::min(y2, m_height - 1);
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) m_pixels[static_cast<std::size_t>(y) * m_width + x] = colour;
}

void RasterCanvas::circle(int cx, int cy, int radius, Colour outline, int, Fill fill) {
    if (radius < 0) radius = -radius;
    long long r2 = static_cast<long long>(radius) * radius;
    for (int y = std::max(cy - radius, 0); y <= std::min(cy + radius, m_height - 1); ++y) {
        for (int x = std::max(cx - radius, 0); x <= std::min(cx + radius, m_width - 1); ++x) {
            long long d = static_cast<long long>(x - cx) * (x - cx) + static_cast<long long>(y - cy) * (y - cy);
            if (d > r2) continue;
            bool edge = d > static_cast<long long>(radius - 1) * (radius - 1);
            if (edge) setPixel(x, y, outline);
            else if (fill.style == FillStyle::Solid) setPixel(x, y, fill.colour);
        }
    }
}

void RasterCanvas::setPixel(int x, int y, Colour colour) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    m_pixels[static_cast<std::size_t>(y) * m_width + x] = colour & 0xFFFFFF;
}

std::optional<Colour> RasterCanvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return std::nullopt;
    return m_pixels[static_cast<std::size_t>(y) * m_width + x];
}

int RasterCanvas::text(int x, int y, std::string_view utf8, Colour colour) {
    texts.push_back({x, y, std::string(utf8), colour});
    return kLineHeight;
}

namespace {
Colour combine(Colour src, Colour dst, Composition op, int alpha) {
    switch (op) {
        case Composition::Copy: return src;
        case Composition::Paint: return src | dst;
        case Composition::And: return src & dst;
        case Composition::Invert: return (src ^ dst) & 0xFFFFFF;
        case Composition::MergePaint: return (~src | dst) & 0xFFFFFF;
        case Composition::SourceOver: {
            auto mix = [alpha](int s, int d) { return (s * alpha + d * (255 - alpha) + 127) / 255; };
            return rgbColour(mix(red(src), red(dst)), mix(green(src), green(dst)), mix(blue(src), blue(dst)));
        }
    }
    return src;
}
}  // namespace

void RasterCanvas::draw(int dx, int dy, int dw, int dh, const Canvas& source, int sx, int sy, int sw, int sh,
                        Composition op, int alpha) {
    const auto* src = dynamic_cast<const RasterCanvas*>(&source);
    if (!src || dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    std::vector<Colour> copy = src->m_pixels;  // the source may be this canvas
    for (int y = std::max(0, dy); y < std::min(m_height, dy + dh); ++y) {
        for (int x = std::max(0, dx); x < std::min(m_width, dx + dw); ++x) {
            int px = sx + static_cast<int>(static_cast<long long>(x - dx) * sw / dw);
            int py = sy + static_cast<int>(static_cast<long long>(y - dy) * sh / dh);
            if (px < 0 || py < 0 || px >= src->m_width || py >= src->m_height) continue;
            Colour& d = m_pixels[static_cast<std::size_t>(y) * m_width + x];
            d = combine(copy[static_cast<std::size_t>(py) * src->m_width + px], d, op, alpha);
        }
    }
}

bool RasterCanvas::saveBmp(const std::string& path) const {
    std::ofstream out(path, std::ios::binary);
    if (!out) return false;
    out << "RASTER " << m_width << ' ' << m_height << '\n';
    for (Colour c : m_pixels) out << c << '\n';
    return static_cast<bool>(out);
}

std::unique_ptr<Canvas> RasterCanvasFactory::create(int width, int height, Colour background) {
    ++created;
    largestSide = std::max({largestSide, width, height});
    return std::make_unique<RasterCanvas>(width, height, background);
}

std::unique_ptr<Canvas> RasterCanvasFactory::load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int w = 0, h = 0;
    if (!(in >> magic >> w >> h) || magic != "RASTER" || w <= 0 || h <= 0) return nullptr;
    auto canvas = std::make_unique<RasterCanvas>(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Colour c = 0;
            in >> c;
            canvas->setPixel(x, y, c);
        }
    return canvas;
}

FakeWindowList::Window* FakeWindowList::find(WindowHandle h) {
    for (Window& w : windows)
        if (w.handle == h) return &w;
    return nullptr;
}

std::vector<TopLevelWindow> FakeWindowList::topLevelWindows() {
    std::vector<TopLevelWindow> out;
    for (const Window& w : windows) out.push_back({w.handle, w.title, w.visible});
    return out;
}

WindowIcon FakeWindowList::icon(WindowHandle h, int) {
    Window* w = find(h);
    return w ? w->icon : WindowIcon{};
}

WindowHandle FakeWindowList::findByTitle(std::string_view part) {
    std::string wanted = text::lower(part);
    for (const Window& w : windows)
        if (!w.title.empty() && text::lower(w.title).find(wanted) != std::string::npos) return w.handle;
    return 0;
}

bool FakeWindowList::move(WindowHandle h, int x, int y, int width, int height) {
    Window* w = find(h);
    if (!w) return false;
    w->x = x;
    w->y = y;
    w->width = width;
    w->height = height;
    return true;
}

bool FakeWindowList::setFocus(WindowHandle h) {
    Window* w = find(h);
    if (!w) return false;
    w->minimised = false;
    active = h;
    return true;
}

}  // namespace zerin::test
