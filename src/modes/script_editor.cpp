#include "modes/script_editor.h"

#include <algorithm>

#include "core/text.h"
#include "core/zerin.h"
#include "modes/bar_builder.h"
#include "modes/mode_messages.h"
#include "script/vocabulary.h"
#include "platform/platform.h"
#include "script/dispatcher.h"
#include "script/script_store.h"

namespace zerin {

namespace {

// The first line of a header value: a second "#name=" line would otherwise put a line
// break into the key, and the settings file (which writes the first line only) would
// bring the command back under another key.
std::string firstLine(std::string_view value) {
    return std::string(value.substr(0, std::min(value.find("\r\n"), value.size())));
}

// Whether the settings reader would take a line of `text` for the end of the block.
bool hasEndScriptLine(std::string_view text) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = std::min(text.find("\r\n", start), text.size());
        std::size_t lf = text.find('\n', start);
        // A bare LF ends a line for the reader too.
        if (lf < end) end = lf;
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (text::lower(text::trimLeft(line)) == "end script") return true;
        if (end >= text.size()) break;
        start = end + (text[end] == '\r' ? 2 : 1);
    }
    return false;
}

bool ask(Zerin& zerin, std::string_view question) {
    return zerin.platform.dialogs.messageBox(question, editormsg::kTitle, MsgButtons::OkCancel) == MsgResult::Ok;
}

bool isWordDelimiter(char c) { return c == '\r' || c == '\n' || c == '\t' || c == ' ' || c == '(' || c == ')'; }

}  // namespace

std::string headerSet(std::string_view key, std::string_view text, std::string_view value) {
    const std::string wanted = "#" + text::upper(key);
    std::size_t lineStart = 0;
    while (lineStart <= text.size()) {
        std::size_t lineEnd = std::min(text.find("\r\n", lineStart), text.size());
        std::string_view line = text.substr(lineStart, lineEnd - lineStart);
        if (text::istartsWith(line, wanted)) {
            // Only this line's "=": one on a later line would let the value swallow it.
            std::size_t eq = line.find('=');
            std::string out(text.substr(0, lineStart));
            out += eq == std::string_view::npos ? line : line.substr(0, eq);
            out += '=';
            out += value;
            out += text.substr(lineEnd);
            return out;
        }
        if (lineEnd >= text.size()) break;
        lineStart = lineEnd + 2;
    }
    return wanted + "=" + std::string(value) + "\r\n" + std::string(text);
}

std::string headerStrip(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t lineStart = 0;
    while (lineStart < text.size()) {
        std::size_t lineEnd = text.find("\r\n", lineStart);
        std::size_t next = lineEnd == std::string_view::npos ? text.size() : lineEnd + 2;
        if (text[lineStart] != '#') out += text.substr(lineStart, next - lineStart);
        lineStart = next;
    }
    return out;
}

std::string commandKey(std::string_view location, std::string_view name) {
    return text::lower(location) + "\\" + text::lower(name);
}

// do_button_from_editor -> "" : stores txtCode's text as a command.
//  1. A text without a link and without code asks whether to remove the stored command of
//     its location and name; OK removes it, Cancel goes on and stores the text.
//  2. A blank location becomes Mode\Sys\Menu; a blank name is asked for ("Ange namn").
//  3. The name and location headers are set in the text.
//  4. A command of that location and name asks whether to replace it.
//  5. The text goes to the end of the store and the top bar is rebuilt.
ButtonFromEditor buttonFromEditor(Zerin& zerin) {
    const std::string& editor = zerin.txtCode.text();
    std::string name = firstLine(headerValue("name", editor));
    std::string location = firstLine(headerValue("location", editor));
    const std::string link = headerValue("link", editor);

    if (text::trim(link).empty()) {
        std::string code = text::replaceAll(text::replaceAll(headerStrip(editor), "\t", ""), "\r\n", "");
        if (text::trim(code).empty() && ask(zerin, editormsg::kNoCode)) {
            zerin.scripts.remove(commandKey(location, name));
            BarBuilder(zerin).ModeCommandsLoad();
            return ButtonFromEditor::Removed;
        }
    }

    std::string script = editor;
    if (text::trim(location).empty()) location = std::string(kDefaultCommandLocation);
    if (text::trim(name).empty()) {
        name = firstLine(zerin.platform.dialogs.inputBox(editormsg::kAskName, zerin.settings.fontSize).value_or(""));
        if (text::trim(name).empty()) return ButtonFromEditor::Unchanged;
    }
    if (hasEndScriptLine(script)) {
        zerin.platform.dialogs.messageBox(editormsg::kEndScriptLine, editormsg::kTitle, MsgButtons::Ok);
        return ButtonFromEditor::Unchanged;
    }
    script = headerSet("name", script, name);
    script = headerSet("location", script, location);

    const std::string key = commandKey(location, name);
    const StoredScript* same = nullptr;
    for (const StoredScript& s : zerin.scripts.scripts()) {
        if (commandKey(headerValue("location", s.text), headerValue("name", s.text)) == key) {
            same = &s;
            break;
        }
    }
    // A script kept under the key whose own headers now say otherwise would make the
    // store refuse the new text: it is the same button to the user, so it is asked about.
    if (same || zerin.scripts.find(key)) {
        std::string question = std::string(modemsg::kReplacePrefix) + name + std::string(modemsg::kReplaceSuffix);
        if (!ask(zerin, question)) return ButtonFromEditor::Unchanged;
        if (same) zerin.scripts.remove(std::string(same->key));
        zerin.scripts.remove(key);
    }
    zerin.scripts.add(key, std::move(script));
    BarBuilder(zerin).ModeCommandsLoad();
    return ButtonFromEditor::Stored;
}

std::string wordAtCaret(std::string_view text, std::size_t caret) {
    caret = std::min(caret, text.size());
    std::size_t start = caret;
    while (start > 0 && !isWordDelimiter(text[start - 1])) --start;
    std::size_t end = caret;
    while (end < text.size() && !isWordDelimiter(text[end])) ++end;
    return std::string(text.substr(start, end - start));
}

bool isCommandWord(std::string_view word) {
    if (word.empty()) return false;
    return vocabulary::commandTable().find(" " + text::lower(word) + " ") != std::string::npos;
}

std::string commandHelpText(Zerin& zerin, std::string_view word) {
    const int number = vocabulary::commandNumber(text::lower(word));
    std::string title = text::upper(word);
    if (number == 0) return title;
    // Only the commands that `help` lists know "/?"; any other one would act on it
    // (do_default_save would save), so those show their name alone.
    const CommandInfo& info = kCommands[static_cast<std::size_t>(number - 1)];
    if (info.helpPlace == 0 || (info.flags & kActsOnAnyArgument) || !zerin.dispatcher.hasHandler(number))
        return title;
    std::string block = zerin.dispatcher.call(std::string(info.name) + " /?");
    if (text::trim(block).empty())
        block = zerin.dispatcher.call(std::string(info.name) + " /??");
    return text::trim(block).empty() ? title : title + "\r\n\r\n" + block;
}

void registerScriptEditorCommands(Zerin& zerin) {
    // do_button_from_editor -> ""
    zerin.dispatcher.registerHandler(Cmd::DoButtonFromEditor, [&zerin](CommandCall&) {
        buttonFromEditor(zerin);
        return std::string();
    });
}

}  // namespace zerin
