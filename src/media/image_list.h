// The image list: full paths in list order (the hidden lstImageList); the view
// lvwImageList shows each entry's file name.
#pragma once

#include <string>
#include <vector>

namespace zerin {

struct ImageList {
    std::vector<std::string> paths;
};

}  // namespace zerin
