#include "ui/right_bar.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "app/program.h"
#include "modes/bar_builder.h"
#include "modes/command_runner.h"
#include "ui/command_button.h"
#include "ui/key_table.h"
#include "ui/tool_tips.h"
#include "ui/ui_style.h"
#include "platform/linux/qt_strings.h"

namespace zerin::ui {

namespace {
constexpr int kGap = 2;
}

RightBar::RightBar(Zerin& zerin, ToolTips& tips, QWidget* parent)
    : CommandBarView(zerin, tips, zerin.bars.right, BarId::Right, QStringLiteral("frmRight"), parent) {
    setAcceptDrops(true);
}

CommandButton* RightBar::button(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_buttons.size()) return nullptr;
    return m_buttons[static_cast<std::size_t>(index)];
}

void RightBar::sync() {
    const auto& elements = m_model.elements();
    while (m_buttons.size() < elements.size()) {
        CommandButton* b = newButton(static_cast<int>(m_buttons.size()));
        m_buttons.push_back(b);
        if (m_buttons.size() == 2) m_tips.addTool(b, "");  // the first action button's entry
    }
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        CommandButton* b = m_buttons[i];
        if (i >= elements.size() || !elements[i].visible) {
            b->hide();
            continue;
        }
        const BarElement& e = elements[i];
        b->showElement(e);
        m_tips.setToolText(b, e.tooltip);
        int top = e.y + kGap * static_cast<int>(i);
        b->setGeometry(kGap, top, width() - 2 * kGap, e.height);
        b->show();
    }
}

void RightBar::resizeEvent(QResizeEvent* event) {
    CommandBarView::resizeEvent(event);
    sync();
}

void RightBar::onBarKey(int index, int key, int) {
    if (key == vk::kPad8) focusButton(index - 1);
    else if (key == vk::kPad2) {
        if (index < m_model.lastInUse()) focusButton(index + 1);
        else emit focusSizeHandle();
    } else if (key == vk::kPad4) emit focusList(0);
    else if (key == vk::kPad6) emit focusList(1);
}

void RightBar::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void RightBar::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths.push_back(toFileName(url.toLocalFile()));
    if (CommandRunner(m_zerin).dropOnRightBar(paths)) BarBuilder(m_zerin).RefreshBar();
    event->acceptProposedAction();
}

}  // namespace zerin::ui
