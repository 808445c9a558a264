#include "panes/copy_engine.h"

#include <cerrno>
#include <optional>
#include <vector>

#include "panes/file_copy.h"

namespace zerin {

namespace {

std::string parentOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string join(const std::string& folder, const std::string& name) {
    return (folder == "/" ? "" : folder) + "/" + name;
}

std::string withoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// The path with the links of its folders resolved but not a link at its end, so that a
// link is compared as itself and a target that does not exist yet can still be placed.
std::string placeOf(FileSystem& fs, const std::string& path) {
    const FsResult<std::string> folder = fs.canonical(parentOf(path));
    return folder ? join(folder.value, nameOf(path)) : path;
}

// One thing to copy, found before the copy starts so the total is known.
struct Item {
    std::string source;
    std::string target;
    FileInfo info;
};

class TreeCopy {
public:
    TreeCopy(FileSystem& fs, const CopyCallbacks& callbacks) : m_fs(fs), m_cb(callbacks) {}

    CopyResult run(const std::string& source, const std::string& target) {
        const FsResult<FileInfo> top = m_fs.stat(source, false);
        if (!top) return fail(top.status.about("cannot copy " + source));
        if (top.value.kind == FileKind::Other)
            return fail(FsStatus::failure(EINVAL, "cannot copy " + source + ": not a file, folder or link"));
        if (FsStatus s = refuseSelfCopy(source, target, top.value.kind == FileKind::Folder); !s) return fail(s);
        std::vector<Item> items;
        if (FsStatus s = plan(source, target, top.value, items); !s) return finish(s);
        for (const Item& item : items) {
            if (FsStatus s = copyItem(item); !s) {
                finishFolders();
                return finish(s);
            }
        }
        finishFolders();
        return finish(FsStatus::ok());
    }

private:
    bool cancelled() const { return m_cb.cancel && m_cb.cancel->load(); }

    CopyResult fail(const FsStatus& status) {
        m_result.outcome = CopyOutcome::Failed;
        m_result.status = status;
        return m_result;
    }

    CopyResult finish(const FsStatus& status) {
        if (status) return m_result;
        if (status.error() == ECANCELED) {
            m_result.outcome = CopyOutcome::Cancelled;
            m_result.status = status;
            return m_result;
        }
        return fail(status);
    }

    FsStatus refuseSelfCopy(const std::string& source, const std::string& target, bool folder) {
        const std::string from = placeOf(m_fs, source);
        const std::string to = placeOf(m_fs, target);
        if (from == to) return FsStatus::failure(EINVAL, "cannot copy " + source + " onto itself");
        const FsResult<FileInfo> a = m_fs.stat(source, false);
        const FsResult<FileInfo> b = m_fs.stat(target, false);
        if (a && b && a.value.device == b.value.device && a.value.inode == b.value.inode)
            return FsStatus::failure(EINVAL, "cannot copy " + source + " onto itself");
        if (folder) {
            const FsResult<std::string> real = m_fs.canonical(source);
            const std::string inside = (real ? real.value : from) + "/";
            if (to.compare(0, inside.size(), inside) == 0)
                return FsStatus::failure(EINVAL, "cannot copy the folder " + source + " into its own subfolder " + target);
        }
        return FsStatus::ok();
    }

    FsStatus plan(const std::string& source, const std::string& target, const FileInfo& info,
                  std::vector<Item>& items) {
        if (cancelled()) return FsStatus::fromErrno(ECANCELED);
        items.push_back({source, target, info});
        if (info.kind == FileKind::File) m_total += static_cast<std::uint64_t>(info.size);
        if (info.kind != FileKind::Folder) return FsStatus::ok();
        std::vector<DirEntry> entries;
        if (FsStatus s = m_fs.listFolder(source, entries, false); !s) return s.about("cannot read " + source);
        for (const DirEntry& e : entries) {
            const std::string from = join(source, e.name);
            const FsResult<FileInfo> child = m_fs.stat(from, false);
            if (!child) return child.status.about("cannot read " + from);
            if (FsStatus s = plan(from, join(target, e.name), child.value, items); !s) return s;
        }
        return FsStatus::ok();
    }

    bool tellProgress(const std::string& file, std::uint64_t done) {
        if (cancelled()) return false;
        return !m_cb.progress || m_cb.progress({file, done, m_total});
    }

