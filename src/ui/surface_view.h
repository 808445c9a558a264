// Drawing surface 0 on screen: shows its persistent image and reports where the mouse is.
#pragma once

#include <QWidget>

namespace zerin {
class OutputWindow;
}

namespace zerin::ui {

class SurfaceView : public QWidget {
    Q_OBJECT
public:
    explicit SurfaceView(OutputWindow& window, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    OutputWindow& m_window;
};

}  // namespace zerin::ui
