// cmdSize: the handle at the top of the right column. A click shows or hides the right
// bar, a drag with the left button moves the split between the work area and the panes,
// the right button opens the "clock" menu, and its caption is the clock.
#pragma once

#include <QPushButton>

class QTimer;

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class SizeHandle : public QPushButton {
    Q_OBJECT
public:
    static constexpr int kClockIntervalMs = 1000;
    static constexpr int kDragThreshold = 4;

    explicit SizeHandle(Zerin& zerin, QWidget* parent = nullptr);

    // One clock tick: the time, the date at the third tick, the weekday at the sixth.
    void tick();
    void setBusy(bool busy) { m_busy = busy; }

signals:
    void toggleRightBar();
    // The pointer's vertical travel since the drag began, in pixels.
    void splitDragged(int deltaY);
    void splitDragStarted();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Zerin& m_zerin;
    QTimer* m_timer;
    int m_ticks = 0;
    bool m_busy = false;
    bool m_pressed = false;
    bool m_dragging = false;
    int m_pressY = 0;
};

}  // namespace zerin::ui
