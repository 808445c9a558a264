#include "ui/command_bar_view.h"

#include "ui/command_button.h"
#include "ui/ui_style.h"

namespace zerin::ui {

CommandBarView::CommandBarView(Zerin& zerin, ToolTips& tips, CommandBar& model, BarId id, const QString& objectName,
                               QWidget* parent)
    : QFrame(parent), m_zerin(zerin), m_tips(tips), m_model(model), m_id(id) {
    setObjectName(objectName);
    setStyleSheet(QStringLiteral("#%1 { background: %2; }").arg(objectName, QString::fromLatin1(kPanelColour)));
    m_model.onChanged = [this] { sync(); };
}

CommandBarView::~CommandBarView() { m_model.onChanged = nullptr; }

void CommandBarView::focusButton(int index) {
    if (CommandButton* b = button(index); b && b->isVisible()) b->setFocus(Qt::OtherFocusReason);
}

CommandButton* CommandBarView::newButton(int index) {
    auto* b = new CommandButton(m_zerin, m_id, index, this);
    connect(b, &CommandButton::barKey, this, [this](int i, int key, int shift) { onBarKey(i, key, shift); });
    return b;
}

}  // namespace zerin::ui
