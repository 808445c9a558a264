// One button of a command bar (cmdModeCommand or cmdAction): it hands clicks, mouse
// moves for dragging, the right-button release and the bar keys to the command runner.
#pragma once

#include <QPushButton>

#include "modes/command_bar.h"

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(Zerin& zerin, BarId bar, int index, QWidget* parent = nullptr);

    BarId bar() const { return m_bar; }
    int index() const { return m_index; }
    void showElement(const BarElement& element);

signals:
    // A bar key (virtual-key code and shift state) that may move the focus.
    void barKey(int index, int key, int shift);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void onClicked();
    void startDrag();

    Zerin& m_zerin;
    BarId m_bar;
    int m_index;
    Colour m_shownColour = 0xFFFFFFFF;
};

}  // namespace zerin::ui
