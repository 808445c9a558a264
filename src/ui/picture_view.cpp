#include "ui/picture_view.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include "media/image_viewer.h"

namespace zerin::ui {

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pbxViewer"));
    setFocusPolicy(Qt::ClickFocus);
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage PictureView::logo() {
    // Drawn dark on white: the viewer paints it inverted, so it shows light on the dark
    // background whatever that background is.
    static const QImage image = [] {
        QImage img(400, 300, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x70, 0x78, 0x88), 6));
        p.drawRoundedRect(QRectF(40, 40, 320, 220), 24, 24);
        QFont f(QStringLiteral("Sans Serif"));
        f.setPixelSize(96);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(0x40, 0x48, 0x58));
        p.drawText(QRect(40, 40, 320, 220), Qt::AlignCenter, QStringLiteral("Zerin"));
        return img;
    }();
    return image;
}

void PictureView::setPicture(const QImage& image, QSize fullSize) {
    m_image = image;
    m_fullSize = fullSize.isValid() ? fullSize : image.size();
}

void PictureView::setShowLogo(bool logo) { m_logo = logo; }

void PictureView::setBackground(const QColor& colour) {
    m_background = colour;
    update();
}

QRect PictureView::drawnRect() const {
    const QSize picture = m_logo ? logo().size() : m_fullSize;
    if (!m_logo && m_image.isNull()) return {};
    const image_viewer::DrawRect r = image_viewer::fit(width(), height(), picture.width(), picture.height());
    // The logo sits at (1, 1); a picture is centred.
    if (m_logo) return {1, 1, r.width, r.height};
    return {r.x, r.y, r.width, r.height};
}

void PictureView::paintEvent(QPaintEvent*) {
    // Drawn into an image first: the logo's raster operation needs a raster surface.
    QImage canvas(size(), QImage::Format_RGB32);
    canvas.fill(m_background);
    const QRect target = drawnRect();
    if (!target.isEmpty()) {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (m_logo) {
            p.setCompositionMode(QPainter::RasterOp_NotSourceOrDestination);
            p.drawImage(target, logo());
        } else {
            p.drawImage(target, m_image);
        }
    }
    QPainter(this).drawImage(0, 0, canvas);
}

void PictureView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    emit enlargeToggled();
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    QWidget* main = window();
    if (event->button() != Qt::LeftButton || (main->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)))
        return;
    m_dragOffset = event->globalPosition().toPoint() - main->pos();
    m_dragging = true;
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging || !(event->buttons() & Qt::LeftButton)) return;
    window()->move(event->globalPosition().toPoint() - m_dragOffset);
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_dragging = false;
}

void PictureView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_PageUp) emit pageUp();
    else if (event->key() == Qt::Key_PageDown) emit pageDown();
    else QWidget::keyPressEvent(event);
}

void PictureView::dragEnterEvent(QDragEnterEvent* event) {
    if (!event->mimeData()->hasUrls()) return;
    event->acceptProposedAction();
    emit dragHover(true);
}

void PictureView::dragLeaveEvent(QDragLeaveEvent*) { emit dragHover(false); }

void PictureView::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    event->acceptProposedAction();
    emit dragHover(false);
    emit filesDropped(paths);
}

}  // namespace zerin::ui
