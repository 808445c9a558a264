// The image list: full paths in list order (the hidden lstImageList); the view
// lvwImageList shows each entry's file name. Also the viewer's place in it and the state
// of the slide show, which steps through it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zerin {

class ImageViewerView;

struct ImageList {
    std::vector<std::string> paths;
    // Index of the image shown; may point past the end after the list was cleared.
    std::int32_t current = 0;
    bool slideTimerOn = false;
    // The window's viewer and list; null without a window.
    ImageViewerView* view = nullptr;
};

}  // namespace zerin
