// frmMain: the program's only permanent window. It wires the regions together, runs the
// resize order that refreshes them, and answers what the logic asks of the window.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "core/ui_host.h"

class QSlider;

namespace zerin {
class Volume;
class Zerin;
struct StartupSteps;
}

namespace zerin::ui {

class BottomBar;
class ImageViewerHost;
class MenuWindows;
class PanesRegion;
class RightBar;
class SizeHandle;
class ToolTips;
class WindowSwitcher;
class TopBar;
class WindowKeys;
class WindowPlacer;
class WorkArea;

class MainWindow : public QMainWindow, public UiHost {
    Q_OBJECT
public:
    static constexpr int kMinWidth = 400;
    static constexpr int kMinHeight = 200;
    static constexpr int kRecoveryFontSize = 10;
    static constexpr int kRecoveryWorkAreaHeight = 300;

    explicit MainWindow(Zerin& zerin, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Asked on every close request; false keeps the window open.
    void setCloseHandler(std::function<bool()> handler) { m_closeHandler = std::move(handler); }

    // Hands start-up the window's own steps: the right bar, the font, the resize and the
    // code editor's tab width.
    void fillStartupSteps(StartupSteps& steps);
    // Shows the window inside the screen's free area, where the user left it last time.
    void showPlaced();

    // The resize order: bars, display mode, regions, in the fixed sequence of steps.
    void runResize();
    // Writes the settings file, then closes the window (through the close dialogue).
    void saveAndQuit();
    void setRightBarShown(bool shown);
    bool rightBarShown() const { return m_rightBarShown; }
    int workAreaHeight() const { return m_workAreaHeight; }
    int innerWidth() const { return m_innerWidth; }
    // The screen position of the client area's top-left corner.
    QPoint clientOrigin() const;
    void setWorkAreaHeight(int height);
    const std::string& progressText() const { return m_progress; }
    // A step that fails (for tests of the recovery): the name of the step to fail in.
    void failInStep(std::string step) { m_failStep = std::move(step); }

    // UiHost
    void refreshLayout() override { runResize(); }
    bool showTitleBar(bool show) override;
    bool titleBarShown() const override;
    void focusOutputText() override;
    void setModeButtonColour(std::string_view command, std::uint32_t colour) override;
    void fontSizeChanged() override;
    void setWindowBackground(std::uint32_t colour) override;

    // Mixer start-up: Slider1 takes the mixer control's range, steps and level. Without a
    // mixer it says so once on the debug pane and moves nothing but itself.
    void openMixer();

    WorkArea* workArea() const { return m_workArea; }
    TopBar* topBar() const { return m_topBar; }
    RightBar* rightBar() const { return m_rightBar; }
    BottomBar* bottomBar() const { return m_bottomBar; }
    PanesRegion* panes() const { return m_panes; }
    SizeHandle* sizeHandle() const { return m_sizeHandle; }
    QSlider* volumeSlider() const { return m_volume; }
    ToolTips* toolTips() const { return m_tips; }
    MenuWindows* menus() const { return m_menus; }
    ImageViewerHost* imageViewer() const { return m_viewer; }
    WindowSwitcher* windowSwitcher() const { return m_switcher; }
    const Volume& volume() const { return *m_volumeLogic; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void resizeSteps();
    void step(std::string_view progress);
    void applyFontSize();
    int rightColumnWidth() const;

    Zerin& m_zerin;
    std::function<bool()> m_closeHandler;
    ToolTips* m_tips;
    QWidget* m_client;
    WorkArea* m_workArea;
    TopBar* m_topBar;
    PanesRegion* m_panes;
    BottomBar* m_bottomBar;
    RightBar* m_rightBar;
    SizeHandle* m_sizeHandle;
    QSlider* m_volume;
    std::unique_ptr<Volume> m_volumeLogic;
    ImageViewerHost* m_viewer;
    WindowSwitcher* m_switcher;
    WindowKeys* m_keys;
    MenuWindows* m_menus;
    WindowPlacer* m_placer;

    std::int16_t m_innerWidth = 0;
    std::int16_t m_innerHeight = 0;
    std::int16_t m_workAreaHeight = 300;
    int m_dragStartHeight = 0;
    bool m_rightBarShown = true;
    bool m_bottomBarShown = true;
    bool m_panesShown = true;
    bool m_inResize = false;
    std::string m_progress;
    std::string m_failStep;
};

}  // namespace zerin::ui
