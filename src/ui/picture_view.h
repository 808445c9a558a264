// pbxViewer: draws the loaded picture fitted by the viewer's rule, or the logo while the
// image list is empty. A double click asks to enlarge it, the left button held on it
// drags the main window, Page Up and Page Down step through the list, and files dropped
// on it are handed on.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QStringList>
#include <QWidget>

namespace zerin::ui {

class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);

    // The picture and the size the fit rule measures (its own, not the decoded one).
    void setPicture(const QImage& image, QSize fullSize);
    bool hasPicture() const { return !m_image.isNull(); }
    const QImage& picture() const { return m_image; }
    void setShowLogo(bool logo);
    bool showsLogo() const { return m_logo; }
    void setBackground(const QColor& colour);
    // Where the picture (or the logo) is drawn now, in the viewer's pixels.
    QRect drawnRect() const;
    bool dragging() const { return m_dragging; }

    // The program's logo: light lines on white, painted inverted over the background.
    static QImage logo();

signals:
    void enlargeToggled();
    void pageUp();
    void pageDown();
    void filesDropped(const QStringList& paths);
    // Files are dragged over the viewer (true) or left it (false).
    void dragHover(bool over);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QImage m_image;
    QSize m_fullSize;
    bool m_logo = true;
    QColor m_background{Qt::black};
    bool m_dragging = false;
    QPoint m_dragOffset;
};

}  // namespace zerin::ui
