// frmRight: the vertical command buttons that RefreshBar chose for the selection. A
// program dropped on the bar becomes a new command that starts it.
#pragma once

#include <QFrame>
#include <vector>

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class CommandButton;
class ToolTips;

class RightBar : public QFrame {
    Q_OBJECT
public:
    RightBar(Zerin& zerin, ToolTips& tips, QWidget* parent = nullptr);
    ~RightBar() override;

    // Places the buttons from the model down the bar, each as wide as the bar.
    void sync();
    CommandButton* button(int index) const;
    void focusButton(int index);

signals:
    void focusSizeHandle();
    void focusList(int pane);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void onBarKey(int index, int key, int shift);

    Zerin& m_zerin;
    ToolTips& m_tips;
    std::vector<CommandButton*> m_buttons;
};

}  // namespace zerin::ui
