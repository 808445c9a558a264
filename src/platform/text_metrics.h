// Measuring text in the window's fonts. The layout rules of the panes and bars are
// written in measured widths; the logic asks through this so that it runs without a GUI.
#pragma once

#include <string_view>

namespace zerin {

enum class FontFace { Sans, Mono };

class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    virtual int width(std::string_view text, int pointSize, FontFace face = FontFace::Sans) = 0;
    virtual int height(std::string_view text, int pointSize, FontFace face = FontFace::Sans) = 0;
};

}  // namespace zerin
