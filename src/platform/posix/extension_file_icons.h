// Icons chosen by the file name's extension alone: the choice used where no MIME database
// is at hand (command-line runs, tests).
#pragma once

#include "platform/file_icons.h"

namespace zerin {

class ExtensionFileIcons : public FileIcons {
public:
    int iconFor(const std::string& path, bool folder) override;
};

}  // namespace zerin
