#include "modes/command_bar.h"

namespace zerin {

BarElement& CommandBar::element(int index) {
    if (index < 0) index = 0;
    if (static_cast<std::size_t>(index) >= m_elements.size()) m_elements.resize(static_cast<std::size_t>(index) + 1);
    return m_elements[static_cast<std::size_t>(index)];
}

BarElement* CommandBar::find(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_elements.size()) return nullptr;
    return &m_elements[static_cast<std::size_t>(index)];
}

void CommandBar::hideUnused() {
    for (std::size_t i = static_cast<std::size_t>(m_lastInUse) + 1; i < m_elements.size(); ++i) m_elements[i].visible = false;
}

}  // namespace zerin
