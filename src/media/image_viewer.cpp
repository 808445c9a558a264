#include "media/image_viewer.h"

#include <algorithm>
#include <cctype>

namespace zerin {

namespace image_viewer {

std::string listExtension(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || path.size() - dot > 9) return {};
    std::string ext(path.substr(dot + 1));
    for (char& ch : ext) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return ext;
}

bool listAccepts(std::string_view path) {
    const std::string ext = listExtension(path);
    return ext == "jpg" || ext == "jpeg" || ext == "gif" || ext == "bmp";
}

bool viewerAccepts(std::string_view path) {
    return path.ends_with(".gif") || path.ends_with(".jpg");
}

DrawRect fit(int viewerWidth, int viewerHeight, int pictureWidth, int pictureHeight) {
    DrawRect r;
    if (pictureWidth <= 0 || pictureHeight <= 0) return r;
    const double ratio = static_cast<double>(pictureWidth) / pictureHeight;
    if (ratio >= 1.34) {
        r.width = viewerWidth;
        r.height = static_cast<int>(static_cast<double>(viewerWidth) * pictureHeight / pictureWidth);
    } else {
        r.height = viewerHeight;
        r.width = static_cast<int>(static_cast<double>(viewerHeight) * pictureWidth / pictureHeight);
    }
    r.x = viewerWidth / 2 - r.width / 2;
    r.y = viewerHeight / 2 - r.height / 2;
    return r;
}

std::int32_t slower(std::int32_t interval) {
    const std::int64_t i = interval;
    const std::int64_t step = i >= 20000 ? 5000 : i < 10000 ? 500 : 1000;
    return static_cast<std::int32_t>(std::min<std::int64_t>(i + step, kMaxInterval));
}

std::int32_t faster(std::int32_t interval) {
    const std::int64_t i = interval;
    const std::int64_t step = i >= 20001 ? 5000 : i < 11000 ? 500 : 1000;
    return static_cast<std::int32_t>(std::max<std::int64_t>(i - step, kMinInterval));
}

std::string intervalLabel(std::int32_t interval) {
    // Rounded half away from zero, in whole tenths or whole seconds.
    const std::int64_t ms = std::max<std::int64_t>(interval, 0);
    if (ms >= 10000) return " " + std::to_string((ms + 500) / 1000);
    const std::int64_t tenths = (ms + 50) / 100;
    return " " + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

}  // namespace image_viewer

namespace {
ImageViewerView g_noView;
}

ImageViewerView& ImageViewer::view() const { return m_list.view ? *m_list.view : g_noView; }

std::size_t ImageViewer::addDropped(const std::vector<std::string>& paths) {
    std::size_t taken = 0;
    for (const std::string& path : paths) {
        if (!image_viewer::listAccepts(path)) continue;
        m_list.paths.push_back(path);
        ++taken;
    }
    if (taken) view().listChanged();
    return taken;
}

bool ImageViewer::showCurrent() {
    const std::int32_t i = m_list.current;
    if (i < 0 || static_cast<std::size_t>(i) >= m_list.paths.size()) return false;
    const std::string& path = m_list.paths[static_cast<std::size_t>(i)];
    if (!view().loadPicture(path)) {
        m_output.debugMessage(std::string(image_viewer::kLoadError) + path);
        return false;
    }
    if (m_titleBar) view().setCaption(std::string(image_viewer::kCaptionPrefix) + path);
    view().display();
    return true;
}

bool ImageViewer::choose(std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_list.paths.size()) return false;
    m_list.current = index;
    return showCurrent();
}

void ImageViewer::step() {
    view().selectItem(m_list.current);
    showCurrent();
}

void ImageViewer::next() {
    const auto count = static_cast<std::int32_t>(m_list.paths.size());
    if (count <= 1) return;
    // An index left past the end by a clear counts as the last image.
    m_list.current = m_list.current >= count - 1 || m_list.current < 0 ? 0 : m_list.current + 1;
    step();
}

void ImageViewer::prev() {
    const auto count = static_cast<std::int32_t>(m_list.paths.size());
    if (count < 1) return;
    m_list.current = m_list.current <= 0 || m_list.current > count ? count - 1 : m_list.current - 1;
    step();
}

void ImageViewer::clear() {
    m_list.paths.clear();
    view().listChanged();
}

bool ImageViewer::toggleSlide() {
    m_list.slideTimerOn = !m_list.slideTimerOn;
    view().setSlideTimer(m_list.slideTimerOn, m_settings.slideTimerInterval);
    return m_list.slideTimerOn;
}

void ImageViewer::slideTick() {
    if (!m_list.slideTimerOn) return;
    m_list.slideTimerOn = false;
    view().setSlideTimer(false, m_settings.slideTimerInterval);
    next();
    m_list.slideTimerOn = true;
    view().setSlideTimer(true, m_settings.slideTimerInterval);
}

void ImageViewer::changeInterval(std::int32_t interval) {
    const bool wasOn = m_list.slideTimerOn;
    view().setSlideTimer(false, m_settings.slideTimerInterval);
    m_settings.slideTimerInterval = interval;
    // The interval a save writes follows the one the show runs at.
    m_settings.slideInterval = interval;
    view().setIntervalLabel(image_viewer::intervalLabel(interval));
    view().setSlideTimer(wasOn, interval);
}

}  // namespace zerin
