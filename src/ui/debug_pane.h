// txtDebug: the debug pane, which is also a command line. Enter with the caret at the
// very end runs the last line as a single-line script; Enter anywhere else is a line
// break.
#pragma once

#include "ui/text_box_view.h"

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class DebugPane : public TextBoxView {
    Q_OBJECT
public:
    DebugPane(Zerin& zerin, QWidget* parent = nullptr);

    // The last line of a text: everything after its last CR LF.
    static std::string lastLine(const std::string& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Zerin& m_zerin;
};

}  // namespace zerin::ui
