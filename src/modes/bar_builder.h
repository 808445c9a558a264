// ModeCommandsLoad and RefreshBar: the two builders that turn the script store into the
// buttons of the top bar and the right bar.
#pragma once

#include <string>
#include <string_view>

#include "modes/command_bar.h"

namespace zerin {

class Zerin;
class ListModel;
struct ModeGroup;

class BarBuilder {
public:
    static constexpr int kCaptionMargin = 14;
    static constexpr int kSliderWidth = 120;
    static constexpr int kMaxCommands = 50;

    explicit BarBuilder(Zerin& zerin) : m_zerin(zerin) {}

    // Fills the top bar: the mode buttons in INDEX order, then the current mode's
    // commands wrapped into rows at the bar's width, then the legacy commands.
    void ModeCommandsLoad();
    // Fills the right bar with the bar commands that suit the source pane's selection.
    void RefreshBar();

    // The ASSOCIATED_TYPES rule against a selected-types text (" jpg gif ", as
    // recomputeSelection collects it).
    static bool suitsSelection(std::string_view script, std::string_view selectedTypes);

    int rowHeight();

private:
    int captionWidth(std::string_view caption);
    // Runs the script's load section for button `ref`; false when a waiting or paused
    // script refuses it and the build must stop.
    bool runLoadSection(std::string_view script, ButtonRef ref);
    void addLegacy(const ModeGroup& group, int& number, int& x, int& y, int row);
    bool legacyToggleOn(std::string_view script) const;

    Zerin& m_zerin;
    std::string m_progress;
};

}  // namespace zerin
