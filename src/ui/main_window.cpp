#include "ui/main_window.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStandardPaths>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <stdexcept>

#include "app/startup.h"
#include "app/program.h"
#include "media/volume.h"
#include "modes/bar_builder.h"
#include "script/variable_commands.h"
#include "ui/bottom_bar.h"
#include "ui/frm_menu.h"
#include "ui/image_viewer_host.h"
#include "ui/picture_view.h"
#include "ui/code_editor.h"
#include "ui/main_window_texts.h"
#include "ui/panes_region.h"
#include "ui/right_bar.h"
#include "ui/size_handle.h"
#include "ui/text_box_view.h"
#include "ui/tool_tips.h"
#include "ui/top_bar.h"
#include "ui/ui_style.h"
#include "ui/window_keys.h"
#include "ui/window_placement.h"
#include "ui/window_placer.h"
#include "ui/window_switcher.h"
#include "ui/work_area.h"
#include "platform/linux/qt_strings.h"

namespace zerin::ui {

namespace {
constexpr int kTopBarPadding = 2;
constexpr int kMinPanesHeight = 40;
}  // namespace

MainWindow::MainWindow(Zerin& zerin, QWidget* parent) : QMainWindow(parent), m_zerin(zerin) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Zerin"));
    setMinimumSize(kMinWidth, kMinHeight);
    m_tips = new ToolTips(this);
    m_tips->create();
    m_tips->setMaxTipWidth(ToolTips::kDefaultMaxTipWidth);
    m_tips->setVisibleTime(ToolTips::kDefaultVisibleMs);

    m_client = new QWidget(this);
    setCentralWidget(m_client);
    m_workArea = new WorkArea(zerin, m_client);
    m_topBar = new TopBar(zerin, *m_tips, m_client);
    m_panes = new PanesRegion(zerin, *m_tips, m_client);
    m_bottomBar = new BottomBar(zerin, m_client);
    m_rightBar = new RightBar(zerin, *m_tips, m_client);
    m_sizeHandle = new SizeHandle(zerin, m_client);
    m_tips->addTool(m_sizeHandle, std::string(texts::kSizeHandleTip));
    m_volume = new QSlider(Qt::Horizontal, m_client);
    m_volume->setObjectName(QStringLiteral("Slider1"));
    m_volume->setRange(0, 65535);
    m_volume->setSingleStep(65535 / 40);
    m_volume->setPageStep(65535 / 10);
    m_volume->setValue(65535 / 2);
    m_volume->setFocusPolicy(Qt::ClickFocus);
    m_volumeLogic = std::make_unique<Volume>(zerin.platform.mixer);
    // Every change and every scroll step sets the volume.
    connect(m_volume, &QSlider::valueChanged, this, [this](int value) { m_volumeLogic->change(value); });

    m_keys = new WindowKeys(*this);
    m_menus = new MenuWindows(zerin, this);

    m_zerin.bars.programPath = toFileName(QCoreApplication::applicationFilePath());
    m_zerin.bars.desktopFolder = toFileName(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));

    connect(m_sizeHandle, &SizeHandle::toggleRightBar, this, [this] { setRightBarShown(!m_rightBarShown); });
    connect(m_sizeHandle, &SizeHandle::splitDragStarted, this, [this] { m_dragStartHeight = m_workAreaHeight; });
    connect(m_sizeHandle, &SizeHandle::splitDragged, this,
            [this](int dy) { setWorkAreaHeight(m_dragStartHeight + dy); });
    connect(m_topBar, &TopBar::focusUp, this, [this] {
        if (QWidget* w = m_workArea->focusTarget(); w && w->isVisible()) w->setFocus(Qt::OtherFocusReason);
    });
    connect(m_topBar, &TopBar::focusDown, m_panes, &PanesRegion::focusSourceParentOrList);
    connect(m_rightBar, &RightBar::focusSizeHandle, this, [this] { m_sizeHandle->setFocus(Qt::OtherFocusReason); });
    connect(m_rightBar, &RightBar::focusList, m_panes, [this](int pane) { m_panes->focusList(m_panesShown ? pane : 0); });
    connect(m_panes, &PanesRegion::selectionChanged, this, [this] { BarBuilder(m_zerin).RefreshBar(); });

    // The saved default background is this window's own: the regions keep their look
    // until the dark background mode gives them another.
    m_zerin.windowBackground = m_zerin.savedBackground = toColour(QColor(QLatin1String(kWindowColour)));
    m_viewer = new ImageViewerHost(zerin, *m_workArea, m_bottomBar, this);
    m_zerin.imageList.view = m_viewer;
    connect(m_viewer, &ImageViewerHost::focusUp, this,
            [this] { m_bottomBar->firstPathButton()->setFocus(Qt::OtherFocusReason); });
    connect(m_viewer, &ImageViewerHost::focusDown, this, [this] { m_topBar->focusButton(1); });
    m_switcher = new WindowSwitcher(zerin, *this);
    m_bottomBar->setSwitcher(m_switcher);

    applyFontSize();
    m_zerin.ui = this;
    m_placer = new WindowPlacer(this, windowPlacementPath(m_zerin.programFolder));
    // The size before the placement is known; showPlaced() puts the window in its place.
    resize(fitClientRect({}, WindowPlacer::kDefaultSize, kAssumedFrame, m_placer->availableArea(), minimumSize()).size());
}

