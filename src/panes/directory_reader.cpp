#include "panes/directory_reader.h"

#include <algorithm>
#include <cerrno>
#include <unordered_map>

#include "core/text.h"
#include "core/zerin.h"
#include "panes/folder_walk.h"
#include "panes/pane_messages.h"
#include "panes/pane_refresh.h"
#include "panes/pane_model.h"
#include "platform/file_system.h"
#include "platform/platform.h"

namespace zerin {

namespace {

// Windows swap files that the folder scan leaves out.
bool isSwapFile(const std::string& name) { return name == "pagefile.sys" || name == "hiberfil.sys"; }

// Case-insensitive name order, the order a user expects to find entries in.
void sortEntries(std::vector<DirEntry>& entries) {
    std::sort(entries.begin(), entries.end(), [](const DirEntry& a, const DirEntry& b) {
        const std::size_t n = std::min(a.name.size(), b.name.size());
        for (std::size_t i = 0; i < n; ++i) {
            char x = a.name[i], y = b.name[i];
            if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
            if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
            if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
        }
        return a.name.size() != b.name.size() ? a.name.size() < b.name.size() : a.name < b.name;
    });
}

std::string missingText(const std::string& path) { return folderFailureText(path, FsStatus::fromErrno(ENOENT)); }

// Names (with "/" for folders) and sizes of a cached listing text.
std::unordered_map<std::string, std::int64_t> oldSizes(const std::string& text) {
    std::unordered_map<std::string, std::int64_t> sizes;
    std::string_view rest = text;
    auto end = rest.find(text::kCrLf);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 2);
    while (!rest.empty()) {
        end = rest.find(text::kCrLf);
        ListingLine line;
        if (parseListingLine(rest.substr(0, end), line)) sizes[std::string(line.name)] = line.size;
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 2);
    }
    return sizes;
}

struct ScannedFolder {
    std::string path;
    std::vector<DirEntry> entries;
    std::vector<std::size_t> children;  // indexes of the scanned subfolders, in entry order
    std::int64_t total = 0;
    bool readable = true;
};

// Collects the tree below `path` (runs on the walk thread); returns the folder's index.
std::size_t collectTree(FileSystem& fs, const std::string& path, std::vector<ScannedFolder>& folders,
                        std::vector<std::size_t>& postOrder, WalkControl& control) {
    const std::size_t index = folders.size();
    folders.push_back({path, {}, {}, 0, true});
    std::vector<DirEntry> entries;
    if (!fs.listFolder(path, entries, true)) {
        folders[index].readable = false;
        postOrder.push_back(index);
        return index;
    }
    sortEntries(entries);
    control.folders.fetch_add(1, std::memory_order_relaxed);
    std::int64_t total = 0;
    std::vector<std::size_t> children;
    for (const DirEntry& e : entries) {
        if (control.cancel.load(std::memory_order_relaxed)) break;
        if (isSwapFile(e.name)) continue;
        if (!e.folder) {
            total += e.size;
            control.files.fetch_add(1, std::memory_order_relaxed);
        } else if (!e.link) {
            const std::size_t child = collectTree(fs, path + e.name + "/", folders, postOrder, control);
            total += folders[child].total;
            children.push_back(child);
        }
    }
    folders[index].entries = std::move(entries);
    folders[index].children = std::move(children);
    folders[index].total = total;
    postOrder.push_back(index);
    return index;
}

}  // namespace

std::string withTrailingSlash(std::string path) {
    if (!path.empty() && !path.ends_with('/')) path += '/';
    return path;
}

bool folderMissing(const FsStatus& status) {
    return !status && (status.error() == ENOENT || status.error() == ENOTDIR);
}

std::string folderFailureText(const std::string& path, const FsStatus& status) {
    const std::string quoted = "\n\"" + path + "\"";
    if (folderMissing(status)) return std::string(paneMessage::kDirectoryMissing) + quoted;
    return std::string(paneMessage::kFolderUnreadable) + status.message() + quoted;
}

