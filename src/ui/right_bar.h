// frmRight: the vertical command buttons that RefreshBar chose for the selection. A
// program dropped on the bar becomes a new command that starts it.
#pragma once

#include <vector>

#include "ui/command_bar_view.h"

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class RightBar : public CommandBarView {
    Q_OBJECT
public:
    RightBar(Zerin& zerin, ToolTips& tips, QWidget* parent = nullptr);

    // Places the buttons from the model down the bar, each as wide as the bar.
    void sync() override;
    CommandButton* button(int index) const override;

signals:
    void focusSizeHandle();
    void focusList(int pane);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void onBarKey(int index, int key, int shift) override;

    std::vector<CommandButton*> m_buttons;
};

}  // namespace zerin::ui
