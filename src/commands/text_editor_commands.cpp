// The text editor commands: loading the source pane's selected file as text, line by
// line or as a hexadecimal dump, listing the pane's paths, and the font size.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "commands/text_editor.h"
#include "commands/text_editor_commands.h"
#include "core/text.h"
#include "core/zerin.h"
#include "script/value.h"
#include "panes/pane_model.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "script/dispatcher.h"

namespace zerin {

namespace {

constexpr std::string_view kLoadUnicodeDescription = "Load Selected File as Unicode to Text Editor";
constexpr std::string_view kLoadHexDescription = "Load Selected File as Hexadecimal to Text Editor";
constexpr std::string_view kFileListDescription = "Outputs All files in Source to Text Editor";
constexpr std::string_view kLargerDescription = "Increases Text Size";
constexpr std::string_view kSmallerDescription = "Decrease Text Size";
constexpr std::string_view kLargerBlock =
    "# Increases Text Size\r\n#\r\n# DO_FONT_LARGER [steps]\r\n# steps  - Number of points to increase\r\n";
constexpr std::string_view kSmallerBlock =
    "# Decrease Text Size\r\n#\r\n# DO_FONT_SMALLER [steps]\r\n# steps  - Number of points to decrease\r\n";
constexpr int kMinFontSize = 7;
constexpr std::size_t kHexBytesPerLine = 18;
constexpr std::size_t kHexColumnWidth = 3 * kHexBytesPerLine;

const ListItem* selectedItem(Zerin& z) {
    for (const ListItem& item : z.panes.list(z.panes.sourcePane()).items())
        if (item.selected) return &item;
    return nullptr;
}

bool fileExists(Zerin& z, const std::string& path) {
    FsResult<FileInfo> info = z.fileSystem->stat(path);
    return info.isOk() && info.value.kind == FileKind::File;
}

std::string trimmedName(const std::string& tag) {
    std::size_t slash = tag.find_last_of('/', tag.size() > 1 ? tag.size() - 2 : std::string::npos);
    return slash == std::string::npos ? tag : tag.substr(slash + 1);
}

// do_text_load -> "" : asks, then appends the selected file's text at the very end
std::string doTextLoad(Zerin& z) {
    const ListItem* item = selectedItem(z);
    if (!item || item->tag.ends_with('/')) return {};
    const std::string path = item->tag;
    const std::string question = "Edit \"" + trimmedName(path) + "\"?";
    if (z.platform.dialogs.messageBox(question, "Edit?", MsgButtons::OkCancel) != MsgResult::Ok) return {};
    if (!fileExists(z, path)) return {};
    std::string content;
    TextEditorFile f;
    if (!readTextFile(z, path, content, f.encoding, f.lfOnly)) return {};
    // Into an empty editor the text is that file's, and Ctrl+S saves it back there.
    const bool alone = z.txtEditor.text().empty();
    z.txtEditor.append(content);
    if (alone) {
        f.path = path;
        f.savedRevision = z.txtEditor.revision();
        FsResult<FileInfo> info = z.fileSystem->stat(path);
        f.size = info.isOk() ? info.value.size : -1;
        f.modifiedNs = info.isOk() ? info.value.modifiedNs : 0;
        z.editorFile = f;
    } else {
        detachTextEditorFile(z);
    }
    return {};
}

// do_text_loadunicode -> its description : the file's lines, each ended by CR LF, at the
// caret; the file joins the list of loaded text files
std::string doTextLoadUnicode(Zerin& z, std::string_view arg) {
    if (arg == "/??") return std::string(kLoadUnicodeDescription);
    const ListItem* item = selectedItem(z);
    if (!item || !fileExists(z, item->tag)) return std::string(kLoadUnicodeDescription);
    const std::string path = item->tag;
    std::string content;
    TextEncoding encoding;
    bool lfOnly;
    if (!readTextFile(z, path, content, encoding, lfOnly)) return std::string(kLoadUnicodeDescription);
    std::string lines;
    lines.reserve(content.size() + content.size() / 16);
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t lf = content.find('\n', start);
        std::size_t end = lf == std::string::npos ? content.size() : lf;
        std::size_t cut = end > start && content[end - 1] == '\r' ? end - 1 : end;
        lines.append(content, start, cut - start).append("\r\n");
        start = lf == std::string::npos ? content.size() : lf + 1;
    }
    // One edit instead of the appends of 32760 characters: the view redraws once.
    TextBox& box = z.txtEditor;
    const std::size_t caret = box.selStart();
    std::string tail = box.text().substr(caret);
    box.select(caret, tail.size());
    box.replaceSelection(lines + tail);
    box.select(caret, lines.size());
    z.panes.textList.push_back(path);
    detachTextEditorFile(z);
    return std::string(kLoadUnicodeDescription);
}

}  // namespace

