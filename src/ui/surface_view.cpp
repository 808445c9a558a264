#include "ui/surface_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "commands/output_window.h"
#include "platform/linux/qt_canvas.h"

namespace zerin::ui {

SurfaceView::SurfaceView(OutputWindow& window, QWidget* parent) : QWidget(parent), m_window(window) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfaceView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), Qt::white);
    Surface* s = m_window.surface(0);
    if (!s || !s->image) return;
    if (auto* canvas = dynamic_cast<platform::QtCanvas*>(s->image.get()))
        p.drawImage(event->rect().topLeft(), canvas->image(), event->rect());
}

void SurfaceView::mouseMoveEvent(QMouseEvent* event) {
    m_window.mouseMoved(event->position().x(), event->position().y());
    QWidget::mouseMoveEvent(event);
}

}  // namespace zerin::ui