    // What to do about an existing target; Cancel becomes ECANCELED.
    ConflictChoice decide(const Item& item) {
        if (m_all) return *m_all;
        ConflictAnswer answer = m_cb.conflict ? m_cb.conflict(item.source, item.target) : ConflictAnswer{};
        if (answer.applyToAll && answer.choice != ConflictChoice::Cancel) m_all = answer.choice;
        return answer.choice;
    }

    bool insideSkipped(const std::string& target) const {
        for (const std::string& s : m_skippedFolders)
            if (target.compare(0, s.size() + 1, s + "/") == 0) return true;
        return false;
    }

    FsStatus copyItem(const Item& item) {
        if (insideSkipped(item.target)) {
            if (item.info.kind == FileKind::File) m_done += static_cast<std::uint64_t>(item.info.size);
            ++m_result.skipped;
            return FsStatus::ok();
        }
        if (!tellProgress(item.source, m_done)) return FsStatus::fromErrno(ECANCELED);
        if (item.info.kind == FileKind::Other) {
            ++m_result.skipped;
            m_result.notCopied.push_back(item.source);
            return FsStatus::ok();
        }
        std::string target = renamedPlace(item.target);
        bool replace = false;
        const FsResult<FileInfo> existing = m_fs.stat(target, false);
        if (!existing && existing.status.error() != ENOENT) return existing.status.about("cannot copy to " + target);
        const bool folderIntoFolder = existing && item.info.kind == FileKind::Folder && existing.value.kind == FileKind::Folder;
        if (existing && !folderIntoFolder) {
            switch (decide(item)) {
            case ConflictChoice::Cancel: return FsStatus::fromErrno(ECANCELED);
            case ConflictChoice::Skip:
                ++m_result.skipped;
                if (item.info.kind == FileKind::File) m_done += static_cast<std::uint64_t>(item.info.size);
                if (item.info.kind == FileKind::Folder) m_skippedFolders.push_back(item.target);
                return FsStatus::ok();
            case ConflictChoice::Rename:
                target = freeCopyName(m_fs, target);
                if (item.info.kind == FileKind::Folder) m_renamedFolders.push_back({item.target, target});
                break;
            case ConflictChoice::Overwrite:
                if (existing.value.kind == FileKind::Folder)
                    return FsStatus::failure(EISDIR, "cannot replace the folder " + target + " with " + item.source);
                if (item.info.kind == FileKind::Folder) {
                    if (FsStatus s = m_fs.removeFile(target); !s) return s.about("cannot replace " + target);
                } else {
                    replace = true;
                }
                break;
            }
        }

        switch (item.info.kind) {
        case FileKind::Folder:
            if (!folderIntoFolder) {
                // Owner-writable until its contents are in, whatever the source's mode.
                if (FsStatus s = m_fs.makeFolder(target, 0700); !s) return s.about("cannot create the folder " + target);
                m_folders.push_back({target, item.info});
            }
            return FsStatus::ok();
        case FileKind::Link:
            if (FsStatus s = copyLink(m_fs, item.source, target, replace); !s) return s;
            ++m_result.filesCopied;
            return FsStatus::ok();
        default: {
            const std::uint64_t before = m_done;
            FsStatus s = copyOneFile(m_fs, item.source, target, replace,
                                     [&](std::uint64_t bytes) { return tellProgress(item.source, before + bytes); },
                                     m_cb.durable || replace);
            if (!s) return s;
            m_done = before + static_cast<std::uint64_t>(item.info.size);
            ++m_result.filesCopied;
            tellProgress(item.source, m_done);
            return FsStatus::ok();
        }
        }
    }

    // Paths below a folder that took a new name follow it.
    std::string renamedPlace(const std::string& target) const {
        for (const auto& [from, to] : m_renamedFolders)
            if (target.compare(0, from.size() + 1, from + "/") == 0) return to + target.substr(from.size());
        return target;
    }

    // Deepest first, so setting a folder's time is not undone by writing into it.
    void finishFolders() {
        for (auto it = m_folders.rbegin(); it != m_folders.rend(); ++it) {
            m_fs.setMode(it->first, it->second.mode);
            m_fs.setTimes(it->first, it->second.accessedNs, it->second.modifiedNs, true);
        }
        m_folders.clear();
    }

