// frmTop: shows the top bar model (mode buttons, the current mode's commands and the
// legacy labels and sliders) at the places ModeCommandsLoad gave them.
#pragma once

#include <QFrame>
#include <vector>

#include "modes/command_bar.h"

class QLabel;
class QSlider;

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class CommandButton;
class ToolTips;

class TopBar : public QFrame {
    Q_OBJECT
public:
    TopBar(Zerin& zerin, ToolTips& tips, QWidget* parent = nullptr);
    ~TopBar() override;

    // Redraws every element from the model.
    void sync();
    CommandButton* button(int index) const;
    void focusButton(int index);

signals:
    // Keypad 8 and keypad 2 on a button: the focus leaves the bar.
    void focusUp();
    void focusDown();

private:
    struct Slot {
        CommandButton* button = nullptr;
        QLabel* label = nullptr;
        QSlider* slider = nullptr;
    };
    void onBarKey(int index, int key, int shift);
    Slot& slot(std::size_t index);

    Zerin& m_zerin;
    ToolTips& m_tips;
    std::vector<Slot> m_slots;
};

}  // namespace zerin::ui
