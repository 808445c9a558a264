#include "modes/desktop_shortcut.h"


#include "core/text.h"
#include "platform/file_system.h"
#include "script/script_store.h"

namespace zerin {

namespace {

// A key's value on one line: the value level's escapes for a backslash and for the
// control characters that would end the line or change its meaning.
std::string valueEscaped(std::string_view value) {
    std::string out;
    for (char c : value) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return out;
}

// One argument in double quotes: the quoting level escapes " ` $ \, then the value level
// doubles every backslash; "%" is the field-code escape.
std::string quotedArgument(std::string_view arg) {
    std::string quoted = "\"";
    for (char c : arg) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        if (c == '%') quoted += '%';
        quoted += c;
    }
    quoted += '"';
    return valueEscaped(quoted);
}

// Names become file names: no folder separators and no leading dot.
std::string safeFileName(std::string_view name) {
    std::string s(text::trim(name));
    for (char& c : s)
        if (c == '/' || c == '\\' || c == '\r' || c == '\n') c = '_';
    if (!s.empty() && s.front() == '.') s.front() = '_';
    return s;
}

// A name shown on the desktop: its line breaks become blanks.
std::string singleLine(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c == '\r' || c == '\n') c = ' ';
    return valueEscaped(r);
}

}  // namespace

std::string desktopExecLine(std::string_view location, std::string_view name, const ShortcutTarget& target) {
    std::string line = quotedArgument(target.programPath.string());
    if (!target.programFolder.empty()) line += " --home " + quotedArgument(target.programFolder.string());
    line += " " + quotedArgument(std::string(location) + "\\" + std::string(name));
    return line;
}

bool writeDesktopShortcut(FileSystem& fs, std::string_view script, const ShortcutTarget& target,
                          std::string& reason) {
    std::string name = headerValue("name", script);
    std::string location = headerValue("location", script);
    std::string fileName = safeFileName(name);
    if (fileName.empty()) {
        reason = "the command has no name";
        return false;
    }
    const std::string file = (target.desktopFolder / (fileName + ".desktop")).string();
    std::string entry = "[Desktop Entry]\nType=Application\nName=" + singleLine(name) + "\nExec=" +
                        desktopExecLine(location, name, target) + "\n";
    if (!target.programFolder.empty()) entry += "Path=" + valueEscaped(target.programFolder.string()) + "\n";
    entry += "Terminal=false\n";
    if (const FsStatus status = fs.writeFileAtomic(file, entry); !status) {
        reason = "cannot write " + file + ": " + status.message();
        return false;
    }
    // Desktops start only entries their owner may run.
    if (const FsResult<FileInfo> info = fs.stat(file)) fs.setMode(file, info.value.mode | 0100);
    return true;
}

}  // namespace zerin
