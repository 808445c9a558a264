// Text-only path helpers of the panes (file.suffix, do_trimname, do_trimpath). Folder
// paths end with "/"; a drive root in the old text form ends with ":/".
#pragma once

#include <string>
#include <string_view>

namespace zerin {

// ":/" for a text ending ":/", "/" for a folder path, else the text after the last "." of
// the last path component ("" without one). Letter case is kept.
std::string fileSuffix(std::string_view path);

// Drops one trailing "/" from `path` (the caller's copy changes too), then returns the last
// component with double quotes removed.
std::string trimName(std::string& path);

// Drops one trailing "/" from `path`, then returns the text before the last "/", or
// "false" when there is none.
std::string trimPath(std::string& path);

// The suffix RefreshList colours by: the text after the last "." when that "." lies within
// the last 9 characters, in lower case.
std::string shortSuffixLower(std::string_view path);

}  // namespace zerin
