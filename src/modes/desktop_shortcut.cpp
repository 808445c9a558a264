#include "modes/desktop_shortcut.h"

#include <fstream>

#include "core/text.h"
#include "modes/script_store.h"

namespace zerin {

namespace {

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
    return text::replaceAll(quoted, "\\", "\\\\");
}

// Names become file names: no folder separators and no leading dot.
std::string safeFileName(std::string_view name) {
    std::string s(text::trim(name));
    for (char& c : s)
        if (c == '/' || c == '\\' || c == '\r' || c == '\n') c = '_';
    if (!s.empty() && s.front() == '.') s.front() = '_';
    return s;
}

std::string singleLine(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c == '\r' || c == '\n') c = ' ';
    return r;
}

}  // namespace

std::string desktopExecLine(std::string_view location, std::string_view name, const ShortcutTarget& target) {
    std::string line = quotedArgument(target.programPath.string());
    if (!target.programFolder.empty()) line += " --home " + quotedArgument(target.programFolder.string());
    line += " " + quotedArgument(std::string(location) + "\\" + std::string(name));
    return line;
}

bool writeDesktopShortcut(std::string_view script, const ShortcutTarget& target, std::string& reason) {
    std::string name = headerValue("name", script);
    std::string location = headerValue("location", script);
    std::string fileName = safeFileName(name);
    if (fileName.empty()) {
        reason = "the command has no name";
        return false;
    }
    std::filesystem::path file = target.desktopFolder / (fileName + ".desktop");
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        reason = "cannot write " + file.string();
        return false;
    }
    out << "[Desktop Entry]\n"
        << "Type=Application\n"
        << "Name=" << singleLine(name) << "\n"
        << "Exec=" << desktopExecLine(location, name, target) << "\n";
    if (!target.programFolder.empty()) out << "Path=" << target.programFolder.string() << "\n";
    out << "Terminal=false\n";
    out.close();
    if (!out) {
        reason = "cannot write " + file.string();
        return false;
    }
    std::error_code ec;
    using std::filesystem::perms;
    std::filesystem::permissions(file, perms::owner_exec, std::filesystem::perm_options::add, ec);
    return true;
}

}  // namespace zerin
