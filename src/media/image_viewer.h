// The image viewer's logic: which files the list takes, how a picture is fitted into the
// viewer, stepping through the list and the slide show's interval. The window supplies
// the pictures and the timer through ImageViewerView.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/output.h"
#include "core/settings.h"
#include "media/image_list.h"

namespace zerin {

// What the viewer's logic asks of the window. The defaults do nothing, so a command-line
// run steps through the list without showing anything.
class ImageViewerView {
public:
    virtual ~ImageViewerView() = default;
    // Loads the file into the loaded picture; false keeps the previous picture.
    virtual bool loadPicture(const std::string& path) { (void)path; return true; }
    // Draws the loaded picture (or the logo when the list is empty) fitted into the viewer.
    virtual void display() {}
    // The list's selected item becomes this one and is scrolled into view.
    virtual void selectItem(std::int32_t index) { (void)index; }
    // The paths changed (items added or the list emptied).
    virtual void listChanged() {}
    virtual void setCaption(const std::string& caption) { (void)caption; }
    virtual void setSlideTimer(bool on, std::int32_t intervalMs) { (void)on; (void)intervalMs; }
    virtual void setIntervalLabel(const std::string& text) { (void)text; }
};

namespace image_viewer {

inline constexpr std::string_view kCaptionPrefix = "Zerin - Viewing - ";
// The debug line naming a picture that could not be loaded.
inline constexpr std::string_view kLoadError = "ERROR in ShowImage: ";
inline constexpr std::int32_t kMinInterval = 500;
inline constexpr std::int32_t kMaxInterval = 60000;

// The extension the image list judges a file by: the text after the last "." when that
// dot lies within the last 9 characters, lower-cased; empty otherwise.
std::string listExtension(std::string_view path);
// jpg, jpeg, gif or bmp by the rule above.
bool listAccepts(std::string_view path);
// A file dropped on the viewer itself is shown when it ends in ".gif" or ".jpg" exactly.
bool viewerAccepts(std::string_view path);

struct DrawRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
// Where a picture of pw x ph is drawn in a viewer of W x H (all in one unit): a picture
// wider than 4:3 (ratio at least 1.34) takes the viewer's width, any other its height;
// centred on the viewer's integer halves. The shape is compared with 4:3, not with the
// viewer, so a tall picture in a wide viewer may be cut. Empty for an empty picture.
DrawRect fit(int viewerWidth, int viewerHeight, int pictureWidth, int pictureHeight);

// The next interval of do_image_slower and do_image_faster.
std::int32_t slower(std::int32_t interval);
std::int32_t faster(std::int32_t interval);
// The interval label: a blank and the seconds, with one decimal below 10 s (" 5.0", " 12").
std::string intervalLabel(std::int32_t interval);

}  // namespace image_viewer

// The viewer's operations on the shared image list and the settings record.
class ImageViewer {
public:
    // A picture that cannot be loaded is named on the debug pane of `output`.
    ImageViewer(ImageList& list, Settings& settings, Output& output, bool titleBarShown)
        : m_list(list), m_settings(settings), m_output(output), m_titleBar(titleBarShown) {}

    // Appends the dropped files the list accepts; returns how many were taken.
    std::size_t addDropped(const std::vector<std::string>& paths);
    // Loads and shows the image at the current index. False when it could not be loaded
    // (the previous picture stays and the caption is left as it was).
    bool showCurrent();
    // Clicking or Enter in the list.
    bool choose(std::int32_t index);
    void next();
    void prev();
    void clear();
    // do_image_slide: returns whether the show now runs.
    bool toggleSlide();
    // One tick of the slide timer: off while the next picture loads, so a slow load
    // never queues ticks.
    void slideTick();
    void slideSlower() { changeInterval(image_viewer::slower(m_settings.slideTimerInterval)); }
    void slideFaster() { changeInterval(image_viewer::faster(m_settings.slideTimerInterval)); }

private:
    ImageViewerView& view() const;
    void changeInterval(std::int32_t interval);
    void step();

    ImageList& m_list;
    Settings& m_settings;
    Output& m_output;
    bool m_titleBar;
};

}  // namespace zerin
