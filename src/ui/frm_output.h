// frmOutput: the output window on screen, a separate top-most window. Text mode shows
// txtOutput and the script-made buttons, graphics mode shows drawing surface 0. It owns
// the drawing and window services the model uses while it exists, and reports the
// user's clicks, typing and closing to the model.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "commands/output_window_host.h"
#include "platform/linux/qt_canvas.h"
#include "platform/linux/x11_window_list.h"

class QPushButton;

namespace zerin {
class Zerin;
class OutputWindow;
}  // namespace zerin

namespace zerin::ui {

class OutputTextView;
class SurfaceView;

class FrmOutput : public QWidget, public OutputWindowHost {
    Q_OBJECT
public:
    explicit FrmOutput(Zerin& zerin);
    ~FrmOutput() override;

    OutputTextView* textView() { return m_text; }
    SurfaceView* surfaceView() { return m_surface; }
    // The on-screen buttons, element 0 first (hidden while no button is in use); brought
    // up to date first when the model's buttons changed in this event-loop turn.
    const std::vector<QPushButton*>& buttonWidgets();

    // OutputWindowHost
    void showWindow(std::string_view caption) override;
    void closeWindow() override;
    void setCaption(std::string_view caption) override;
    void modeChanged() override;
    void buttonsChanged() override;
    void surfaceChanged() override;
    void repaintNow() override;
    void focusText() override;
    WindowRect frame() override;
    WindowRect client() override;
    void moveTo(int x, int y) override;
    void resizeFrame(int width, int height) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void relayout();
    void waitUntilMapped();
    void syncButtons();
    void syncButtonsLater();

    Zerin& m_zerin;
    OutputWindow& m_window;
    platform::QtCanvasFactory m_canvases;
    platform::X11WindowList m_windows;
    OutputTextView* m_text = nullptr;
    SurfaceView* m_surface = nullptr;
    std::vector<QPushButton*> m_buttons;
    // What each widget was last given, so that a sync touches only what changed.
    struct Shown {
        std::string caption;
        int fontSize = 0;
    };
    std::vector<Shown> m_shown;
    bool m_syncPending = false;
    bool m_closingByModel = false;
    bool m_raising = false;
    bool m_awaitingMap = false;  // shown, not yet known to be on the screen
};

}  // namespace zerin::ui
