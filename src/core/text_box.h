// A multi-line text control as the logic sees it: text, selection and caret. The debug
// pane, the code editor, the output window's text and the hidden script buffers are all
// TextBoxes; Qt widgets only display them. Offsets are byte offsets into the UTF-8 text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zerin {

class TextBox {
public:
    // One edit: `removed` bytes at `start` were replaced by `inserted`. A full reset is
    // reported with `reset` set.
    struct Change {
        std::size_t start = 0;
        std::size_t removed = 0;
        std::string_view inserted;
        bool reset = false;
    };
    struct Observer {
        std::function<void(const Change&)> textChanged;
        std::function<void()> selectionChanged;
    };

    TextBox() = default;
    TextBox(const TextBox&) = delete;
    TextBox& operator=(const TextBox&) = delete;

    const std::string& text() const { return m_text; }
    std::size_t length() const { return m_text.size(); }
    // Counts every change of the text, the user's own edits included, so that what was
    // read from it can be known to be current.
    std::uint64_t revision() const { return m_revision; }
    void setText(std::string text);
    void clear() { setText({}); }

    std::size_t selStart() const { return m_selStart; }
    std::size_t selLength() const { return m_selLength; }
    std::string_view selectedText() const;
    // Clamps to the text.
    void select(std::size_t start, std::size_t length);
    void moveCaretToEnd() { select(m_text.size(), 0); }

    // Replaces the selection; the caret then stands after the inserted text.
    void replaceSelection(std::string_view inserted);
    // Moves the caret to the end and inserts there.
    void append(std::string_view inserted);
    // Inserts after the current selection; the inserted text becomes the selection.
    void insertAfterSelection(std::string_view inserted);
    // Removes bytes [start, start+count), keeping the selection where it can.
    void erase(std::size_t start, std::size_t count);

    // The view updates itself from these; hidden buffers have none and pay nothing.
    int addObserver(Observer observer);
    void removeObserver(int id);

    // Set by the view when the user edits the text, so that the model follows without
    // echoing the change back.
    void applyUserEdit(std::size_t start, std::size_t removed, std::string_view inserted);
    void applyUserSelection(std::size_t start, std::size_t length);

private:
    void replaceRange(std::size_t start, std::size_t removed, std::string_view inserted, bool notify);
    void notifyText(const Change& change);
    void notifySelection();

    std::string m_text;
    std::uint64_t m_revision = 0;
    std::size_t m_selStart = 0;
    std::size_t m_selLength = 0;
    std::vector<std::pair<int, Observer>> m_observers;
    int m_nextObserverId = 1;
};

}  // namespace zerin
