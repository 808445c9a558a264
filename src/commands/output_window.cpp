#include "commands/output_window.h"

#include <algorithm>
#include <cmath>

#include "commands/output_window_input.h"
#include "commands/output_window_messages.h"
#include "core/zerin.h"
#include "script/value.h"
#include "platform/platform.h"
#include "script/run_state.h"

namespace zerin {

namespace {
constexpr int kDefaultSurfaceWidth = 640;
constexpr int kDefaultSurfaceHeight = 480;

int roundToInt(double x) { return static_cast<int>(roundHalfEven(x)); }
}  // namespace

OutputWindow::OutputWindow(Zerin& zerin) : m_zerin(zerin) { m_buttons.emplace_back(); }

void OutputWindow::setCaption(std::string caption) {
    m_caption = std::move(caption);
    if (m_open) m_host->setCaption(m_caption);
}

void OutputWindow::setMode(OutputMode mode) {
    m_mode = mode;
    if (m_open) m_host->modeChanged();
}

void OutputWindow::open() {
    if (m_open) return;
    m_open = true;
    m_caption = m_title;
    // A fresh window: what the last one showed went with it.
    txtOutput.clear();
    m_buttons.assign(1, OutputButton{});
    m_buttonCount = 0;
    m_placementPending = false;
    m_surfaces.clear();
    m_surfaces.emplace_back();
    WindowRect client = m_host->client();
    makeImage(m_surfaces[0], client.width > 0 ? client.width : kDefaultSurfaceWidth,
              client.height > 0 ? client.height : kDefaultSurfaceHeight);
    m_zerin.output.setOutputWindowText(&txtOutput);
    m_host->showWindow(m_caption);
}

void OutputWindow::close() {
    if (!m_open) return;
    m_zerin.run.inputText = std::string(outmsg::kWindowClosed);
    m_open = false;
    m_zerin.run.waitingForInput = false;
    m_zerin.run.waitingForTextInput = false;
    m_buttons.assign(1, OutputButton{});
    m_buttonCount = 0;
    m_placementPending = false;
    // Off-screen bitmaps live only as long as the window.
    m_surfaces.clear();
    m_zerin.output.setOutputWindowText(nullptr);
    m_host->closeWindow();
}

void OutputWindow::addButton(std::string caption, std::string name) {
    if (m_buttonCount > 0) m_buttons.emplace_back();
    OutputButton& b = m_buttons.back();
    b.caption = std::move(caption);
    b.name = std::move(name);
    ++m_buttonCount;
    measureLastButton();
    m_buttons.back().visible = true;
    m_placementPending = true;
    m_pendingWidth = m_host->client().width;
    m_host->buttonsChanged();
}

void OutputWindow::removeAllButtons() {
    m_buttons.resize(1);
    m_buttons[0].visible = false;
    m_buttonCount = 0;
    m_placementPending = false;
    m_host->buttonsChanged();
}

void OutputWindow::buttonClicked(std::size_t index) {
    if (index >= m_buttons.size()) return;
    m_zerin.run.inputText = m_buttons[index].name;
    m_zerin.run.waitingForInput = false;
    m_zerin.run.waitingForTextInput = false;
}

OutputLayout OutputWindow::layout(const LayoutInput& in) {
    // Buttons still waiting to be placed go where the layout they were added under puts them.
    placePendingButtons();
    OutputLayout out;
    if (in.minimised) return out;
    out.applied = true;
    int height = in.maximised ? in.screenHeight : std::max(in.frameHeight, kMinHeight);
    if (!in.maximised && in.frameHeight < kMinHeight) out.raiseHeightTo = kMinHeight;
    if (m_mode == OutputMode::Text) {
        int measured = m_zerin.platform.metrics.height(outmsg::kMeasureText, m_zerin.settings.fontSize);
        out.textBox = {10, 15, std::max(0, in.clientWidth - 20), std::max(0, height - 15 - (measured + 60))};
        m_layout = out;
        if (m_buttonCount > 0) layoutButtons(in.clientWidth);
    } else {
        out.surface = {0, 0, std::max(0, in.clientWidth), std::max(0, in.clientHeight)};
        m_layout = out;
        if (Surface* s0 = surface(0); s0 && s0->image &&
                                      (s0->image->width() != out.surface.width ||
                                       s0->image->height() != out.surface.height)) {
            int w = std::max(1, out.surface.width), h = std::max(1, out.surface.height);
            clampSize(w, h);
            s0->image->resize(w, h, s0->backColour);
        }
    }
    return out;
}

void OutputWindow::layoutButtons(int clientWidth) {
    if (m_buttonCount == 0) return;
    measureLastButton();
    placeButtons(clientWidth);
    m_buttons.back().visible = true;
}

// Only the newest button is measured; the others keep the size they got then.
void OutputWindow::measureLastButton() {
    const int fontSize = m_zerin.settings.fontSize;
    TextMetrics& metrics = m_zerin.platform.metrics;
    OutputButton& last = m_buttons.back();
    last.rect.height = metrics.height(outmsg::kMeasureText, fontSize) + 5;
    last.rect.width = metrics.width(last.caption, fontSize) + 10;
}

void OutputWindow::placeButtons(int clientWidth) {
    m_placementPending = false;
    const double available = roundHalfEven(clientWidth - 40);
    double total = 0;
    for (const OutputButton& b : m_buttons) total += b.rect.width;
    if (total <= 0) total = 1;
    const int top = m_layout.textBox.y + m_layout.textBox.height + 10;
    int x = 20;
    for (OutputButton& b : m_buttons) {
        int slot = roundToInt(b.rect.width / total * available);
        b.rect.x = x + slot / 2 - b.rect.width / 2;
        b.rect.y = top;
        x += slot;
    }
}

void OutputWindow::placePendingButtons() {
    if (m_placementPending && m_buttonCount > 0) placeButtons(m_pendingWidth);
}

void OutputWindow::takeTypedLine() {
    RunState& run = m_zerin.run;
    run.inputText = typedLine(txtOutput.text(), run.inputLineStart);
    txtOutput.moveCaretToEnd();
    run.waitingForTextInput = false;
}

Surface* OutputWindow::surface(int index) {
    if (index < 0 || index >= surfaceCount()) return nullptr;
    return &m_surfaces[static_cast<std::size_t>(index)];
}

int OutputWindow::createBitmap(int tag) {
    if (m_surfaces.empty()) return -1;
    int w = m_surfaces[0].image ? m_surfaces[0].image->width() : kDefaultSurfaceWidth;
    int h = m_surfaces[0].image ? m_surfaces[0].image->height() : kDefaultSurfaceHeight;
    Surface& s = m_surfaces.emplace_back();
    s.tag = tag;
    makeImage(s, w, h);
    return surfaceCount() - 1;
}

Surface* OutputWindow::ensureSurface(int index) {
    if (index < 0) return nullptr;
    // An index far beyond the last would make thousands of images for one typo.
    if (index > surfaceCount() + 64) return nullptr;
    while (surfaceCount() <= index) {
        int w = m_surfaces.empty() || !m_surfaces[0].image ? kDefaultSurfaceWidth : m_surfaces[0].image->width();
        int h = m_surfaces.empty() || !m_surfaces[0].image ? kDefaultSurfaceHeight : m_surfaces[0].image->height();
        Surface& s = m_surfaces.emplace_back();
        makeImage(s, w, h);
    }
    return surface(index);
}

int OutputWindow::indexOfTag(int tag) const {
    if (tag == 0) return m_surfaces.empty() ? -1 : 0;
    for (std::size_t i = 1; i < m_surfaces.size(); ++i)
        if (m_surfaces[i].tag == tag) return static_cast<int>(i);
    return -1;
}

void OutputWindow::clampSize(int& width, int& height) {
    if (width <= kMaxSurfaceSide && height <= kMaxSurfaceSide) return;
    m_zerin.output.debugMessage(std::string(outmsg::kSurfaceClamped) + std::to_string(kMaxSurfaceSide) + " x " +
                                std::to_string(kMaxSurfaceSide) + " pixels");
    width = std::min(width, kMaxSurfaceSide);
    height = std::min(height, kMaxSurfaceSide);
}

bool OutputWindow::makeImage(Surface& s, int width, int height) {
    width = std::max(1, width);
    height = std::max(1, height);
    clampSize(width, height);
    if (!m_canvases) return false;
    s.image = m_canvases->create(width, height, s.backColour);
    return s.image != nullptr;
}

void OutputWindow::surfaceDrawn(int index) {
    if (index == 0 && m_open) m_host->surfaceChanged();
}

std::unique_ptr<Canvas> OutputWindow::loadPicture(const std::string& path) {
    if (!m_canvases) return nullptr;
    return m_canvases->load(path);
}

}  // namespace zerin
