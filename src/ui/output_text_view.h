// txtOutput on screen: a TextBoxView that, while a script waits for a typed line, keeps
// the caret on the line being typed and hands the line over on Enter.
#pragma once

#include "ui/text_box_view.h"

namespace zerin {
class OutputWindow;
struct RunState;
}  // namespace zerin

namespace zerin::ui {

class OutputTextView : public TextBoxView {
    Q_OBJECT
public:
    OutputTextView(OutputWindow& window, RunState& run, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::size_t caret() const;
    void moveCaretTo(std::size_t offset);
    void caretToLineIfBefore();

    OutputWindow& m_window;
    RunState& m_run;
};

}  // namespace zerin::ui
