// What the logic asks of the main window. The Qt front-end implements it; a command-line
// run and the unit tests use the do-nothing defaults.
#pragma once

#include <cstdint>
#include <string_view>

namespace zerin {

class UiHost {
public:
    virtual ~UiHost() = default;
    // do.refresh and the other full refreshes: re-run the window's layout.
    virtual void refreshLayout() {}
    // The font size setting changed: every element that shows text takes it, then the
    // window's resize runs.
    virtual void fontSizeChanged() {}
    // do.titlebar: returns false when the window could not change.
    virtual bool showTitleBar(bool show) { (void)show; return true; }
    virtual bool titleBarShown() const { return true; }
    // wait.input.text: the output window's text box takes the keyboard focus.
    virtual void focusOutputText() {}
    // The mode command button whose command is `command` gets this background colour.
    virtual void setModeButtonColour(std::string_view command, std::uint32_t colour) {
        (void)command;
        (void)colour;
    }
    // The window background colour goes to every list, bar, pane, editor and the viewer.
    virtual void setWindowBackground(std::uint32_t colour) { (void)colour; }
};

}  // namespace zerin
