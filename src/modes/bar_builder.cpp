#include "modes/bar_builder.h"

#include <exception>

#include "core/colours.h"
#include "core/text.h"
#include "core/zerin.h"
#include "media/image_viewer.h"
#include "modes/command_runner.h"
#include "modes/mode_messages.h"
#include "modes/mode_script.h"
#include "script/value.h"
#include "modes/mode_bars.h"
#include "modes/mode_groups.h"
#include "panes/pane_model.h"
#include "platform/platform.h"
#include "script/interpreter.h"
#include "script/run_state.h"
#include "script/script_store.h"

namespace zerin {

namespace {

struct Ordered {
    std::vector<double> indices;
    std::vector<std::string> texts;
};

// The stored scripts of one location with their INDEX, at most `limit` of them.
Ordered collect(const ScriptStore& store, std::string_view location, int limit) {
    Ordered o;
    for (const StoredScript& s : store.scripts()) {
        if (static_cast<int>(o.texts.size()) >= limit) break;
        if (text::lower(headerValue("location", s.text)) != location) continue;
        o.indices.push_back(val(text::trim(headerValue("index", s.text))));
        o.texts.push_back(s.text);
    }
    return o;
}

// A load section that asks for a full refresh would build the bar again from inside
// its own build, without end: a nested build is skipped.
class BuildGuard {
public:
    explicit BuildGuard(bool& flag) : m_flag(flag), m_entered(!flag) { m_flag = true; }
    ~BuildGuard() {
        if (m_entered) m_flag = false;
    }
    bool entered() const { return m_entered; }

private:
    bool& m_flag;
    bool m_entered;
};

}  // namespace

int BarBuilder::rowHeight() {
    return m_zerin.platform.metrics.height("Aj", m_zerin.settings.fontSize) + 5;
}

int BarBuilder::captionWidth(std::string_view caption) {
    return m_zerin.platform.metrics.width(caption, m_zerin.settings.fontSize);
}

bool BarBuilder::runLoadSection(std::string_view script, ButtonRef ref) {
    std::optional<std::string> section = loadSection(script);
    if (!section) return true;
    if (!mayStartScript(m_zerin)) return false;
    m_zerin.run.stopRequest = false;
    m_zerin.bars.running = ref;
    m_zerin.txtOnLoad.setText(*section);
    m_zerin.interpreter.RunEditor("", &m_zerin.txtOnLoad, "");
    return true;
}

void BarBuilder::ModeCommandsLoad() {
    ModeBars& bars = m_zerin.bars;
    CommandBar& bar = bars.top;
    BuildGuard guard(bars.buildingTop);
    if (!guard.entered()) return;
    const int fontSize = m_zerin.settings.fontSize;
    m_progress = std::string(modemsg::kLoadProgress);
    try {
        const int row = rowHeight();
        int number = 0;
        int x = 1;
        int y = 0;

        Ordered modes = collect(m_zerin.scripts, "mode", kMaxCommands);
        for (const std::string& script : sortbuttons(modes.indices, modes.texts)) {
            BarElement& b = bar.element(++number);
            b = BarElement{};
            b.fontSize = fontSize;
            b.caption = headerValue("name", script);
            b.x = x;
            b.y = y;
            b.width = captionWidth(b.caption) + kCaptionMargin;
            b.height = row;
            b.colour = headerColour(script).value_or(kDefaultButtonColour);
            b.script = script;
            b.visible = true;
            x += b.width;
        }

        const std::string location = "mode\\" + currentModeLocation(m_zerin) + "\\menu";
        // Load sections may run scripts that change the store: walk a copy.
        std::vector<StoredScript> scripts = m_zerin.scripts.scripts();
        for (const StoredScript& s : scripts) {
            if (text::lower(headerValue("location", s.text)) != location) continue;
            std::string name = headerValue("name", s.text);
            if (text::trim(name).empty()) continue;
            BarElement& b = bar.element(++number);
            b = BarElement{};
            b.colour = headerColour(s.text).value_or(kDefaultButtonColour);
            b.caption = name;
            int width = captionWidth(name);
            if (x + width > bars.topWidth) {
                x = 0;
                y += row;
            }
            b.x = x;
            b.y = y;
            b.width = width + kCaptionMargin;
            b.fontSize = fontSize;
            b.height = row;
            x += b.width;
            b.visible = true;
            b.script = s.text;
            std::string full = withLinkedScript(s.text, m_zerin.scripts);
            b.tooltip = headerValue("help", full);
            bar.setLastInUse(number);
            if (!runLoadSection(full, ButtonRef{BarId::Top, number})) {
                bar.changed();
                return;
            }
        }

        if (const ModeGroup* group = m_zerin.modeGroups.group(m_zerin.settings.mode))
            addLegacy(*group, number, x, y, row);

        bar.setLastInUse(number);
        bar.hideUnused();
        bar.height = y + row;
    } catch (const std::exception&) {
        m_zerin.output.debugMessage(m_progress);
    }
    bar.changed();
}

bool BarBuilder::legacyToggleOn(std::string_view script) const {
    const Settings& s = m_zerin.settings;
    std::string t = text::lower(text::trim(script));
    if (t == "do_vlc_loop") return s.vlcLoop;
    if (t == "do_vlc_wallpaper") return s.vlcBackground;
    if (t == "do_mouse_autofocus /s") return s.mouseAutofocus;
    if (t == "do_column_autosize /s") return s.columnAutosize;
    if (t == "do_text_log") return s.textLog;
    // Media playing, the slide timer and the editor's insert mode are not known here yet.
    return false;
}

void BarBuilder::addLegacy(const ModeGroup& group, int& number, int& x, int& y, int row) {
    CommandBar& bar = m_zerin.bars.top;
    const Colour colour = m_zerin.panes.colours.file(m_zerin.settings.mode);
    for (const LegacyCommand& cmd : group.legacy) {
        std::string t = text::lower(cmd.script);
        if (t == "dummy") continue;
        if (t == "do_extended_commands") break;
        if (t == "do_newline") {
            x = 0;
            y += row;
            continue;
        }
        BarElement e;
        e.x = x;
        e.y = y;
        e.height = row;
        e.fontSize = m_zerin.settings.fontSize;
        e.colour = colour;
        e.visible = true;
        e.script = cmd.script;
        if (t == "do_image_interval") {
            e.kind = BarElementKind::IntervalLabel;
            // The same text do_image_slower and do_image_faster give it, so a rebuild of
            // the bar does not change how the interval reads.
            e.caption = image_viewer::intervalLabel(m_zerin.settings.slideTimerInterval);
            e.width = captionWidth(e.caption) + kCaptionMargin;
        } else if (t == "do_vlc_playtime") {
            m_progress = std::string(modemsg::kLoadPlayTime);
            e.kind = BarElementKind::PlayTimeLabel;
            e.caption = "00:00:00";
            e.width = captionWidth("00:00:00:");
        } else if (t == "do_vlc_slider") {
            m_progress = std::string(modemsg::kLoadSlider);
            e.kind = BarElementKind::PositionSlider;
            e.width = kSliderWidth;
        } else if (t == "do_column_headers /s") {
            static constexpr const char* kStates[] = {"Off", "Auto", "On"};
            int state = m_zerin.settings.columnHeaders;
            e.caption = cmd.name + (state >= 0 && state <= 2 ? kStates[state] : "");
            e.width = captionWidth(e.caption) + kCaptionMargin;
        } else {
            if (t == "do_vlc_playpause") m_progress = std::string(modemsg::kLoadPlayPause);
            e.caption = "!" + cmd.name;
            e.tooltip = headerValue("help", cmd.script);
            m_progress = std::string(modemsg::kLoadState);
            // The highlight of an "on" state: the mode's colour brightened to 160 per cent.
            if (legacyToggleOn(cmd.script)) e.colour = brighten(colour, 160);
            e.width = captionWidth(e.caption) + kCaptionMargin;
        }
        bar.element(++number) = e;
        x += e.width;
        m_progress = std::string(modemsg::kLoadProgress);
    }
}

std::string BarBuilder::selectedTypes(const ListModel& list) {
    std::string types;
    for (const ListItem& item : list.items()) {
        if (!item.selected) continue;
        std::string_view name = item.tag.empty() ? std::string_view(item.text) : std::string_view(item.tag);
        std::size_t slash = name.find_last_of("/\\");
        if (slash != std::string_view::npos) name = name.substr(slash + 1);
        std::size_t dot = name.rfind('.');
        types += " ";
        if (dot != std::string_view::npos) types += text::lower(name.substr(dot + 1));
    }
    return types;
}

bool BarBuilder::suitsSelection(std::string_view script, std::string_view selectedTypes) {
    if (!hasHeader("associated_types", script)) return true;
    std::string value = text::lower(text::trim(headerValue("associated_types", script)));
    if (value.empty()) return true;
    std::vector<std::string_view> words = text::split(value);
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i].empty()) continue;
        if (words[i] == "*") {
            if (i + 1 == words.size()) return true;
            continue;
        }
        // Kept: the match is "blank + word" anywhere, so "jp" also matches a selected jpg.
        if (selectedTypes.find(" " + std::string(words[i])) != std::string_view::npos) return true;
    }
    return false;
}

