#include "modes/command_runner.h"

#include <cmath>
#include <system_error>

#include "core/command_words.h"
#include "core/text.h"
#include "core/zerin.h"
#include "modes/desktop_shortcut.h"
#include "modes/mode_messages.h"
#include "modes/mode_script.h"
#include "script/value_escape.h"
#include "modes/mode_bars.h"
#include "panes/pane_model.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "script/dispatcher.h"
#include "script/interpreter.h"
#include "script/run_state.h"
#include "script/script_store.h"

namespace zerin {

bool mayStartScript(Zerin& zerin) {
    if (zerin.run.waitingForInput) {
        zerin.platform.dialogs.messageBox(modemsg::kWaitingForInput, modemsg::kTitle, MsgButtons::Ok);
        return false;
    }
    if (zerin.run.paused) {
        zerin.platform.dialogs.messageBox(modemsg::kPaused, modemsg::kTitle, MsgButtons::Ok);
        return false;
    }
    return true;
}

bool CommandRunner::mayStart() { return mayStartScript(m_zerin); }

void CommandRunner::run(const std::string& script) {
    m_zerin.txtBackCode.setText(script);
    m_zerin.interpreter.RunEditor("", &m_zerin.txtBackCode, "");
}

void CommandRunner::clickTop(int index) {
    ModeBars& bars = m_zerin.bars;
    const BarElement* button = bars.top.find(index);
    if (!button) return;
    // The first reading only clears the "pressed since" state of the key.
    m_zerin.platform.keys.asyncKeyState(kVkShift);
    if (m_zerin.platform.keys.asyncKeyState(kVkShift)) {
        if (bars.openScriptMenu) bars.openScriptMenu();
        return;
    }
    if (button->script == bars.draggedScript) return;  // the click ends a drag
    startTop(index);
}

void CommandRunner::startTop(int index) {
    ModeBars& bars = m_zerin.bars;
    const BarElement* button = bars.top.find(index);
    if (!button) return;
    if (!mayStart()) return;
    m_zerin.run.stopRequest = false;
    std::string script = withLinkedScript(button->script, m_zerin.scripts);
    bars.pressed.reset();
    bars.running = ButtonRef{BarId::Top, index};
    run(script);
}

bool CommandRunner::pressKey(int key, int shiftState) {
    std::optional<int> index = m_zerin.bars.keys.buttonFor(key, shiftState);
    if (!index) return false;
    startTop(*index);
    return true;
}

void CommandRunner::clickRight(int index) {
    ModeBars& bars = m_zerin.bars;
    if (!mayStart()) return;
    m_zerin.run.stopRequest = false;
    if (index <= 0) return;  // the Stop button runs nothing
    const BarElement* button = bars.right.find(index);
    if (!button) return;
    bars.running = ButtonRef{BarId::Right, index};
    std::string script = withLinkedScript(button->script, m_zerin.scripts);
    std::size_t at = text::lower(script).find("#path=");
    if (at != std::string::npos) {
        std::size_t from = at + 6;
        std::size_t end = script.find("\r\n", from);
        std::string path = script.substr(from, end == std::string::npos ? std::string::npos : end - from);
        int source = m_zerin.panes.sourcePane();
        m_zerin.panes.setPath(source, path);
        m_zerin.dispatcher.call("do_list_update " + std::to_string(source));
    }
    bars.running = ButtonRef{BarId::Right, index};
    run(script);
}

std::string CommandRunner::dragTextFor(int index, const std::string& script) {
    if (index == 0) return std::string(modemsg::kDragPrefix);
    return std::string(modemsg::kDragPrefix) + ":" + script;
}

void CommandRunner::startDrag(ButtonRef ref, const std::string& script) {
    m_zerin.dragText = dragTextFor(ref.index, script);
    m_zerin.bars.draggedScript = script;
}

bool CommandRunner::topMouseDown(int index, MouseButton button, int shiftState) {
    ModeBars& bars = m_zerin.bars;
    if (button == MouseButton::Left) {
        bars.mouseDown = 1;
        bars.pressed = ButtonRef{BarId::Top, index};
        return false;
    }
    if (button != MouseButton::Right) return false;
    if ((shiftState & (kShiftBit | kCtrlBit | kAltBit)) == 0) {
        bars.pressed = ButtonRef{BarId::Top, index};
        return false;
    }
    const BarElement* b = bars.top.find(index);
    if (!b) return false;
    std::string reason;
    ShortcutTarget target{bars.desktopFolder, bars.programPath, m_zerin.programFolder};
    if (!writeDesktopShortcut(*m_zerin.fileSystem, b->script, target, reason))
        m_zerin.output.debugMessage("ERROR in desktop shortcut: " + reason);
    return true;
}

bool CommandRunner::topMouseMove(int index, int x, int y, int width, int height) {
    ModeBars& bars = m_zerin.bars;
    if (bars.mouseDown != 1 || bars.pressed != ButtonRef{BarId::Top, index}) return false;
    if (x >= 1 && y >= 1 && x <= width && y <= height) return false;
    const BarElement* b = bars.top.find(index);
    if (!b) return false;
    startDrag(ButtonRef{BarId::Top, index}, b->script);
    return true;
}

void CommandRunner::topMouseUp(int index, MouseButton button, int shiftState) {
    ModeBars& bars = m_zerin.bars;
    bars.mouseDown = 0;
    if (button == MouseButton::Left) {
        bars.pressed.reset();
        bars.draggedScript.clear();
        return;
    }
    ButtonRef ref{BarId::Top, index};
    if (button == MouseButton::Right && (shiftState & (kShiftBit | kCtrlBit | kAltBit)) == 0 && bars.pressed == ref) {
        bars.running = ref;
        if (bars.openPopupMenu) bars.openPopupMenu(ref, m_zerin.platform.keys.cursorPos());
        return;
    }
    bars.draggedScript.clear();
}

void CommandRunner::dropOnTop() { m_zerin.bars.draggedScript.clear(); }

void CommandRunner::rightMouseDown(int index, MouseButton button) {
    if (button != MouseButton::Left) return;
    m_zerin.bars.mouseDown = 1;
    m_zerin.bars.pressed = ButtonRef{BarId::Right, index};
}

bool CommandRunner::rightMouseMove(int index, float x, float y) {
    ModeBars& bars = m_zerin.bars;
    if (bars.mouseDown != 1) return false;
    if (!bars.dragTravelled(x, y)) return false;
    const BarElement* b = bars.right.find(index);
    if (!b) return false;
    startDrag(ButtonRef{BarId::Right, index}, b->script);
    return true;
}

void CommandRunner::rightMouseUp(MouseButton button) {
    m_zerin.bars.mouseDown = 0;
    if (button == MouseButton::Left) m_zerin.bars.pressed.reset();
}

bool CommandRunner::dropOnRightBar(const std::vector<std::string>& paths) {
    if (paths.empty()) return false;
    const std::string& path = paths.front();
    std::string fileName = std::filesystem::path(path).filename().string();
    std::size_t dot = fileName.rfind('.');
    std::string suffix = dot == std::string::npos ? std::string() : text::lower(fileName.substr(dot + 1));
    m_zerin.output.debugMessage(std::string(modemsg::kDropDebug) + path);
    m_zerin.output.debugMessage(std::string(modemsg::kDropSuffixDebug) + suffix);

    bool program = suffix == "exe";
    if (!program) {
        const FsResult<FileInfo> info = m_zerin.fileSystem->stat(path);
        program = info && info.value.kind == FileKind::File && (info.value.mode & 0111) != 0;
    }
    // A line break would split the script line: such a name cannot be a bar command.
    if (!program || path.find_first_of("\r\n") != std::string::npos) return false;

    std::string name = suffix == "exe" ? fileName.substr(0, fileName.size() - 4) : fileName;
    m_zerin.output.debugMessage(std::string(modemsg::kDropNameDebug) + name);
    // The path is quoted as the program-argument splitter reads it and escaped as a value,
    // so that nothing in it is substituted: the line runs exactly that program.
    std::string script = "#NAME=" + name + "\r\n#LOCATION=Bar\r\ndo_run " + escapeValue(quoteCommandWord(path)) +
                         " (source_allselected)\r\n";
    std::string key = "bar\\" + text::lower(name);
    for (const StoredScript& s : m_zerin.scripts.scripts()) {
        if (text::lower(headerValue("location", s.text) + "\\" + headerValue("name", s.text)) != key) continue;
        std::string question = std::string(modemsg::kReplacePrefix) + name + std::string(modemsg::kReplaceSuffix);
        if (m_zerin.platform.dialogs.messageBox(question, modemsg::kTitle, MsgButtons::OkCancel) != MsgResult::Ok)
            return false;
        m_zerin.scripts.remove(s.key);
        break;
    }
    // The store refuses an existing key; a script stored under the key by another
    // location/name spelling is replaced rather than silently keeping the old one.
    m_zerin.scripts.set(key, script);
    return true;
}

}  // namespace zerin