void MainWindow::showPlaced() { m_placer->show(); }

MainWindow::~MainWindow() {
    if (m_zerin.ui == this) m_zerin.ui = &m_zerin.defaultUi;
    if (m_zerin.imageList.view == m_viewer) m_zerin.imageList.view = nullptr;
    // Before the widgets it watches go: their last events must not reach it.
    delete m_viewer;
}

QPoint MainWindow::clientOrigin() const { return m_client->mapToGlobal(QPoint(0, 0)); }

void MainWindow::openMixer() {
    if (!m_volumeLogic->start()) {
        m_zerin.output.debugMessage(kNoMixerMessage);
        return;
    }
    const VolumeSlider& s = m_volumeLogic->slider();
    // Taking the mixer's range and level writes nothing back to it.
    QSignalBlocker quiet(m_volume);
    m_volume->setRange(static_cast<int>(s.minimum), static_cast<int>(s.maximum));
    m_volume->setPageStep(static_cast<int>(std::max<std::int64_t>(1, s.largeChange)));
    m_volume->setSingleStep(static_cast<int>(std::max<std::int64_t>(1, s.smallChange)));
    m_volume->setValue(static_cast<int>(s.value));
}

void MainWindow::setWindowBackground(std::uint32_t colour) {
    const std::optional<QColor> background = regionBackground(colour, m_zerin.savedBackground);
    static const char* const kRegions[] = {"lvwList", "frmTop", "frmRight", "frmBottom", "lvwImageList",
                                           "lvwFileOp", "txtEditor", "txtCode", "txtDebug"};
    for (const char* name : kRegions)
        for (QWidget* w : findChildren<QWidget*>(QLatin1String(name))) setRegionBackground(w, background);
    setRegionBackground(this, background);
    m_workArea->viewer()->setBackground(background ? *background : QColor(Qt::black));
}

void MainWindow::fillStartupSteps(StartupSteps& steps) {
    steps.buildRightBar = [this] { BarBuilder(m_zerin).RefreshBar(); };
    steps.openMixer = [this] { openMixer(); };
    steps.applyFontSize = [this] { applyFontSize(); };
    steps.resize = [this] { runResize(); };
    // One tab stop of 20 dialog units: five average character widths.
    steps.setCodeEditorTabWidth = [this] {
        TextBoxView* code = m_workArea->codeEditor();
        code->setTabStopDistance(5 * QFontMetricsF(code->font()).averageCharWidth());
    };
}

void MainWindow::applyFontSize() {
    applyWindowStyle(this, m_zerin.settings.fontSize);
    m_workArea->setTextFontSize(m_zerin.settings.fontSize);
}

void MainWindow::fontSizeChanged() {
    applyFontSize();
    runResize();
}

int MainWindow::rightColumnWidth() const {
    QFontMetrics fm(font());
    return std::max(110, fm.horizontalAdvance(QStringLiteral("Wednesday")) + 24);
}

void MainWindow::setWorkAreaHeight(int height) {
    m_workAreaHeight = static_cast<std::int16_t>(std::clamp(height, 0, 32000));
    runResize();
}

void MainWindow::setRightBarShown(bool shown) {
    if (!m_panesShown) return;
    m_rightBarShown = shown;
    if (shown) BarBuilder(m_zerin).RefreshBar();
    runResize();
}

