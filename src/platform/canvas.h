// Drawing surfaces. The output window draws into persistent images; the logic sees them
// through this interface so that it runs, and is tested, without a GUI. Colours are the
// platform order 0x00BBGGRR everywhere on this side; an implementation converts once,
// where it hands a colour to its drawing library.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zerin {

using Colour = std::uint32_t;  // 0x00BBGGRR: red in the low byte

inline constexpr int red(Colour c) { return static_cast<int>(c & 0xFF); }
inline constexpr int green(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int blue(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }
inline constexpr Colour rgbColour(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

enum class FillStyle { Solid, Transparent, Cross, DiagonalCross };

// How a block of pixels is put onto a surface. The first five are the raster operations
// scripts ask for by number; SourceOver is constant-alpha blending.
enum class Composition { Copy, Paint, And, Invert, MergePaint, SourceOver };

struct Fill {
    FillStyle style = FillStyle::Transparent;
    Colour colour = 0;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;
    // Keeps what fits of the old pixels; new area gets `background`.
    virtual void resize(int width, int height, Colour background) = 0;

    virtual void clear(Colour colour) = 0;
    virtual void line(int x1, int y1, int x2, int y2, Colour colour, int penWidth) = 0;
    // An outline from corner to corner (either order), its interior filled per `fill`.
    virtual void rect(int x1, int y1, int x2, int y2, Colour outline, int penWidth, Fill fill) = 0;
    // Corner to corner, inclusive, filled solid with the colour.
    virtual void fillRect(int x1, int y1, int x2, int y2, Colour colour) = 0;
    virtual void circle(int cx, int cy, int radius, Colour outline, int penWidth, Fill fill) = 0;
    virtual void setPixel(int x, int y, Colour colour) = 0;
    // nullopt outside the surface.
    virtual std::optional<Colour> pixel(int x, int y) const = 0;
    // Draws one line of text with its top-left at (x, y); returns the line height.
    virtual int text(int x, int y, std::string_view utf8, Colour colour) = 0;

    // Puts (sx, sy, sw, sh) of `source` onto (dx, dy, dw, dh), scaling when the sizes differ.
    // `alpha` (0-255) only counts for SourceOver. A source of another implementation is
    // ignored.
    virtual void draw(int dx, int dy, int dw, int dh, const Canvas& source, int sx, int sy, int sw, int sh,
                      Composition op, int alpha = 255) = 0;

    // Writes a BMP file; false when it cannot.
    virtual bool saveBmp(const std::string& path) const = 0;
};

class CanvasFactory {
public:
    virtual ~CanvasFactory() = default;
    // nullptr when the surface cannot be made (the caller keeps sizes sane beforehand).
    virtual std::unique_ptr<Canvas> create(int width, int height, Colour background) = 0;
    // Any picture format the implementation reads; nullptr when unreadable.
    virtual std::unique_ptr<Canvas> load(const std::string& path) = 0;
};

}  // namespace zerin
