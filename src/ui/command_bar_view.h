// The shape the top and the right bar share: a panel that shows a command-bar model with
// command buttons, redraws when the model says it changed, and moves the focus between
// its buttons with the keypad (each bar in its own direction).
#pragma once

#include <QFrame>
#include <QString>

#include "modes/command_bar.h"

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class CommandButton;
class ToolTips;

class CommandBarView : public QFrame {
    Q_OBJECT
public:
    ~CommandBarView() override;

    // Redraws every element from the model.
    virtual void sync() = 0;
    virtual CommandButton* button(int index) const = 0;
    // A visible button takes the keyboard focus; a hidden or missing one leaves it.
    void focusButton(int index);

protected:
    CommandBarView(Zerin& zerin, ToolTips& tips, CommandBar& model, BarId id, const QString& objectName,
                   QWidget* parent);
    // A button for element `index`, its keypad keys going to onBarKey.
    CommandButton* newButton(int index);
    virtual void onBarKey(int index, int key, int shift) = 0;

    Zerin& m_zerin;
    ToolTips& m_tips;
    CommandBar& m_model;

private:
    BarId m_id;
};

}  // namespace zerin::ui