void MainWindow::step(std::string_view progress) {
    m_progress = std::string(progress);
    if (!m_failStep.empty() && m_failStep == m_progress) {
        m_failStep.clear();
        throw std::runtime_error(m_progress);
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    runResize();
}

void MainWindow::runResize() {
    if (m_inResize) return;
    m_inResize = true;
    // Step 1: the window never gets smaller than 400 x 200.
    QSize s = size();
    if (s.width() < kMinWidth || s.height() < kMinHeight)
        resize(std::max(s.width(), kMinWidth), std::max(s.height(), kMinHeight));
    m_innerWidth = static_cast<std::int16_t>(m_client->width());
    m_innerHeight = static_cast<std::int16_t>(m_client->height());
    step(texts::kResizing);
    for (bool retried = false;;) {
        try {
            resizeSteps();
            break;
        } catch (const std::exception&) {
            std::string text = std::string(texts::kProblem) + "\r\n" + m_progress + "\r\n" + std::string(texts::kTryingToFix);
            m_zerin.platform.dialogs.messageBox(text, "Zerin", MsgButtons::Ok);
            // One retry: a step that fails again would otherwise ask for ever.
            if (retried) break;
            retried = true;
            m_zerin.settings.fontSize = kRecoveryFontSize;
            m_workAreaHeight = kRecoveryWorkAreaHeight;
            applyFontSize();
        }
    }
    m_inResize = false;
}

void MainWindow::resizeSteps() {
    const int w = m_client->width();
    const int h = m_client->height();

    step(texts::kRefreshCommandButtons);
    m_zerin.bars.topWidth = w - 1;
    BarBuilder(m_zerin).ModeCommandsLoad();
    const int topHeight = m_zerin.bars.top.height + 2 * kTopBarPadding;
    const int bottomHeight = m_bottomBarShown ? m_bottomBar->preferredHeight() : 0;
    const int maxWork = std::max(0, h - topHeight - bottomHeight - kMinPanesHeight);
    const int work = std::min<int>(m_workAreaHeight, maxWork);

    m_workArea->setGeometry(0, 0, w, work);
    m_workArea->setVisible(work > 0);
    if (m_zerin.publicVars.indexed("do.mode"))
        if (std::optional<std::string_view> mode = publicSetting(m_zerin, "do.mode"))
            m_workArea->applyDisplayMode(*mode);

    m_topBar->setGeometry(0, work, w - 1, topHeight);
    m_topBar->show();
    step(texts::kRefreshPathButtons);
    m_bottomBar->setGeometry(0, h - bottomHeight, w, bottomHeight);
    m_bottomBar->setVisible(m_bottomBarShown);
    if (m_bottomBarShown) m_bottomBar->rebuild();

    const int column = rightColumnWidth();
    const int panesTop = work + topHeight;
    const int panesHeight = h - bottomHeight - panesTop;
    m_panes->setGeometry(0, panesTop, w - column, panesHeight);
    m_panes->setVisible(m_panesShown);
    if (m_panesShown) m_panes->redraw();

    step(texts::kRefreshClockButton);
    const int handleHeight = QFontMetrics(font()).height() + 12;
    m_sizeHandle->setGeometry(w - column + 2, panesTop + 2, column - 4, handleHeight);
    m_sizeHandle->show();

    step(texts::kRefreshVerticalBar);
    const int sliderHeight = 24;
    const int barTop = panesTop + 2 + handleHeight + sliderHeight;
    m_rightBar->setGeometry(w - column, barTop, column, std::max(0, h - bottomHeight - barTop));
    m_rightBar->setVisible(m_rightBarShown);

    step(texts::kRefreshVerticalButtons);
    if (m_rightBarShown) BarBuilder(m_zerin).RefreshBar();

    step(texts::kRefreshVolumeSlider);
    m_volume->setGeometry(w - column + 4, panesTop + 2 + handleHeight, column - 8, sliderHeight);
    m_volume->show();

    step(texts::kRefreshImageViewer);
    if (m_workArea->mode() == DisplayMode::Image) m_workArea->showMode(DisplayMode::Image);
    if (m_switcher->docked()) m_switcher->moveDocked();
}

void MainWindow::focusOutputText() { m_zerin.outputWindow.host().focusText(); }

bool MainWindow::showTitleBar(bool show) {
    if (show == titleBarShown()) return true;
    const bool visible = isVisible();
    const QRect geometry = this->geometry();
    setWindowFlag(Qt::FramelessWindowHint, !show);
    if (visible) {
        setGeometry(geometry);
        this->show();
    }
    return titleBarShown() == show;
}

bool MainWindow::titleBarShown() const { return !(windowFlags() & Qt::FramelessWindowHint); }

void MainWindow::setModeButtonColour(std::string_view command, std::uint32_t colour) {
    m_zerin.bars.colourCommandButtons(command, colour);
}

void MainWindow::saveAndQuit() {
    m_zerin.dispatcher.call("do_default_save");
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_closeHandler && !m_closeHandler()) {
        event->ignore();
        return;
    }
    // Kept whatever the close dialogue was answered: the placement is no setting.
    m_placer->save();
    event->accept();
}

}  // namespace zerin::ui