    FileSystem& m_fs;
    const CopyCallbacks& m_cb;
    CopyResult m_result;
    std::uint64_t m_total = 0;
    std::uint64_t m_done = 0;
    std::optional<ConflictChoice> m_all;
    std::vector<std::string> m_skippedFolders;
    std::vector<std::pair<std::string, std::string>> m_renamedFolders;
    std::vector<std::pair<std::string, FileInfo>> m_folders;
};

}  // namespace

CopyResult copyTree(FileSystem& fs, const std::string& source, const std::string& target,
                    const CopyCallbacks& callbacks) {
    return TreeCopy(fs, callbacks).run(withoutTrailingSlash(source), withoutTrailingSlash(target));
}

std::string freeCopyName(FileSystem& fs, const std::string& path) {
    const std::string folder = parentOf(path);
    const std::string name = nameOf(path);
    // A leading dot belongs to the stem (".profile" has no extension).
    const std::size_t dot = name.rfind('.');
    const bool hasExt = dot != std::string::npos && dot > 0;
    const std::string stem = hasExt ? name.substr(0, dot) : name;
    const std::string ext = hasExt ? name.substr(dot) : std::string();
    for (unsigned n = 2;; ++n) {
        const std::string candidate = join(folder, stem + " (" + std::to_string(n) + ")" + ext);
        const FsResult<FileInfo> info = fs.stat(candidate, false);
        if (!info && info.status.error() == ENOENT) return candidate;
        if (n > 100000) return candidate;
    }
}

FsStatus sameTree(FileSystem& fs, const std::string& original, const std::string& copy) {
    const FsResult<FileInfo> a = fs.stat(original, false);
    const FsResult<FileInfo> b = fs.stat(copy, false);
    if (!a) return a.status.about("cannot read " + original);
    if (!b) return b.status.about("cannot read " + copy);
    const FsStatus differs = FsStatus::failure(EIO, "the copy " + copy + " differs from " + original);
    if (a.value.kind != b.value.kind) return differs;
    if (a.value.kind == FileKind::File) return a.value.size == b.value.size ? FsStatus::ok() : differs;
    if (a.value.kind == FileKind::Link) {
        const FsResult<std::string> la = fs.readLink(original);
        const FsResult<std::string> lb = fs.readLink(copy);
        return la && lb && la.value == lb.value ? FsStatus::ok() : differs;
    }
    if (a.value.kind != FileKind::Folder) return FsStatus::ok();
    std::vector<DirEntry> ea, eb;
    if (FsStatus s = fs.listFolder(original, ea, false); !s) return s.about("cannot read " + original);
    if (FsStatus s = fs.listFolder(copy, eb, false); !s) return s.about("cannot read " + copy);
    if (ea.size() != eb.size()) return differs;
    for (const DirEntry& e : ea)
        if (FsStatus s = sameTree(fs, join(original, e.name), join(copy, e.name)); !s) return s;
    return FsStatus::ok();
}

FsStatus removeTree(FileSystem& fs, const std::string& path) {
    const FsResult<FileInfo> info = fs.stat(path, false);
    if (!info) return info.status.about("cannot remove " + path);
    if (info.value.kind != FileKind::Folder) return fs.removeFile(path).about("cannot remove " + path);
    std::vector<DirEntry> entries;
    if (FsStatus s = fs.listFolder(path, entries, false); !s) return s.about("cannot remove " + path);
    for (const DirEntry& e : entries)
        if (FsStatus s = removeTree(fs, join(path, e.name)); !s) return s;
    return fs.removeFolder(path).about("cannot remove " + path);
}

CopyResult moveAcrossFileSystems(FileSystem& fs, const std::string& from, const std::string& to,
                                 const CopyCallbacks& callbacks) {
    CopyResult result;
    if (const FsResult<FileInfo> existing = fs.stat(to, false); existing || existing.status.error() != ENOENT) {
        result.outcome = CopyOutcome::Failed;
        result.status = (existing ? FsStatus::fromErrno(EEXIST) : existing.status).about("cannot move to " + to);
        return result;
    }
    CopyCallbacks noReplace = callbacks;
    noReplace.conflict = [](const std::string&, const std::string&) { return ConflictAnswer{}; };
    noReplace.durable = true;
    result = copyTree(fs, from, to, noReplace);
    if (result.outcome == CopyOutcome::Done) {
        if (FsStatus s = sameTree(fs, from, to); !s) {
            result.outcome = CopyOutcome::Failed;
            result.status = s;
        } else if (FsStatus r = removeTree(fs, from); !r) {
            // Both are complete now; the user is told the source could not be removed.
            result.outcome = CopyOutcome::Failed;
            result.status = r;
        }
        return result;
    }
    // A move that did not finish leaves the source whole and takes back the partial copy.
    if (fs.stat(to, false)) removeTree(fs, to);
    return result;
}

}  // namespace zerin