std::string hexDump(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 4 + bytes.size() / kHexBytesPerLine * 4 + 64);
    char digits[4];
    for (std::size_t line = 0; line < bytes.size(); line += kHexBytesPerLine) {
        std::string_view part = bytes.substr(line, kHexBytesPerLine);
        std::size_t before = out.size();
        for (unsigned char c : part) {
            std::snprintf(digits, sizeof digits, "%02X ", c);
            out += digits;
        }
        if (out.size() - before < kHexColumnWidth) out.append(kHexColumnWidth - (out.size() - before), ' ');
        out += ' ';
        for (unsigned char c : part) out += c >= 32 ? static_cast<char>(c) : '.';
        out += "\r\n";
    }
    // A byte of 128 or more shows as its Windows-1252 character, the same whatever
    // bytes stand around it.
    return text::windows1252ToUtf8(out);
}

int fontSizeAfter(int size, std::string_view arg, bool larger) {
    double steps = val(arg);
    if (steps == 0 || !std::isfinite(steps)) steps = 1;
    double next = std::nearbyint(size + (larger ? steps : -steps));
    next = std::clamp(next, -32768.0, 32767.0);
    int result = static_cast<int>(next);
    if (!larger && result < kMinFontSize) result = kMinFontSize;
    return result;
}

void registerTextEditorCommands(Zerin& zerin) {
    Zerin& z = zerin;
    Dispatcher& d = zerin.dispatcher;
    zerin.openInTextEditor = [&z](const std::string& path) { return openTextFile(z, path); };
    d.registerHandler(Cmd::DoTextLoad, [&z](CommandCall&) { return doTextLoad(z); });
    d.registerHandler(Cmd::DoTextLoadunicode, [&z](CommandCall& c) { return doTextLoadUnicode(z, c.arg); });

    // do_text_loadhex -> its description : a dump of 18 bytes a line after the selection
    d.registerHandler(Cmd::DoTextLoadhex, [&z](CommandCall& c) {
        if (c.arg == "/??") return std::string(kLoadHexDescription);
        const ListItem* item = selectedItem(z);
        if (!item || !fileExists(z, item->tag)) return std::string(kLoadHexDescription);
        FsResult<FileInfo> info = z.fileSystem->stat(item->tag);
        // The dump is four times the file: the editor's limit applies to that.
        if (info.isOk() && info.value.size > kMaxEditorFileBytes / 4) {
            z.platform.dialogs.messageBox("\"" + item->tag + "\"" + std::string(textmsg::kTooLarge), textmsg::kTitle,
                                          MsgButtons::Ok, MsgIcon::Warning);
            return std::string(kLoadHexDescription);
        }
        std::string bytes;
        if (!z.fileSystem->readFile(item->tag, bytes)) return std::string(kLoadHexDescription);
        z.txtEditor.insertAfterSelection(hexDump(bytes));
        detachTextEditorFile(z);
        return std::string(kLoadHexDescription);
    });

    // do_text_filelist -> its description : the tags of the source pane's items
    d.registerHandler(Cmd::DoTextFilelist, [&z](CommandCall& c) {
        if (c.arg == "/??") return std::string(kFileListDescription);
        std::string all;
        for (const ListItem& item : z.panes.list(z.panes.sourcePane()).items()) all += item.tag + "\r\n";
        z.txtEditor.insertAfterSelection(all);
        detachTextEditorFile(z);
        return std::string(kFileListDescription);
    });

    // do_font_larger [steps] -> its description
    d.registerHandler(Cmd::DoFontLarger, [&z](CommandCall& c) {
        std::string help;
        if (answerHelp(c.arg, HelpText{kLargerDescription, kLargerBlock, true}, help)) return help;
        z.settings.fontSize = static_cast<std::int16_t>(fontSizeAfter(z.settings.fontSize, c.arg, true));
        z.ui->fontSizeChanged();
        return std::string(kLargerDescription);
    });

    // do_font_smaller [steps] -> the new font size, never below 7
    d.registerHandler(Cmd::DoFontSmaller, [&z](CommandCall& c) {
        std::string help;
        if (answerHelp(c.arg, HelpText{kSmallerDescription, kSmallerBlock, true}, help)) return help;
        z.settings.fontSize = static_cast<std::int16_t>(fontSizeAfter(z.settings.fontSize, c.arg, false));
        z.ui->fontSizeChanged();
        return strFormat(std::int64_t{z.settings.fontSize});
    });
}

}  // namespace zerin
