#include "platform/linux/qt_canvas.h"
#include "platform/linux/qt_strings.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace zerin::platform {

namespace {

constexpr int kTextPointSize = 10;

QRect corners(int x1, int y1, int x2, int y2) { return QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized(); }

Qt::BrushStyle brushStyle(FillStyle style) {
    switch (style) {
        case FillStyle::Solid: return Qt::SolidPattern;
        case FillStyle::Cross: return Qt::CrossPattern;
        case FillStyle::DiagonalCross: return Qt::DiagCrossPattern;
        case FillStyle::Transparent: break;
    }
    return Qt::NoBrush;
}

QPainter::CompositionMode compositionMode(Composition op) {
    switch (op) {
        case Composition::Copy: return QPainter::CompositionMode_Source;
        case Composition::Paint: return QPainter::RasterOp_SourceOrDestination;
        case Composition::And: return QPainter::RasterOp_SourceAndDestination;
        case Composition::Invert: return QPainter::RasterOp_SourceXorDestination;
        case Composition::MergePaint: return QPainter::RasterOp_NotSourceOrDestination;
        case Composition::SourceOver: break;
    }
    return QPainter::CompositionMode_SourceOver;
}

// Square ends and exact pixels, as scripts expect to read back what they drew.
QPen pen(Colour colour, int width) {
    QPen p(QtCanvas::toQColor(colour), std::max(1, width), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    return p;
}

}  // namespace

QColor QtCanvas::toQColor(Colour c) { return QColor(red(c), green(c), blue(c)); }

Colour QtCanvas::fromQColor(QRgb rgb) { return rgbColour(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

void QtCanvas::resize(int width, int height, Colour background) {
    QImage next(width, height, QImage::Format_RGB32);
    if (next.isNull()) return;
    next.fill(toQColor(background));
    QPainter p(&next);
    p.drawImage(0, 0, m_image);
    p.end();
    m_image = std::move(next);
}

void QtCanvas::clear(Colour colour) { m_image.fill(toQColor(colour)); }

void QtCanvas::line(int x1, int y1, int x2, int y2, Colour colour, int penWidth) {
    QPainter p(&m_image);
    p.setPen(pen(colour, penWidth));
    p.drawLine(x1, y1, x2, y2);
}

void QtCanvas::rect(int x1, int y1, int x2, int y2, Colour outline, int penWidth, Fill fill) {
    QPainter p(&m_image);
    p.setPen(pen(outline, penWidth));
    p.setBrush(QBrush(toQColor(fill.colour), brushStyle(fill.style)));
    QRect r = corners(x1, y1, x2, y2);
    // drawRect covers one pixel more than the rectangle's size; corner to corner is wanted.
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

void QtCanvas::fillRect(int x1, int y1, int x2, int y2, Colour colour) {
    QPainter p(&m_image);
    p.fillRect(corners(x1, y1, x2, y2), toQColor(colour));
}

void QtCanvas::circle(int cx, int cy, int radius, Colour outline, int penWidth, Fill fill) {
    QPainter p(&m_image);
    p.setPen(pen(outline, penWidth));
    p.setBrush(QBrush(toQColor(fill.colour), brushStyle(fill.style)));
    radius = std::abs(radius);
    p.drawEllipse(QPoint(cx, cy), radius, radius);
}

void QtCanvas::setPixel(int x, int y, Colour colour) {
    if (!m_image.valid(x, y)) return;
    m_image.setPixel(x, y, toQColor(colour).rgb());
}

std::optional<Colour> QtCanvas::pixel(int x, int y) const {
    if (!m_image.valid(x, y)) return std::nullopt;
    return fromQColor(m_image.pixel(x, y));
}

int QtCanvas::text(int x, int y, std::string_view utf8, Colour colour) {
    QFont font(QStringLiteral("Sans Serif"), kTextPointSize);
    font.setStyleHint(QFont::SansSerif);
    QPainter p(&m_image);
    p.setFont(font);
    p.setPen(toQColor(colour));
    QFontMetrics metrics(font);
    p.drawText(x, y + metrics.ascent(), toQString(utf8));
    return metrics.height();
}

void QtCanvas::draw(int dx, int dy, int dw, int dh, const Canvas& source, int sx, int sy, int sw, int sh,
                    Composition op, int alpha) {
    const auto* src = dynamic_cast<const QtCanvas*>(&source);
    if (!src || dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    // Drawing a surface onto itself needs its own copy of the pixels.
    QImage copy = src == this ? m_image.copy(QRect(sx, sy, sw, sh)) : QImage();
    QPainter p(&m_image);
    p.setCompositionMode(compositionMode(op));
    if (op == Composition::SourceOver) p.setOpacity(std::clamp(alpha, 0, 255) / 255.0);
    if (src == this) p.drawImage(QRect(dx, dy, dw, dh), copy, QRect(0, 0, sw, sh));
    else p.drawImage(QRect(dx, dy, dw, dh), src->m_image, QRect(sx, sy, sw, sh));
}

bool QtCanvas::saveBmp(const std::string& path) const {
    return m_image.save(QString::fromStdString(path), "BMP");
}

std::unique_ptr<Canvas> QtCanvasFactory::create(int width, int height, Colour background) {
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return nullptr;
    image.fill(QtCanvas::toQColor(background));
    return std::make_unique<QtCanvas>(std::move(image));
}

std::unique_ptr<Canvas> QtCanvasFactory::load(const std::string& path) {
    QImage image(QString::fromStdString(path));
    if (image.isNull()) return nullptr;
    return std::make_unique<QtCanvas>(image.convertToFormat(QImage::Format_RGB32));
}

}  // namespace zerin::platform