FsStatus readFolder(Zerin& zerin, int pane, std::string path, bool keep) {
    PaneModel& panes = zerin.panes;
    if (path.empty()) path = panes.path(pane);
    PaneListing& listing = panes.listing(pane);
    if (!keep) listing.clear();
    listing.archive = false;
    panes.controls(pane).pathText = std::string(paneMessage::kReading) + panes.path(pane);
    panes.notifyControls(pane);

    std::vector<DirEntry> entries;
    if (const FsStatus status = zerin.fileSystem->listFolder(path, entries, true); !status) {
        zerin.platform.dialogs.messageBox(folderFailureText(path, status), "", MsgButtons::Ok);
        if (folderMissing(status)) {
            panes.setPath(pane, std::string(paneMessage::kDrives));
            listUpdate(zerin, pane);
        } else {
            // Permission denied is no reason to leave: the pane stays, empty, on its path.
            panes.controls(pane).pathText = panes.path(pane);
            panes.notifyControls(pane);
        }
        return status;
    }
    sortEntries(entries);

    // Folder sizes found earlier are carried over by full path.
    std::unordered_map<std::string, std::int64_t> carried;
    if (const std::string* cached = panes.cache.find(path); cached && !cached->empty()) {
        if (!keep)
            for (auto& [name, size] : oldSizes(*cached))
                if (name.ends_with('/')) carried[path + name.substr(0, name.size() - 1)] = size;
        panes.cache.remove(path);
    }

    std::vector<std::int64_t> measured;
    if (zerin.settings.folderSizes) {
        std::vector<std::string> roots;
        for (const DirEntry& e : entries)
            if (e.folder && !isSwapFile(e.name)) roots.push_back(path + e.name);
        if (!roots.empty()) {
            const bool complete = runWalk(zerin, pane, path, [&](WalkControl& control) {
                measured = zerin.fileSystem->folderSizes(roots, control, walkThreads());
            });
            if (!complete) measured.clear();
        }
    }

    std::string text = path;
    text += text::kCrLf;
    text.reserve(entries.size() * 24);
    std::size_t folderIndex = 0;
    for (const DirEntry& e : entries) {
        ListingEntry entry;
        entry.path = path + e.name;
        if (e.folder && !isSwapFile(e.name)) {
            if (zerin.settings.folderSizes) {
                entry.size = folderIndex < measured.size() ? measured[folderIndex] : 0;
            } else if (auto it = carried.find(entry.path); it != carried.end()) {
                entry.size = it->second;
            }
            ++folderIndex;
            appendListingLine(text, e.name, entry.size, true);
            listing.addFolder(std::move(entry));
        } else {
            entry.size = e.size;
            appendListingLine(text, e.name, entry.size, false);
            listing.addFile(std::move(entry));
        }
    }
    panes.cache.add(path, std::move(text));
    panes.controls(pane).parentEnabled = true;
    return FsStatus::ok();
}

ParseError parseListing(Zerin& zerin, int pane, const std::string& path, bool keep) {
    PaneModel& panes = zerin.panes;
    const std::string key = path.empty() ? panes.path(pane) : path;
    PaneListing& listing = panes.listing(pane);
    if (!keep) listing.clear();
    listing.archive = false;
    const std::string* cached = panes.cache.find(key);
    if (!cached) return ParseError::None;
    std::string folderPath = path;
    const ParseError error = parseListingText(*cached, folderPath, listing);
    if (error == ParseError::NoComma) zerin.platform.dialogs.messageBox(paneMessage::kNoComma, "", MsgButtons::Ok);
    if (error == ParseError::NoNewline) zerin.platform.dialogs.messageBox(paneMessage::kNoNewline, "", MsgButtons::Ok);
    return error;
}

void scanFolder(Zerin& zerin, const std::string& path, bool keepSizes, bool useFileSystemSizes) {
    std::vector<ScannedFolder> folders;
    std::vector<std::size_t> postOrder;
    FileSystem& fs = *zerin.fileSystem;
    const bool complete = runWalk(zerin, zerin.panes.sourcePane(), path, [&](WalkControl& control) {
        collectTree(fs, path, folders, postOrder, control);
    });
    if (!complete) return;

    ListingCache& cache = zerin.panes.cache;
    for (std::size_t index : postOrder) {
        const ScannedFolder& folder = folders[index];
        if (!folder.readable) {
            zerin.output.print(missingText(folder.path));
            continue;
        }
        std::unordered_map<std::string, std::int64_t> old;
        if (const std::string* cached = cache.find(folder.path)) {
            if (keepSizes) old = oldSizes(*cached);
            cache.remove(folder.path);
        }
        std::string text = folder.path;
        text += text::kCrLf;
        std::size_t child = 0;
        for (const DirEntry& e : folder.entries) {
            if (isSwapFile(e.name)) continue;
            if (!e.folder) {
                appendListingLine(text, e.name, e.size, false);
                continue;
            }
            std::int64_t size = 0;
            const bool walked = !e.link && child < folder.children.size();
            if (useFileSystemSizes && walked) {
                size = folders[folder.children[child]].total;
            } else if (keepSizes) {
                if (auto it = old.find(e.name + "/"); it != old.end()) size = it->second;
            }
            if (walked) ++child;
            appendListingLine(text, e.name, size, true);
        }
        cache.add(folder.path, std::move(text));
    }
}

std::vector<std::string> folderEntryNames(Zerin& zerin, const std::string& path) {
    std::vector<DirEntry> entries;
    std::vector<std::string> names;
    if (!zerin.fileSystem->listFolder(path, entries, false)) return names;
    sortEntries(entries);
    names.reserve(entries.size());
    for (auto& e : entries) names.push_back(std::move(e.name));
    return names;
}

}  // namespace zerin
