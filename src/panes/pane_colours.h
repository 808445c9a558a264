// The colours that mark kinds of entries in the panes, for the source and target roles.
#pragma once

#include <string_view>

#include "core/colours.h"

namespace zerin {

namespace paneColour {
inline constexpr Colour kDriveSource = 0x66ff66;
inline constexpr Colour kDriveTarget = 0x448844;
inline constexpr Colour kFolderSource = 0x44ffff;
inline constexpr Colour kFolderTarget = 0x228888;
inline constexpr Colour kMedia = 0x3090ff;
inline constexpr Colour kMediaTarget = 0x1060af;
inline constexpr Colour kProgram = 0x4040fe;
inline constexpr Colour kProgramBright = 0x3030fe;
inline constexpr Colour kOtherSource = 0xffffff;
inline constexpr Colour kOtherTarget = 0xaaaaaa;
inline constexpr Colour kArchiveSource = 0xffa0ff;
inline constexpr Colour kArchiveTarget = 0xa020a0;
// Path boxes and parent buttons of the source pane (active) and the others.
inline constexpr Colour kPathActiveBack = 0x504030;
inline constexpr Colour kPathActiveFore = 0xffffff;
inline constexpr Colour kPathInactiveBack = 0x202020;
inline constexpr Colour kPathInactiveFore = 0x909090;
// The panes' window background.
inline constexpr Colour kWindowBack = 0x101010;
}  // namespace paneColour

// do_filesuffix_color: the colour of items added by scripts.
Colour fileSuffixColour(const ColourTable& table, std::string_view suffix);

// The colour RefreshList gives a file item (by its short suffix).
Colour refreshFileColour(const ColourTable& table, std::string_view fullPath, bool source);

// ListBright (source role, bright = true) and ListShadow colours of an item by its tag.
Colour roleColour(const ColourTable& table, std::string_view tag, bool bright, bool drive);

}  // namespace zerin
