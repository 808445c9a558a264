#include "ui/top_bar.h"

#include <QLabel>
#include <QSlider>

#include "app/program.h"
#include "ui/command_button.h"
#include "ui/key_table.h"
#include "ui/tool_tips.h"
#include "ui/ui_style.h"

namespace zerin::ui {

TopBar::TopBar(Zerin& zerin, ToolTips& tips, QWidget* parent)
    : CommandBarView(zerin, tips, zerin.bars.top, BarId::Top, QStringLiteral("frmTop"), parent) {}

TopBar::Slot& TopBar::slot(std::size_t index) {
    if (index >= m_slots.size()) m_slots.resize(index + 1);
    return m_slots[index];
}

CommandButton* TopBar::button(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_slots.size()) return nullptr;
    return m_slots[static_cast<std::size_t>(index)].button;
}

void TopBar::sync() {
    const auto& elements = m_model.elements();
    for (std::size_t i = 1; i < std::max(elements.size(), m_slots.size()); ++i) {
        Slot& s = slot(i);
        const BarElement* e = i < elements.size() ? &elements[i] : nullptr;
        bool show = e && e->visible;
        BarElementKind kind = e ? e->kind : BarElementKind::Button;
        QWidget* shown = nullptr;
        if (show && kind == BarElementKind::Button) {
            if (!s.button) s.button = newButton(static_cast<int>(i));
            s.button->showElement(*e);
            m_tips.setToolText(s.button, e->tooltip);
            shown = s.button;
        } else if (show && kind == BarElementKind::PositionSlider) {
            if (!s.slider) s.slider = newPositionSlider();
            shown = s.slider;
        } else if (show) {
            if (!s.label) {
                s.label = new QLabel(this);
                s.label->setAlignment(Qt::AlignCenter);
            }
            s.label->setObjectName(kind == BarElementKind::PlayTimeLabel ? QStringLiteral("lblPlayTime")
                                                                        : QStringLiteral("lblMC"));
            s.label->setText(QString::fromStdString(e->caption));
            shown = s.label;
        }
        for (QWidget* w : {static_cast<QWidget*>(s.button), static_cast<QWidget*>(s.label), static_cast<QWidget*>(s.slider)}) {
            if (!w) continue;
            if (w == shown) {
                w->setGeometry(e->x, e->y + 1, e->width, e->height);
                w->show();
            } else {
                w->hide();
            }
        }
    }
}

QSlider* TopBar::newPositionSlider() {
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(QStringLiteral("Slider2"));
    slider->setFocusPolicy(Qt::ClickFocus);
    connect(slider, &QSlider::sliderMoved, this, [this](int value) { showPlayTime(m_position.scroll(value)); });
    connect(slider, &QSlider::valueChanged, this, [this](int value) { m_position.change(value); });
    return slider;
}

void TopBar::showPlayTime(const std::string& text) {
    for (Slot& s : m_slots)
        if (s.label && s.label->objectName() == QLatin1String("lblPlayTime")) s.label->setText(QString::fromStdString(text));
}

void TopBar::onBarKey(int index, int key, int) {
    if (key == vk::kPad4 && index >= 2) focusButton(index - 1);
    else if (key == vk::kPad6 && index < m_model.lastInUse()) focusButton(index + 1);
    else if (key == vk::kPad8) emit focusUp();
    else if (key == vk::kPad2) emit focusDown();
}

}  // namespace zerin::ui
