#include "commands/text_editor.h"

#include "core/text.h"
#include "core/zerin.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "script/variables.h"

namespace zerin {

namespace {

std::string inQuotes(std::string_view path) { return "\"" + std::string(path) + "\""; }

bool ask(Zerin& zerin, const std::string& question) {
    return zerin.platform.dialogs.messageBox(question, textmsg::kTitle, MsgButtons::OkCancel, MsgIcon::Question) ==
           MsgResult::Ok;
}

// What the disk has now, to see later whether someone else changed the file.
void rememberDiskState(Zerin& zerin) {
    TextEditorFile& f = zerin.editorFile;
    FsResult<FileInfo> info = zerin.fileSystem->stat(f.path);
    f.size = info.isOk() ? info.value.size : -1;
    f.modifiedNs = info.isOk() ? info.value.modifiedNs : 0;
}

bool changedOnDisk(Zerin& zerin) {
    const TextEditorFile& f = zerin.editorFile;
    FsResult<FileInfo> info = zerin.fileSystem->stat(f.path);
    if (!info.isOk() || info.value.kind == FileKind::Missing) return false;
    return info.value.size != f.size || info.value.modifiedNs != f.modifiedNs;
}

}  // namespace

std::string decodeText(std::string_view bytes, TextEncoding& encoding, bool& lfOnly) {
    lfOnly = bytes.find('\n') != std::string_view::npos && bytes.find("\r\n") == std::string_view::npos;
    if (text::isValidUtf8(bytes)) {
        encoding = TextEncoding::Utf8;
        return std::string(bytes);
    }
    encoding = TextEncoding::Windows1252;
    return text::windows1252ToUtf8(bytes);
}

bool encodeText(std::string_view textIn, TextEncoding encoding, bool lfOnly, std::string& bytes) {
    // The editor breaks new lines with CR LF; a file of bare LFs keeps its style.
    std::string lines = lfOnly ? text::replaceAll(textIn, "\r\n", "\n") : std::string(textIn);
    if (encoding == TextEncoding::Utf8) {
        bytes = std::move(lines);
        return true;
    }
    return text::utf8ToWindows1252(lines, bytes);
}

bool readTextFile(Zerin& zerin, const std::string& path, std::string& out, TextEncoding& encoding, bool& lfOnly) {
    FsResult<FileInfo> info = zerin.fileSystem->stat(path);
    if (info.isOk() && info.value.size > kMaxEditorFileBytes) {
        zerin.platform.dialogs.messageBox(inQuotes(path) + std::string(textmsg::kTooLarge), textmsg::kTitle,
                                          MsgButtons::Ok, MsgIcon::Warning);
        return false;
    }
    std::string bytes;
    if (!zerin.fileSystem->readFile(path, bytes)) {
        zerin.output.debugMessage(std::string(textmsg::kReadFailed) + path);
        return false;
    }
    out = decodeText(bytes, encoding, lfOnly);
    return true;
}

bool textEditorModified(const Zerin& zerin) {
    if (zerin.editorFile.path.empty()) return !zerin.txtEditor.text().empty() &&
                                              zerin.txtEditor.revision() != zerin.editorFile.savedRevision;
    return zerin.txtEditor.revision() != zerin.editorFile.savedRevision;
}

bool openTextFile(Zerin& zerin, const std::string& path) {
    if (textEditorModified(zerin) && !confirmCloseTextEditor(zerin)) return false;
    std::string content;
    TextEditorFile f;
    if (!readTextFile(zerin, path, content, f.encoding, f.lfOnly)) return false;
    zerin.txtEditor.setText(std::move(content));
    zerin.txtEditor.select(0, 0);
    f.path = path;
    f.savedRevision = zerin.txtEditor.revision();
    zerin.editorFile = f;
    rememberDiskState(zerin);
    showTextDisplayMode(zerin);
    return true;
}

void detachTextEditorFile(Zerin& zerin) {
    zerin.editorFile.path.clear();
    zerin.editorFile.encoding = TextEncoding::Utf8;
    zerin.editorFile.lfOnly = false;
}

SaveResult saveTextEditor(Zerin& zerin) {
    TextEditorFile& f = zerin.editorFile;
    std::string path = f.path;
    if (path.empty()) {
        std::optional<std::string> answer = zerin.platform.dialogs.inputBox(textmsg::kSaveAs, zerin.settings.fontSize);
        path = std::string(text::trim(answer.value_or("")));
        if (path.empty()) return SaveResult::Cancelled;
        FsResult<FileInfo> info = zerin.fileSystem->stat(path);
        if (info.isOk() && info.value.kind != FileKind::Missing && !ask(zerin, inQuotes(path) + std::string(textmsg::kOverwrite)))
            return SaveResult::Cancelled;
    } else if (changedOnDisk(zerin) && !ask(zerin, inQuotes(path) + std::string(textmsg::kChangedOnDisk))) {
        return SaveResult::Cancelled;
    }
    TextEncoding encoding = path == f.path ? f.encoding : TextEncoding::Utf8;
    const bool lfOnly = path == f.path && f.lfOnly;
    std::string bytes;
    if (!encodeText(zerin.txtEditor.text(), encoding, lfOnly, bytes)) {
        if (!ask(zerin, std::string(textmsg::kNot1252))) return SaveResult::Cancelled;
        encoding = TextEncoding::Utf8;
        encodeText(zerin.txtEditor.text(), encoding, lfOnly, bytes);
    }
    if (!zerin.fileSystem->writeFileAtomic(path, bytes)) {
        std::string message = std::string(textmsg::kSaveFailed) + path;
        zerin.output.debugMessage(message);
        zerin.platform.dialogs.messageBox(message, textmsg::kTitle, MsgButtons::Ok, MsgIcon::Warning);
        return SaveResult::Failed;
    }
    f.path = path;
    f.encoding = encoding;
    f.lfOnly = lfOnly;
    f.savedRevision = zerin.txtEditor.revision();
    rememberDiskState(zerin);
    zerin.output.debugMessage(std::string(textmsg::kSaved) + path);
    return SaveResult::Saved;
}

bool confirmCloseTextEditor(Zerin& zerin) {
    if (!textEditorModified(zerin)) return true;
    std::string question(textmsg::kUnsaved);
    if (!zerin.editorFile.path.empty()) question += " to " + inQuotes(zerin.editorFile.path);
    question += textmsg::kSaveThem;
    switch (zerin.platform.dialogs.messageBox(question, textmsg::kTitle, MsgButtons::YesNoCancel, MsgIcon::Question)) {
    case MsgResult::Yes: return saveTextEditor(zerin) == SaveResult::Saved;
    case MsgResult::No: return true;
    default: return false;
    }
}

void showTextDisplayMode(Zerin& zerin) {
    zerin.publicVars.assign("do.mode", "dom_text");
    if (!zerin.publicVars.indexed("do.mode")) zerin.publicVars.indexAppend("do.mode");
    zerin.ui->refreshLayout();
}

}  // namespace zerin
