#include "core/text_box.h"

#include <algorithm>

namespace zerin {

void TextBox::setText(std::string text) {
    m_text = std::move(text);
    ++m_revision;
    m_selStart = 0;
    m_selLength = 0;
    Change change;
    change.reset = true;
    notifyText(change);
    notifySelection();
}

std::string_view TextBox::selectedText() const {
    return std::string_view(m_text).substr(m_selStart, m_selLength);
}

void TextBox::select(std::size_t start, std::size_t length) {
    start = std::min(start, m_text.size());
    length = std::min(length, m_text.size() - start);
    if (start == m_selStart && length == m_selLength) return;
    m_selStart = start;
    m_selLength = length;
    notifySelection();
}

void TextBox::replaceSelection(std::string_view inserted) {
    std::size_t start = m_selStart;
    replaceRange(start, m_selLength, inserted, true);
    m_selStart = start + inserted.size();
    m_selLength = 0;
    notifySelection();
}

void TextBox::append(std::string_view inserted) {
    std::size_t start = m_text.size();
    replaceRange(start, 0, inserted, true);
    m_selStart = m_text.size();
    m_selLength = 0;
    notifySelection();
}

void TextBox::insertAfterSelection(std::string_view inserted) {
    std::size_t start = m_selStart + m_selLength;
    replaceRange(start, 0, inserted, true);
    m_selStart = start;
    m_selLength = inserted.size();
    notifySelection();
}

void TextBox::erase(std::size_t start, std::size_t count) {
    if (start >= m_text.size()) return;
    count = std::min(count, m_text.size() - start);
    replaceRange(start, count, {}, true);
    auto shift = [&](std::size_t p) {
        if (p <= start) return p;
        if (p >= start + count) return p - count;
        return start;
    };
    std::size_t selEnd = shift(m_selStart + m_selLength);
    m_selStart = shift(m_selStart);
    m_selLength = selEnd - m_selStart;
    notifySelection();
}

void TextBox::applyUserEdit(std::size_t start, std::size_t removed, std::string_view inserted) {
    start = std::min(start, m_text.size());
    removed = std::min(removed, m_text.size() - start);
    replaceRange(start, removed, inserted, false);
    m_selStart = std::min(start + inserted.size(), m_text.size());
    m_selLength = 0;
}

void TextBox::applyUserSelection(std::size_t start, std::size_t length) {
    m_selStart = std::min(start, m_text.size());
    m_selLength = std::min(length, m_text.size() - m_selStart);
}

int TextBox::addObserver(Observer observer) {
    int id = m_nextObserverId++;
    m_observers.emplace_back(id, std::move(observer));
    return id;
}

void TextBox::removeObserver(int id) {
    std::erase_if(m_observers, [id](const auto& p) { return p.first == id; });
}

void TextBox::replaceRange(std::size_t start, std::size_t removed, std::string_view inserted, bool notify) {
    // `inserted` may point into m_text itself; copy before mutating.
    std::string copy(inserted);
    m_text.replace(start, removed, copy);
    ++m_revision;
    if (notify) {
        Change change;
        change.start = start;
        change.removed = removed;
        change.inserted = copy;
        notifyText(change);
    }
}

void TextBox::notifyText(const Change& change) {
    for (auto& [id, obs] : m_observers)
        if (obs.textChanged) obs.textChanged(change);
}

void TextBox::notifySelection() {
    for (auto& [id, obs] : m_observers)
        if (obs.selectionChanged) obs.selectionChanged();
}

}  // namespace zerin