void BarBuilder::RefreshBar() {
    CommandBar& bar = m_zerin.bars.right;
    BuildGuard guard(m_zerin.bars.buildingRight);
    if (!guard.entered()) return;
    const std::string types = selectedTypes(m_zerin.panes.list(m_zerin.panes.sourcePane()));
    const int row = rowHeight();
    int number = 0;
    int y = 0;
    bar.setLastInUse(0);
    try {
        Ordered cmds = collect(m_zerin.scripts, "barmenu", kMaxCommands);
        for (const std::string& script : sortbuttons(cmds.indices, cmds.texts)) {
            if (!suitsSelection(script, types)) continue;
            BarElement& b = bar.element(++number);
            b = BarElement{};
            b.caption = headerValue("name", script);
            b.colour = headerColour(script).value_or(kDefaultButtonColour);
            b.script = script;
            b.y = y;
            b.height = row;
            b.width = captionWidth(b.caption) + kCaptionMargin;
            b.fontSize = m_zerin.settings.fontSize;
            b.visible = true;
            y += row;
            std::string full = withLinkedScript(script, m_zerin.scripts);
            b.tooltip = headerValue("help", full);
            bar.setLastInUse(number);
            if (!runLoadSection(full, ButtonRef{BarId::Right, number})) {
                bar.changed();
                return;
            }
        }
        bar.hideUnused();
        bar.height = y;
    } catch (const std::exception&) {
        m_zerin.output.debugMessage("ERROR in RefreshBar");
    }
    bar.changed();
}

}  // namespace zerin
