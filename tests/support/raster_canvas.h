// An in-memory drawing surface for headless tests: exact pixels, no anti-aliasing, text
// recorded rather than rendered. Saved files are a tiny private format the factory reads.
#pragma once

#include <string>
#include <vector>

#include "commands/output_window_host.h"
#include "platform/canvas.h"
#include "platform/windows.h"

namespace zerin::test {

class RasterCanvas : public Canvas {
public:
    RasterCanvas(int width, int height, Colour background);

    int width() const override { return m_width; }
    int height() const override { return m_height; }
    void resize(int width, int height, Colour background) override;
    void clear(Colour colour) override;
    void line(int x1, int y1, int x2, int y2, Colour colour, int penWidth) override;
    void rect(int x1, int y1, int x2, int y2, Colour outline, int penWidth, Fill fill) override;
    void fillRect(int x1, int y1, int x2, int y2, Colour colour) override;
    void circle(int cx, int cy, int radius, Colour outline, int penWidth, Fill fill) override;
    void setPixel(int x, int y, Colour colour) override;
    std::optional<Colour> pixel(int x, int y) const override;
    int text(int x, int y, std::string_view utf8, Colour colour) override;
    void draw(int dx, int dy, int dw, int dh, const Canvas& source, int sx, int sy, int sw, int sh, Composition op,
              int alpha) override;
    bool saveBmp(const std::string& path) const override;

    struct Text {
        int x, y;
        std::string text;
        Colour colour;
    };
    std::vector<Text> texts;
    static constexpr int kLineHeight = 16;

private:
    int m_width;
    int m_height;
    std::vector<Colour> m_pixels;
};

class RasterCanvasFactory : public CanvasFactory {
public:
    std::unique_ptr<Canvas> create(int width, int height, Colour background) override;
    std::unique_ptr<Canvas> load(const std::string& path) override;
    int created = 0;
    int largestSide = 0;
};

// The headless host with a record of what the model asked of the window.
class FakeOutputWindowHost : public HeadlessOutputWindowHost {
public:
    void showWindow(std::string_view caption) override {
        ++shows;
        shownCaption = std::string(caption);
    }
    void closeWindow() override { ++closes; }
    void setCaption(std::string_view caption) override { shownCaption = std::string(caption); }
    void surfaceChanged() override { ++surfaceChanges; }
    void repaintNow() override { ++repaints; }
    int shows = 0;
    int closes = 0;
    int surfaceChanges = 0;
    int repaints = 0;
    std::string shownCaption;
};

class FakeWindowList : public WindowList {
public:
    struct Window {
        WindowHandle handle;
        std::string title;
        int x = 0, y = 0, width = 0, height = 0;
        bool minimised = false;
        bool visible = true;
        WindowIcon icon;
    };
    bool available() override { return true; }
    std::vector<TopLevelWindow> topLevelWindows() override;
    WindowIcon icon(WindowHandle window, int size) override;
    WindowHandle findByTitle(std::string_view part) override;
    bool move(WindowHandle window, int x, int y, int width, int height) override;
    bool setFocus(WindowHandle window) override;
    std::vector<Window> windows;
    WindowHandle active = 0;

private:
    Window* find(WindowHandle h);
};

}  // namespace zerin::test
