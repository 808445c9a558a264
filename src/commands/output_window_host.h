// What the output window model asks of its on-screen window. The Qt window frmOutput
// implements it; a run without a display keeps the headless default, which only
// remembers the geometry it is given.
#pragma once

#include <string_view>

namespace zerin {

struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class OutputWindowHost {
public:
    virtual ~OutputWindowHost() = default;
    // Shown not modal and kept above other windows, without moving or resizing it.
    virtual void showWindow(std::string_view caption) = 0;
    // The model has already done its closing steps; this only takes the window away.
    virtual void closeWindow() = 0;
    virtual void setCaption(std::string_view caption) = 0;
    // The mode, the buttons or the drawing surface changed: show them.
    virtual void modeChanged() = 0;
    virtual void buttonsChanged() = 0;
    virtual void surfaceChanged() = 0;
    // gfx.refresh: repaint surface 0 now.
    virtual void repaintNow() = 0;
    // wait.input.text: the text box gets the keyboard focus.
    virtual void focusText() = 0;

    // Screen pixels. frame is the outer window, client the area inside the borders.
    virtual WindowRect frame() = 0;
    virtual WindowRect client() = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void resizeFrame(int width, int height) = 0;
};

// Remembers geometry and does nothing else.
class HeadlessOutputWindowHost : public OutputWindowHost {
public:
    void showWindow(std::string_view) override {}
    void closeWindow() override {}
    void setCaption(std::string_view) override {}
    void modeChanged() override {}
    void buttonsChanged() override {}
    void surfaceChanged() override {}
    void repaintNow() override {}
    void focusText() override {}
    WindowRect frame() override { return m_frame; }
    WindowRect client() override {
        return {m_frame.x + kBorder, m_frame.y + kTitleBar, m_frame.width - 2 * kBorder,
                m_frame.height - kTitleBar - kBorder};
    }
    void moveTo(int x, int y) override {
        m_frame.x = x;
        m_frame.y = y;
    }
    void resizeFrame(int width, int height) override {
        m_frame.width = width;
        m_frame.height = height;
    }

    static constexpr int kBorder = 4;
    static constexpr int kTitleBar = 24;

private:
    WindowRect m_frame{100, 100, 648, 508};
};

}  // namespace zerin
