// Icons by MIME type (from the file name, without reading the file), mapped onto the fixed
// table of generic icon names so that stored indexes stay valid between runs.
#pragma once

#include "platform/file_icons.h"

namespace zerin::linux_platform {

class MimeFileIcons : public FileIcons {
public:
    int iconFor(const std::string& path, bool folder) override;
};

}  // namespace zerin::linux_platform
