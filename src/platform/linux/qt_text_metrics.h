// Text measured in the fonts the window uses. The Windows face names scripts and
// layouts ask for are mapped to fontconfig's generic families: "Arial" to sans-serif,
// "Terminal" to monospace.
#pragma once

#include <QString>
#include <string_view>

#include "platform/text_metrics.h"

namespace zerin::linux_platform {

QString fontFamilyFor(std::string_view windowsFaceName);
QString fontFamilyFor(FontFace face);

class QtTextMetrics : public TextMetrics {
public:
    int width(std::string_view text, int pointSize, FontFace face) override;
    int height(std::string_view text, int pointSize, FontFace face) override;
};

}  // namespace zerin::linux_platform
