// Every text the output window and its commands print or hand to scripts.
#pragma once

#include <string_view>

namespace zerin::outmsg {

inline constexpr std::string_view kWindowClosed = "WINDOW.CLOSED";
inline constexpr std::string_view kWindowError = "- Error: output window";
inline constexpr std::string_view kGfxOpenError = "- Error: gfx.open";
inline constexpr std::string_view kUnknownButtonParameter = "- do_output_button_add : unknown parameter: ";
inline constexpr std::string_view kMoveNotEnough = "window.move: not enough arguments";
inline constexpr std::string_view kPaintPictureHeader = "Paintpicture variables";
inline constexpr std::string_view kPaintPictureValue = "  v(";  // + i + ") = " + Str(number)
inline constexpr std::string_view kSurfaceClamped = "Drawing surface size limited to ";
inline constexpr std::string_view kRadiusTooLarge = "circle: radius out of range: ";
inline constexpr std::string_view kBitmapLoadFailed = "bitmap.load: cannot read ";
inline constexpr std::string_view kBitmapSaveFailed = "bitmap.save: cannot write ";

// Measured to size the text box and the buttons.
inline constexpr std::string_view kMeasureText = "|j";

}  // namespace zerin::outmsg
