// Drawing surfaces as QImages. Colours arrive as 0x00BBGGRR and are turned into QColor
// here, and only here.
#pragma once

#include <QImage>

#include "platform/canvas.h"

namespace zerin::platform {

class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QImage image) : m_image(std::move(image)) {}

    const QImage& image() const { return m_image; }

    int width() const override { return m_image.width(); }
    int height() const override { return m_image.height(); }
    void resize(int width, int height, Colour background) override;
    void clear(Colour colour) override;
    void line(int x1, int y1, int x2, int y2, Colour colour, int penWidth) override;
    void rect(int x1, int y1, int x2, int y2, Colour outline, int penWidth, Fill fill) override;
    void fillRect(int x1, int y1, int x2, int y2, Colour colour) override;
    void circle(int cx, int cy, int radius, Colour outline, int penWidth, Fill fill) override;
    void setPixel(int x, int y, Colour colour) override;
    std::optional<Colour> pixel(int x, int y) const override;
    int text(int x, int y, std::string_view utf8, Colour colour) override;
    void draw(int dx, int dy, int dw, int dh, const Canvas& source, int sx, int sy, int sw, int sh, Composition op,
              int alpha) override;
    bool saveBmp(const std::string& path) const override;

    static QColor toQColor(Colour c);
    static Colour fromQColor(QRgb rgb);

private:
    QImage m_image;
};

class QtCanvasFactory : public CanvasFactory {
public:
    std::unique_ptr<Canvas> create(int width, int height, Colour background) override;
    std::unique_ptr<Canvas> load(const std::string& path) override;
};

}  // namespace zerin::platform
