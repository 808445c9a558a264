// frmTop: shows the top bar model (mode buttons, the current mode's commands and the
// legacy labels and sliders) at the places ModeCommandsLoad gave them.
#pragma once

#include <vector>

#include "media/play_position.h"
#include "ui/command_bar_view.h"

class QLabel;
class QSlider;

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class TopBar : public CommandBarView {
    Q_OBJECT
public:
    TopBar(Zerin& zerin, ToolTips& tips, QWidget* parent = nullptr);

    void sync() override;
    CommandButton* button(int index) const override;
    const PlayPosition& playPosition() const { return m_position; }

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
    void onBarKey(int index, int key, int shift) override;
    Slot& slot(std::size_t index);
    QSlider* newPositionSlider();
    void showPlayTime(const std::string& text);

    std::vector<Slot> m_slots;
    PlayPosition m_position;
};

}  // namespace zerin::ui
