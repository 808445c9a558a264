#include "ui/path_button.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>

#include "app/program.h"
#include "core/colours.h"
#include "panes/path_bar.h"
#include "ui/ui_style.h"

namespace zerin::ui {

namespace {
// Group buttons take file colour 2: brightened when open, shaded when closed.
constexpr int kOpenBrighten = 190;
constexpr int kClosedShade = 90;
}  // namespace

PathButton::PathButton(Zerin& zerin, QWidget* parent) : QPushButton(parent), m_zerin(zerin) {
    setFocusPolicy(Qt::ClickFocus);
    connect(this, &QPushButton::clicked, this, [this] { emit tagClicked(QString::fromStdString(m_tag)); });
}

void PathButton::setButton(const std::string& caption, const std::string& tag, int group, bool isGroup, bool open) {
    m_tag = tag;
    m_group = group;
    setText(QString::fromStdString(caption));
    QFont f = font();
    f.setUnderline(isGroup);
    setFont(f);
    if (isGroup) {
        const Colour base = m_zerin.panes.colours.file(2);
        setStyleSheet(commandButtonStyle(open ? brighten(base, kOpenBrighten) : shade(base, kClosedShade)));
    } else {
        setStyleSheet(QString());
    }
    setProperty("group", isGroup);
    setProperty("open", open);
    QPushButton::show();
}

void PathButton::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    m_pressAt = event->position().toPoint();
    QPushButton::mousePressEvent(event);
}

void PathButton::mouseMoveEvent(QMouseEvent* event) {
    if (!m_pressed || !(event->buttons() & Qt::LeftButton) ||
        (event->position().toPoint() - m_pressAt).manhattanLength() < QApplication::startDragDistance()) {
        QPushButton::mouseMoveEvent(event);
        return;
    }
    m_pressed = false;
    setDown(false);
    m_zerin.dragText = std::string(pathBarText::kDragPrefix) + m_tag;
    auto* drag = new QDrag(this);
    auto* mime = new QMimeData;
    mime->setText(QString::fromStdString(m_zerin.dragText));
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction | Qt::LinkAction);
    // Dropped (the target has read it) or not: the drag is over.
    m_zerin.dragText.clear();
}

}  // namespace zerin::ui
