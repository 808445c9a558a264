// Reading the kernel's mount table text (/proc/self/mountinfo), kept apart from the file
// access so that it can be checked against sample texts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace zerin {

// One MountEntry per well-formed line; octal escapes such as "\040" are decoded.
std::vector<MountEntry> parseMountInfo(std::string_view text);

// Decodes the "\xHH" escapes of the names under /dev/disk/by-label.
std::string decodeLabelEscapes(std::string_view name);

}  // namespace zerin
