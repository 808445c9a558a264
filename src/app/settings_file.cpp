#include "app/settings_file.h"

#include <cerrno>
#include <cstdint>
#include <exception>
#include <limits>
#include <vector>

#include "core/text.h"
#include "app/program.h"
#include "media/image_viewer.h"
#include "script/value.h"

namespace zerin {

namespace {

constexpr std::string_view kCrLf = text::kCrLf;

// Hands out the file's lines. CR LF ends a line, and so does a bare LF: files edited on
// Linux come without the CR.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_text(text) {}

    bool next(std::string_view& line) {
        if (m_pos >= m_text.size()) return false;
        std::size_t lf = m_text.find('\n', m_pos);
        std::size_t end = lf == std::string_view::npos ? m_text.size() : lf;
        line = m_text.substr(m_pos, end - m_pos);
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        m_pos = lf == std::string_view::npos ? m_text.size() : lf + 1;
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// Splits at the first "::"; false when there is none.
bool splitPair(std::string_view value, std::string_view& before, std::string_view& after) {
    std::size_t sep = value.find("::");
    if (sep == std::string_view::npos) return false;
    before = value.substr(0, sep);
    after = value.substr(sep + 2);
    return true;
}

// A "script" line: its first word (up to and including the first blank), lower-cased
// and trimmed, is "script"; the name is everything after that blank.
bool isScriptLine(std::string_view line, std::string_view& name) {
    std::size_t blank = line.find(' ');
    std::string_view word = blank == std::string_view::npos ? line : line.substr(0, blank + 1);
    if (text::lower(text::trim(word)) != "script") return false;
    name = blank == std::string_view::npos ? std::string_view{} : line.substr(blank + 1);
    return true;
}

bool isEndScriptLine(std::string_view line) { return text::lower(text::trimLeft(line)) == "end script"; }

bool isEndCommandLine(std::string_view line) { return text::istartsWith(text::trimLeft(line), "END COMMAND)"); }

// A timer interval: a whole number of milliseconds, never negative.
bool readInterval(double number, std::int32_t& out) {
    double r = roundHalfEven(number);
    if (!(r >= 0 && r <= static_cast<double>(std::numeric_limits<std::int32_t>::max()))) return false;
    out = static_cast<std::int32_t>(r);
    return true;
}

class SettingsReader {
public:
    SettingsReader(Zerin& zerin, std::string_view text) : m_zerin(zerin), m_lines(text) {}

    void run() {
        std::string_view line;
        while (m_lines.next(line)) {
            if (!line.empty() && line.front() == '[') continue;
            std::string_view name;
            // Checked before the "=" test: a script whose name holds "=" must still be
            // read as a block, or its lines would be taken for settings.
            if (isScriptLine(line, name)) {
                readScriptBlock(std::string(name));
                continue;
            }
            std::size_t eq = line.find('=');
            if (eq == std::string_view::npos) {
                keep(line);
                continue;
            }
            if (!applyKey(text::lower(line.substr(0, eq)), line.substr(eq + 1))) keep(line);
        }
    }

private:
    void readScriptBlock(std::string name) {
        std::string body;
        bool any = false;
        bool ended = false;
        std::string_view line;
        while (m_lines.next(line)) {
            if (isEndScriptLine(line)) {
                ended = true;
                break;
            }
            if (any) body += kCrLf;
            body += line;
            any = true;
        }
        if (!ended || !any) return;
        std::string key = text::lower(name);
        m_zerin.scripts.add(key, std::move(body));
        if (key != "on\\load") return;
        const std::string* stored = m_zerin.scripts.find(key);
        if (!stored) return;
        m_zerin.txtOnLoad.setText(*stored);
        try {
            m_zerin.interpreter.RunEditor("", &m_zerin.txtOnLoad, "");
        } catch (const std::exception&) {
            // The reader goes on after a failing script; the run reports its own errors.
        }
    }

    // A line the writer would not give back. Blank lines are the writer's own layout.
    void keep(std::string_view line) {
        if (!text::trim(line).empty()) m_zerin.settings.keptLines.emplace_back(line);
    }

    // False for a key the writer does not write.
    bool applyKey(const std::string& key, std::string_view value) {
        Settings& s = m_zerin.settings;
        const double number = val(value);
        std::int16_t n = 0;
        const bool fits = toInt16(number, n);
        if (const SettingKey* k = findSettingKey(key)) {
            switch (k->kind) {
                case SettingKind::Flag:
                    if (fits) s.*(k->flag) = n == 1;
                    break;
                case SettingKind::OnlyOn:
                    // Never written from the record: the line itself is kept.
                    if (fits && n == 1) s.*(k->flag) = true;
                    return false;
                case SettingKind::Number:
                    if (fits) s.*(k->number) = n;
                    break;
                case SettingKind::Interval: readInterval(number, s.*(k->interval)); break;
                case SettingKind::SlideInterval: {
                    std::int32_t ms = 0;
                    if (readInterval(number, ms)) s.*(k->interval) = s.slideTimerInterval = ms;
                    break;
                }
                case SettingKind::PanePath: setPanePath(k->pane, value); break;
                case SettingKind::Text: s.*(k->text) = std::string(text::trim(value)); break;
            }
            return true;
        }
        if (key == "pathgroup") {
            // An eleventh group is dropped together with the lines that follow it.
            m_droppingGroup = !m_zerin.pathGroups.addGroup(std::string(value));
        } else if (key == "pathgroup_open") {
            if (!m_droppingGroup && fits) m_zerin.pathGroups.group(m_zerin.pathGroups.count()).open = n == 1;
        } else if (key == "path") {
            std::string_view caption, target;
            if (!m_droppingGroup && splitPair(value, caption, target))
                m_zerin.pathGroups.addPath(m_zerin.pathGroups.count(), {std::string(caption), std::string(target)});
        } else if (key == "modegroup") {
            std::string_view name, location;
            if (splitPair(value, name, location)) m_zerin.modeGroups.add(std::string(name), std::string(location));
        } else if (key == "modecmd") readLegacyCommand(value);
        else if (key == "il") m_zerin.imageList.paths.emplace_back(value);
        else return false;
        return true;
    }

    void setPanePath(int pane, std::string_view value) {
        panePathField(m_zerin.settings, pane) = std::string(value);
        m_zerin.panes.setPath(pane, std::string(value));
    }

    // modecmd=group::name::script, or a block when the script begins with "(".
    void readLegacyCommand(std::string_view value) {
        std::string_view groupName, rest, commandName, script;
        if (!splitPair(value, groupName, rest) || !splitPair(rest, commandName, script)) return;
        std::string text;
        if (!script.empty() && script.front() == '(') {
            // The block is read to its end even when its group is unknown, so that its
            // lines are never taken for settings.
            text = std::string(script.substr(1));
            text += kCrLf;
            bool ended = false;
            std::string_view line;
            while (m_lines.next(line)) {
                if (isEndCommandLine(line)) {
                    ended = true;
                    break;
                }
                text += line;
                text += kCrLf;
            }
            if (!ended) return;
        } else {
            text = std::string(script);
        }
        if (ModeGroup* group = m_zerin.modeGroups.findByName(groupName))
            m_zerin.modeGroups.addLegacy(*group, {std::string(commandName), std::move(text)});
    }

    Zerin& m_zerin;
    LineReader m_lines;
    bool m_droppingGroup = false;
};

// A value written on one line of the file must not carry a line break, or the rest of
// it would be read back as lines of its own.
std::string_view oneLine(std::string_view s) {
    std::size_t end = s.find_first_of("\r\n");
    return end == std::string_view::npos ? s : s.substr(0, end);
}

const char* flagText(bool on) { return on ? "1" : "0"; }

// A legacy mode command in the form the reader takes back: one line for a one-line
// script, else a block that opens with "(" and closes with "END COMMAND)". The reader
// ends every line of a block with CR LF, so a block text already ends with one.
std::string legacyCommandLines(std::string_view groupName, const LegacyCommand& command) {
    std::string out = "modecmd=" + std::string(oneLine(groupName)) + "::" + std::string(oneLine(command.name)) + "::";
    const std::string& script = command.script;
    if (script.find_first_of("\r\n") == std::string::npos && !script.starts_with('(')) {
        out += script;
        out += kCrLf;
        return out;
    }
    out += '(';
    out += script;
    if (!script.ends_with(kCrLf)) out += kCrLf;
    out += "END COMMAND)";
    out += kCrLf;
    return out;
}

}  // namespace

std::filesystem::path settingsPath(const Zerin& zerin) { return zerin.programFolder / kSettingsFileName; }

void loadSettingsText(Zerin& zerin, std::string_view fileContent) {
    // Every key the file leaves out has its default.
    Settings& s = zerin.settings;
    s = Settings{};
    zerin.panes.setPath(0, s.leftPath);
    zerin.panes.setPath(1, s.rightPath);

    std::string decoded;
    if (!text::isValidUtf8(fileContent)) {
        // A file that is not UTF-8 was written in the Windows-1252 code page.
        decoded = text::windows1252ToUtf8(fileContent);
        fileContent = decoded;
    }
    if (fileContent.starts_with("\xEF\xBB\xBF")) fileContent.remove_prefix(3);

    zerin.loadingSettings = true;
    SettingsReader(zerin, fileContent).run();
    zerin.loadingSettings = false;
    // The window's image list shows what the file listed.
    if (zerin.imageList.view) zerin.imageList.view->listChanged();
}

void SettingsLoad(Zerin& zerin) {
    std::string content;
    const std::string path = settingsPath(zerin).string();
    const FsStatus status = zerin.fileSystem->readFile(path, content);
    // A missing file is a first start, not a failure.
    if (!status && status.error() != ENOENT)
        zerin.output.debugMessage(std::string(settings_messages::kLoadFailed) + "cannot read " + path + ": " +
                                  status.message());
    if (!status) content.clear();
    loadSettingsText(zerin, content);
}

std::string settingsText(const Zerin& zerin) {
    const Settings& s = zerin.settings;
    std::string out;
    out.reserve(4096);
    auto line = [&out](std::string_view a, std::string_view b = {}, std::string_view c = {}) {
        out += a;
        out += b;
        out += c;
        out += kCrLf;
    };
    auto panePath = [&zerin](int pane, const std::string& field) -> std::string_view {
        const std::string& shown = zerin.panes.path(pane);
        return oneLine(shown.empty() ? field : shown);
    };

    for (const SettingKey& k : kSettingKeys) {
        std::string value;
        switch (k.kind) {
            case SettingKind::Flag: value = flagText(s.*(k.flag)); break;
            case SettingKind::Number: value = std::to_string(s.*(k.number)); break;
            case SettingKind::Interval:
            case SettingKind::SlideInterval: value = std::to_string(s.*(k.interval)); break;
            case SettingKind::PanePath: value = panePath(k.pane, panePathField(s, k.pane)); break;
            case SettingKind::OnlyOn: continue;
            case SettingKind::Text:
                if ((s.*(k.text)).empty()) continue;
                value = oneLine(s.*(k.text));
                break;
        }
        line(std::string(k.key) + "=", value);
    }
    for (const std::string& kept : s.keptLines) line(oneLine(kept));

    out += kCrLf;
    line("[PATHS]");
    for (int g = 0; g <= zerin.pathGroups.count(); ++g) {
        const PathGroup& group = zerin.pathGroups.group(g);
        if (g >= 1) {
            out += kCrLf;
            line("pathgroup=", oneLine(group.name));
        }
        for (const PathEntry& p : group.paths) {
            std::string pair = std::string(oneLine(p.caption)) + "::";
            line("path=", pair, oneLine(p.target));
        }
        line("pathgroup_open=", flagText(group.open));
    }

    out += kCrLf;
    line("[MODES]");
    for (const ModeGroup& group : zerin.modeGroups.all()) {
        std::string pair = std::string(oneLine(group.name)) + "::";
        line("modegroup=", pair, oneLine(group.locationKey));
        // Right after their own group line: the reader gives a "modecmd" line to the
        // last group of that name read so far, which is this one even when an earlier
        // group has the same name.
        for (const LegacyCommand& command : group.legacy) out += legacyCommandLines(group.name, command);
    }

    out += kCrLf;
    line("[SCRIPTS]");
    for (const StoredScript& script : zerin.scripts.scripts()) {
        // The name comes from the script's own header lines, not from its key. With
        // several "#name=" lines the lookup joins them with line breaks; the first
        // line is the name, the rest would break the block apart.
        std::string location = headerValue("location", script.text);
        std::string name = headerValue("name", script.text);
        std::string prefix = text::trim(oneLine(location)).empty() ? "" : std::string(oneLine(location)) + "\\";
        line("script ", prefix, oneLine(name));
        line(script.text);
        line("end script");
        line("");
    }

    if (!zerin.imageList.paths.empty()) {
        out += kCrLf;
        line("[IMAGELIST]");
        for (const std::string& path : zerin.imageList.paths) line("IL=", oneLine(path));
    }
    return out;
}

bool do_default_save(Zerin& zerin) {
    if (zerin.loadingSettings) {
        zerin.output.debugMessage(settings_messages::kSaveWhileLoading);
        return false;
    }
    const FsStatus status = zerin.fileSystem->writeFileAtomic(settingsPath(zerin).string(), settingsText(zerin));
    if (!status) {
        zerin.output.debugMessage(std::string(settings_messages::kSaveFailed) + status.message());
        return false;
    }
    return true;
}

void registerSettingsCommands(Zerin& zerin) {
    // do_default_save -> ""
    zerin.dispatcher.registerHandler(Cmd::DoDefaultSave, [&zerin](CommandCall&) {
        do_default_save(zerin);
        return std::string();
    });
}

}  // namespace zerin
