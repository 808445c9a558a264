// A QPlainTextEdit that shows a TextBox model and feeds the user's edits back into it.
// The model keeps CR LF line ends and byte offsets; the view shows plain line breaks.
#pragma once

#include <QPlainTextEdit>

#include "core/text_box.h"

namespace zerin::ui {

class TextBoxView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBoxView(TextBox& model, QWidget* parent = nullptr);
    ~TextBoxView() override;

    TextBox& model() { return m_model; }

    // Position conversions between the model's bytes (CR LF = 2) and the view's
    // characters (a line break = 1, UTF-16 units).
    static int viewPosition(const std::string& text, std::size_t byteOffset);
    static std::size_t modelOffset(const std::string& text, int viewPos);

private:
    void applyModelChange(const TextBox::Change& change);
    void applyModelSelection();
    void onContentsChange(int position, int charsRemoved, int charsAdded);
    void onCursorMoved();

    TextBox& m_model;
    int m_observer = 0;
    bool m_syncing = false;
};

}  // namespace zerin::ui
