// frmOutput as the logic sees it: the window's state that lives between openings, its
// buttons, its drawing surfaces, and the events that hand answers to a waiting script.
// The Qt window only shows this model and reports the user's actions to it.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "commands/output_window_host.h"
#include "core/text_box.h"
#include "platform/canvas.h"

namespace zerin {

class Zerin;
class WindowList;

enum class OutputMode { Text, Graphics };

struct OutputButton {
    std::string caption;
    std::string name;  // what a click hands to the waiting script
    WindowRect rect;   // client coordinates
    bool visible = false;
};

// One drawing surface: surface 0 is the visible one, the others are off-screen bitmaps.
struct Surface {
    std::unique_ptr<Canvas> image;    // the persistent image all drawing goes into
    std::unique_ptr<Canvas> picture;  // set by bitmap.load
    int tag = 0;                      // the bitmap number; surface 0 answers to 0
    Colour foreColour = 0;
    Colour fillColour = 0;
    Colour backColour = 0xFFFFFF;
    FillStyle fillStyle = FillStyle::Transparent;
    int drawWidth = 1;
    int currentX = 0;
    int currentY = 0;
};

// What the window knows when it lays itself out.
struct LayoutInput {
    int clientWidth = 0;
    int clientHeight = 0;
    int frameHeight = 0;
    int screenHeight = 0;
    bool minimised = false;
    bool maximised = false;
};

struct OutputLayout {
    bool applied = false;     // false while minimised
    WindowRect textBox;
    WindowRect surface;
    int raiseHeightTo = 0;    // non-zero: the window was lower than allowed
};

class OutputWindow {
public:
    static constexpr int kMinHeight = 150;
    // Surfaces never grow past this on a side; a larger request is clamped with a debug line.
    static constexpr int kMaxSurfaceSide = 8192;

    explicit OutputWindow(Zerin& zerin);
    OutputWindow(const OutputWindow&) = delete;
    OutputWindow& operator=(const OutputWindow&) = delete;

    TextBox txtOutput;

    // button.color: colours the mode command button whose script is running. The mode
    // command bars set this; until then the colour goes nowhere.
    std::function<void(Colour)> onRunningButtonColour;

    // Services; nullptr restores the headless defaults.
    void setHost(OutputWindowHost* host) { m_host = host ? host : &m_headless; }
    OutputWindowHost& host() { return *m_host; }
    void setCanvasFactory(CanvasFactory* factory) { m_canvases = factory; }
    void setWindowList(WindowList* windows) { m_windows = windows; }
    WindowList* windowList() { return m_windows; }

    bool isOpen() const { return m_open; }
    const std::string& title() const { return m_title; }
    void setTitle(std::string title) { m_title = std::move(title); }
    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption);
    OutputMode mode() const { return m_mode; }
    void setMode(OutputMode mode);

    // The opening steps; nothing when already open.
    void open();
    // Both closing steps (window close and the user's close): the waiting script gets
    // "WINDOW.CLOSED", buttons and bitmaps are forgotten.
    void close();

    // --- buttons (element 0 always exists) ---
    void addButton(std::string caption, std::string name);
    void removeAllButtons();
    // Laid out first when buttons were added since the last layout.
    const std::vector<OutputButton>& buttons() {
        placePendingButtons();
        return m_buttons;
    }
    int buttonCount() const { return m_buttonCount; }
    void buttonClicked(std::size_t index);

    // --- layout, on every resize ---
    OutputLayout layout(const LayoutInput& in);
    const OutputLayout& lastLayout() const { return m_layout; }

    // --- typed answers ---
    // Enter while waiting for text input: the characters after the input line start
    // become the input text.
    void takeTypedLine();

    // --- surfaces ---
    int surfaceCount() const { return static_cast<int>(m_surfaces.size()); }
    // nullptr when there is no such surface.
    Surface* surface(int index);
    // A new off-screen bitmap as large as surface 0; its index.
    int createBitmap(int tag);
    // bitmap.load: an index beyond the last creates surfaces up to it.
    Surface* ensureSurface(int index);
    // The index of the surface tagged `tag` (surface 0 answers to 0); -1 when none.
    int indexOfTag(int tag) const;
    // Makes or replaces a surface's image; clamps the size with a debug line.
    bool makeImage(Surface& s, int width, int height);
    // Drawing went into surface `index`: the view repaints when it shows it.
    void surfaceDrawn(int index);
    std::unique_ptr<Canvas> loadPicture(const std::string& path);

    // --- mouse over surface 0 ---
    void mouseMoved(double x, double y) {
        m_mouseX = x;
        m_mouseY = y;
    }
    double lastMouseX() const { return m_mouseX; }
    double lastMouseY() const { return m_mouseY; }

private:
    void layoutButtons(int clientWidth);
    void measureLastButton();
    void placeButtons(int clientWidth);
    void placePendingButtons();
    void clampSize(int& width, int& height);

    Zerin& m_zerin;
    HeadlessOutputWindowHost m_headless;
    OutputWindowHost* m_host = &m_headless;
    CanvasFactory* m_canvases = nullptr;
    WindowList* m_windows = nullptr;

    bool m_open = false;
    std::string m_title;
    std::string m_caption;
    OutputMode m_mode = OutputMode::Text;
    std::vector<OutputButton> m_buttons;
    int m_buttonCount = 0;
    // Every added button moves all the others (each one's slot is its share of the total
    // width), so a run of additions is placed once, when the buttons are next looked at,
    // at the width of the last addition.
    bool m_placementPending = false;
    int m_pendingWidth = 0;
    std::vector<Surface> m_surfaces;
    OutputLayout m_layout;
    double m_mouseX = 0;
    double m_mouseY = 0;
};

}  // namespace zerin
