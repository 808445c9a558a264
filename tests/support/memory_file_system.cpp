#include "memory_file_system.h"

#include <algorithm>
#include <cerrno>
#include <deque>

namespace zerin::test {

namespace {

std::vector<std::string> components(const std::string& path) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < path.size()) {
        std::size_t j = path.find('/', i);
        if (j == std::string::npos) j = path.size();
        if (j > i) out.push_back(path.substr(i, j - i));
        i = j + 1;
    }
    return out;
}

std::string parentOf(const std::string& resolved) {
    const std::size_t slash = resolved.rfind('/');
    return slash == 0 || slash == std::string::npos ? "/" : resolved.substr(0, slash);
}

std::string join(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

bool isAtOrBelow(const std::string& path, const std::string& folder) {
    if (folder == "/") return true;
    return path == folder || (path.starts_with(folder) && path.size() > folder.size() && path[folder.size()] == '/');
}

FsStatus error(int e) { return FsStatus::fromErrno(e); }

template <class T>
FsResult<T> failed(int e) {
    FsResult<T> r;
    r.status = FsStatus::fromErrno(e);
    return r;
}

FileInfo infoOf(const MemoryFileSystem::Node& n, std::uint64_t device) {
    FileInfo info;
    info.kind = n.kind;
    info.size = n.kind == FileKind::Folder ? 4096 : static_cast<std::int64_t>(n.data.size());
    info.modifiedNs = n.modifiedNs;
    info.accessedNs = n.accessedNs;
    info.mode = n.mode;
    info.device = device;
    info.inode = n.inode;
    return info;
}

}  // namespace

MemoryFileSystem::MemoryFileSystem() {
    auto root = std::make_shared<Node>();
    root->kind = FileKind::Folder;
    root->mode = 0755;
    root->inode = 1;
    m_nodes["/"] = root;
}

std::int64_t MemoryFileSystem::tick() { return m_clock += 1000000000LL; }

std::string MemoryFileSystem::resolve(const std::string& path, bool followLast, int& err) const {
    err = 0;
    if (path.empty() || path[0] != '/') {
        err = ENOENT;
        return {};
    }
    std::deque<std::string> todo;
    for (auto& c : components(path)) todo.push_back(c);
    std::string current = "/";
    int hops = 0;
    while (!todo.empty()) {
        const std::string c = todo.front();
        todo.pop_front();
        if (c == ".") continue;
        if (c == "..") {
            current = parentOf(current);
            continue;
        }
        const std::string next = join(current, c);
        NodePtr n = find(next);
        const bool last = todo.empty();
        if (n && n->kind == FileKind::Link && (!last || followLast)) {
            if (++hops > 40) {
                err = ELOOP;
                return {};
            }
            const auto target = components(n->data);
            for (auto it = target.rbegin(); it != target.rend(); ++it) todo.push_front(*it);
            if (n->data.starts_with('/')) current = "/";
            continue;
        }
        if (!last && !n) {
            err = ENOENT;
            return {};
        }
        if (!last && n->kind != FileKind::Folder) {
            err = ENOTDIR;
            return {};
        }
        current = next;
    }
    return current;
}

MemoryFileSystem::NodePtr MemoryFileSystem::find(const std::string& resolved) const {
    auto it = m_nodes.find(resolved);
    return it == m_nodes.end() ? nullptr : it->second;
}

int MemoryFileSystem::resolveChecked(const std::string& path, bool followLast, std::string& resolved) const {
    int err = 0;
    resolved = resolve(path, followLast, err);
    return err ? err : checkAccess(resolved);
}

int MemoryFileSystem::checkAccess(const std::string& path) const {
    for (const auto& d : m_denied)
        if (isAtOrBelow(path, d)) return EACCES;
    return 0;
}

int MemoryFileSystem::checkCreate(const std::string& resolved) const {
    if (int e = checkAccess(resolved)) return e;
    if (find(resolved)) return EEXIST;
    NodePtr parent = find(parentOf(resolved));
    if (!parent) return ENOENT;
    if (parent->kind != FileKind::Folder) return ENOTDIR;
    if ((parent->mode & 0200) == 0) return EACCES;
    return 0;
}

std::uint64_t MemoryFileSystem::deviceOf(const std::string& resolved) const {
    std::uint64_t device = 1;
    std::size_t best = 0;
    for (const auto& [folder, id] : m_devices)
        if (isAtOrBelow(resolved, folder) && folder.size() >= best) {
            best = folder.size();
            device = id;
        }
    return device;
}

MemoryFileSystem::NodePtr MemoryFileSystem::makeNode(const std::string& resolved, FileKind kind, unsigned mode) {
    auto n = std::make_shared<Node>();
    n->kind = kind;
    n->mode = mode;
    n->accessedNs = n->modifiedNs = tick();
    n->inode = m_nextInode++;
    m_nodes[resolved] = n;
    if (NodePtr parent = find(parentOf(resolved))) parent->modifiedNs = n->modifiedNs;
    return n;
}

int MemoryFileSystem::append(Node& node, std::string_view bytes) {
    std::size_t fits = bytes.size();
    if (m_room) fits = static_cast<std::size_t>(std::min<std::uint64_t>(*m_room, bytes.size()));
    node.data.append(bytes.substr(0, fits));
    node.modifiedNs = tick();
    if (m_room) *m_room -= fits;
    return fits == bytes.size() ? 0 : ENOSPC;
}

// Building and looking ---------------------------------------------------------------

void MemoryFileSystem::addFolder(const std::string& path, unsigned mode) {
    std::lock_guard lock(m_mutex);
    std::string current = "/";
    for (const auto& c : components(path)) {
        current = join(current, c);
        if (!find(current)) makeNode(current, FileKind::Folder, mode);
    }
}

void MemoryFileSystem::addFile(const std::string& path, std::string content, unsigned mode) {
    std::lock_guard lock(m_mutex);
    addFolder(parentOf(path));
    makeNode(path, FileKind::File, mode)->data = std::move(content);
}

void MemoryFileSystem::addLink(const std::string& path, const std::string& target) {
    std::lock_guard lock(m_mutex);
    addFolder(parentOf(path));
    makeNode(path, FileKind::Link, 0777)->data = target;
}

std::optional<MemoryFileSystem::Node> MemoryFileSystem::node(const std::string& path) const {
    std::lock_guard lock(m_mutex);
    int err = 0;
    const std::string resolved = resolve(path, false, err);
    if (err) return std::nullopt;
    NodePtr n = find(resolved);
    if (!n) return std::nullopt;
    return *n;
}

std::string MemoryFileSystem::content(const std::string& path) const {
    auto n = node(path);
    return n ? n->data : std::string();
}

std::vector<std::string> MemoryFileSystem::pathsBelow(const std::string& folder) const {
    std::lock_guard lock(m_mutex);
    int err = 0;
    const std::string resolved = resolve(folder, true, err);
    std::vector<std::string> out;
    for (const auto& [path, n] : m_nodes)
        if (path != resolved && isAtOrBelow(path, resolved)) out.push_back(path);
    return out;
}

void MemoryFileSystem::diskFullAfter(std::uint64_t bytes) {
    std::lock_guard lock(m_mutex);
    m_room = bytes;
}

void MemoryFileSystem::denyAccess(const std::string& path) {
    std::lock_guard lock(m_mutex);
    int err = 0;
    m_denied.insert(resolve(path, false, err));
}

void MemoryFileSystem::setDevice(const std::string& folder, std::uint64_t device) {
    std::lock_guard lock(m_mutex);
    addFolder(folder);
    int err = 0;
    m_devices[resolve(folder, true, err)] = device;
}

void MemoryFileSystem::vanishWhileReading(const std::string& path, std::uint64_t bytes) {
    std::lock_guard lock(m_mutex);
    int err = 0;
    if (NodePtr n = find(resolve(path, true, err))) m_vanish[n.get()] = bytes;
}

}  // namespace zerin::test

namespace zerin::test {

// An open file of the memory file system: reads move a position, writes append (the copy
// engine and the atomic save write a fresh file from its start).
class MemoryOpenFile : public OpenFile {
public:
    MemoryOpenFile(MemoryFileSystem& fs, MemoryFileSystem::NodePtr node, std::string path)
        : m_fs(fs), m_node(std::move(node)), m_path(std::move(path)) {}

    FsResult<std::size_t> read(char* buffer, std::size_t size) override {
        std::lock_guard lock(m_fs.m_mutex);
        if (m_gone) return failed<std::size_t>(ENOENT);
        if (m_node->kind == FileKind::Folder) return failed<std::size_t>(EISDIR);
        auto rule = m_fs.m_vanish.find(m_node.get());
        if (rule != m_fs.m_vanish.end() && m_read >= rule->second) {
            for (auto it = m_fs.m_nodes.begin(); it != m_fs.m_nodes.end(); ++it)
                if (it->second == m_node) {
                    m_fs.m_nodes.erase(it);
                    break;
                }
            m_fs.m_vanish.erase(rule);
            m_gone = true;
            return failed<std::size_t>(ENOENT);
        }
        std::size_t n = std::min(size, m_node->data.size() - std::min(m_position, m_node->data.size()));
        if (rule != m_fs.m_vanish.end()) n = std::min<std::size_t>(n, rule->second - m_read);
        std::copy_n(m_node->data.data() + m_position, n, buffer);
        m_position += n;
        m_read += n;
        FsResult<std::size_t> r;
        r.value = n;
        return r;
    }

    FsStatus write(std::string_view bytes) override {
        std::lock_guard lock(m_fs.m_mutex);
        if (m_node->kind != FileKind::File) return error(EBADF);
        if (int e = m_fs.append(*m_node, bytes)) return error(e);
        return FsStatus::ok();
    }

    FsResult<std::size_t> copyTo(OpenFile& to, std::size_t size) override {
        if (!m_fs.copyRangeSupported || !dynamic_cast<MemoryOpenFile*>(&to)) return failed<std::size_t>(ENOSYS);
        std::string buffer(std::min<std::size_t>(size, 1 << 20), '\0');
        FsResult<std::size_t> got = read(buffer.data(), buffer.size());
        if (!got || got.value == 0) return got;
        if (FsStatus written = to.write(std::string_view(buffer.data(), got.value)); !written) {
            got.status = written;
            got.value = 0;
        }
        return got;
    }

    FsStatus sync() override {
        ++m_fs.syncs;
        return FsStatus::ok();
    }

    FsResult<FileInfo> info() override {
        std::lock_guard lock(m_fs.m_mutex);
        FsResult<FileInfo> r;
        r.value = infoOf(*m_node, m_fs.deviceOf(m_path));
        return r;
    }

    FsStatus close() override { return FsStatus::ok(); }

private:
    MemoryFileSystem& m_fs;
    MemoryFileSystem::NodePtr m_node;
    std::string m_path;
    std::size_t m_position = 0;
    std::uint64_t m_read = 0;
    bool m_gone = false;
};

FsResult<FileInfo> MemoryFileSystem::stat(const std::string& path, bool followLinks) {
    std::lock_guard lock(m_mutex);
    int err = 0;
    const std::string resolved = resolve(path, followLinks, err);
    if (!err) err = checkAccess(resolved);
    NodePtr n = err ? nullptr : find(resolved);
    if (!n) return failed<FileInfo>(err ? err : ENOENT);
    FsResult<FileInfo> r;
    r.value = infoOf(*n, deviceOf(resolved));
    return r;
}

FsStatus MemoryFileSystem::listFolder(const std::string& path, std::vector<DirEntry>& out, bool withSizes) {
    std::lock_guard lock(m_mutex);
    int err = 0;
    const std::string folder = resolve(path, true, err);
    if (!err) err = checkAccess(folder);
    if (err) return error(err);
    NodePtr n = find(folder);
    if (!n) return error(ENOENT);
    if (n->kind != FileKind::Folder) return error(ENOTDIR);
    const std::string prefix = folder == "/" ? "/" : folder + "/";
    for (auto it = m_nodes.lower_bound(prefix); it != m_nodes.end() && it->first.starts_with(prefix); ++it) {
        const std::string name = it->first.substr(prefix.size());
        if (name.empty() || name.find('/') != std::string::npos) continue;
        DirEntry entry;
        entry.name = name;
        entry.link = it->second->kind == FileKind::Link;
        NodePtr shown = it->second;
        if (entry.link) {
            int linkErr = 0;
            const std::string target = resolve(it->first, true, linkErr);
            shown = linkErr ? nullptr : find(target);
        }
        entry.folder = shown && shown->kind == FileKind::Folder;
        if (shown && !entry.folder && withSizes) entry.size = static_cast<std::int64_t>(shown->data.size());
        out.push_back(std::move(entry));
    }
    return FsStatus::ok();
}

std::vector<std::int64_t> MemoryFileSystem::folderSizes(const std::vector<std::string>& roots, WalkControl& control,
                                                        int) {
    std::lock_guard lock(m_mutex);
    std::vector<std::int64_t> sizes(roots.size(), 0);
    if (control.cancel) return sizes;
    for (std::size_t i = 0; i < roots.size(); ++i) {
        int err = 0;
        const std::string root = resolve(roots[i], false, err);
        NodePtr n = err ? nullptr : find(root);
        if (!n || n->kind != FileKind::Folder || checkAccess(root)) continue;
        for (const auto& [path, node] : m_nodes) {
            if (!isAtOrBelow(path, root) || checkAccess(path)) continue;
            if (node->kind == FileKind::File) {
                sizes[i] += static_cast<std::int64_t>(node->data.size());
                ++control.files;
            } else if (node->kind == FileKind::Folder) {
                ++control.folders;
            }
        }
    }
    return sizes;
}

FsResult<std::unique_ptr<OpenFile>> MemoryFileSystem::open(const std::string& path, OpenMode mode,
                                                           unsigned permissions) {
    using Result = FsResult<std::unique_ptr<OpenFile>>;
    std::lock_guard lock(m_mutex);
    int err = 0;
    const std::string resolved = resolve(path, mode != OpenMode::CreateNew, err);
    if (!err) err = checkAccess(resolved);
    if (err) return failed<std::unique_ptr<OpenFile>>(err);
    NodePtr n = find(resolved);
    if (mode == OpenMode::Read) {
        if (!n) return failed<std::unique_ptr<OpenFile>>(ENOENT);
        if ((n->mode & 0400) == 0) return failed<std::unique_ptr<OpenFile>>(EACCES);
    } else if (n && mode == OpenMode::CreateNew) {
        return failed<std::unique_ptr<OpenFile>>(EEXIST);
    } else if (n) {
        if (n->kind == FileKind::Folder) return failed<std::unique_ptr<OpenFile>>(EISDIR);
        if ((n->mode & 0200) == 0) return failed<std::unique_ptr<OpenFile>>(EACCES);
        n->data.clear();
        n->modifiedNs = tick();
    } else {
        if (int e = checkCreate(resolved)) return failed<std::unique_ptr<OpenFile>>(e);
        n = makeNode(resolved, FileKind::File, permissions);
    }
    Result r;
    r.value = std::make_unique<MemoryOpenFile>(*this, n, resolved);
    return r;
}

FsStatus MemoryFileSystem::readFile(const std::string& path, std::string& out) {
    out.clear();
    auto file = open(path, OpenMode::Read);
    if (!file) return file.status;
    char buffer[65536];
    for (;;) {
        auto n = file.value->read(buffer, sizeof buffer);
        if (!n) {
            out.clear();
            return n.status;
        }
        if (n.value == 0) return FsStatus::ok();
        out.append(buffer, n.value);
    }
}

FsStatus MemoryFileSystem::withFileBytes(const std::string& path, const std::function<void(std::string_view)>& use) {
    std::string bytes;
    if (FsStatus s = readFile(path, bytes); !s) return s;
    use(bytes);
    return FsStatus::ok();
}

namespace {

class OpenFileSink : public FileSink {
public:
    explicit OpenFileSink(OpenFile& file) : m_file(file) {}
    bool write(std::string_view bytes) override {
        if (!m_status) return false;
        m_status = m_file.write(bytes);
        return m_status.isOk();
    }
    FsStatus m_status;

private:
    OpenFile& m_file;
};

}  // namespace

FsStatus MemoryFileSystem::writeFileAtomic(const std::string& path, const std::function<bool(FileSink&)>& produce) {
    std::lock_guard lock(m_mutex);
    ++writes;
    if (failWrites) return error(EIO);
    int err = 0;
    const std::string resolved = resolve(path, true, err);
    if (err) return error(err);
    NodePtr old = find(resolved);
    const std::string tmp = resolved + ".tmp";
    auto file = open(tmp, OpenMode::Replace, old ? old->mode : 0644);
    if (!file) return file.status;
    OpenFileSink sink(*file.value);
    const bool produced = produce(sink);
    if (!produced || !sink.m_status) {
        removeFile(tmp);
        return sink.m_status ? error(ECANCELED) : sink.m_status;
    }
    return rename(tmp, resolved, true);
}

FsStatus MemoryFileSystem::rename(const std::string& from, const std::string& to, bool replace) {
    std::lock_guard lock(m_mutex);
    int err = 0;
    const std::string source = resolve(from, false, err);
    if (err) return error(err);
    const std::string target = resolve(to, false, err);
    if (err) return error(err);
    if (int e = checkAccess(source) ? EACCES : checkAccess(target)) return error(e);
    NodePtr n = find(source);
    if (!n) return error(ENOENT);
    if (source == target) return FsStatus::ok();
    if (deviceOf(source) != deviceOf(target)) return error(EXDEV);
    if (n->kind == FileKind::Folder && isAtOrBelow(target, source)) return error(EINVAL);
    NodePtr parent = find(parentOf(target));
    if (!parent || parent->kind != FileKind::Folder) return error(parent ? ENOTDIR : ENOENT);
    if (NodePtr existing = find(target)) {
        if (!replace) return error(EEXIST);
        if (existing->kind == FileKind::Folder && n->kind != FileKind::Folder) return error(EISDIR);
        if (existing->kind != FileKind::Folder && n->kind == FileKind::Folder) return error(ENOTDIR);
        if (existing->kind == FileKind::Folder && !pathsBelow(target).empty()) return error(ENOTEMPTY);
        m_nodes.erase(target);
    }
    std::vector<std::pair<std::string, NodePtr>> moved;
    for (auto it = m_nodes.begin(); it != m_nodes.end();)
        if (isAtOrBelow(it->first, source)) {
            moved.emplace_back(target + it->first.substr(source.size()), it->second);
            it = m_nodes.erase(it);
        } else {
            ++it;
        }
    for (auto& [path, node] : moved) m_nodes[path] = node;
    return FsStatus::ok();
}

FsStatus MemoryFileSystem::removeFile(const std::string& path) {
    std::lock_guard lock(m_mutex);
    std::string resolved;
    if (const int err = resolveChecked(path, false, resolved)) return error(err);
    NodePtr n = find(resolved);
    if (!n) return error(ENOENT);
    if (n->kind == FileKind::Folder) return error(EISDIR);
    m_nodes.erase(resolved);
    return FsStatus::ok();
}

FsStatus MemoryFileSystem::removeFolder(const std::string& path) {
    std::lock_guard lock(m_mutex);
    std::string resolved;
    if (const int err = resolveChecked(path, false, resolved)) return error(err);
    NodePtr n = find(resolved);
    if (!n) return error(ENOENT);
    if (n->kind != FileKind::Folder) return error(ENOTDIR);
    if (resolved == "/") return error(EBUSY);
    if (!pathsBelow(resolved).empty()) return error(ENOTEMPTY);
    m_nodes.erase(resolved);
    return FsStatus::ok();
}

FsStatus MemoryFileSystem::makeFolder(const std::string& path, unsigned permissions) {
    std::lock_guard lock(m_mutex);
    int err = 0;
    const std::string resolved = resolve(path, false, err);
    if (!err) err = checkCreate(resolved);
    if (err) return error(err);
    makeNode(resolved, FileKind::Folder, permissions);
    return FsStatus::ok();
}

FsStatus MemoryFileSystem::setTimes(const std::string& path, std::int64_t accessedNs, std::int64_t modifiedNs,
                                    bool followLinks) {
    std::lock_guard lock(m_mutex);
    int err = 0;
    const std::string resolved = resolve(path, followLinks, err);
    if (!err) err = checkAccess(resolved);
    if (err) return error(err);
    NodePtr n = find(resolved);
    if (!n) return error(ENOENT);
    n->accessedNs = accessedNs;
    n->modifiedNs = modifiedNs;
    return FsStatus::ok();
}

FsStatus MemoryFileSystem::setMode(const std::string& path, unsigned permissions) {
    std::lock_guard lock(m_mutex);
    std::string resolved;
    if (const int err = resolveChecked(path, true, resolved)) return error(err);
    NodePtr n = find(resolved);
    if (!n) return error(ENOENT);
    n->mode = permissions & 07777;
    return FsStatus::ok();
}

FsResult<std::string> MemoryFileSystem::readLink(const std::string& path) {
    std::lock_guard lock(m_mutex);
    int err = 0;
    const std::string resolved = resolve(path, false, err);
    if (!err) err = checkAccess(resolved);
    if (err) return failed<std::string>(err);
    NodePtr n = find(resolved);
    if (!n) return failed<std::string>(ENOENT);
    if (n->kind != FileKind::Link) return failed<std::string>(EINVAL);
    FsResult<std::string> r;
    r.value = n->data;
    return r;
}

FsStatus MemoryFileSystem::makeLink(const std::string& target, const std::string& linkPath) {
    std::lock_guard lock(m_mutex);
    int err = 0;
    const std::string resolved = resolve(linkPath, false, err);
    if (!err) err = checkCreate(resolved);
    if (err) return error(err);
    makeNode(resolved, FileKind::Link, 0777)->data = target;
    return FsStatus::ok();
}

FsResult<std::string> MemoryFileSystem::canonical(const std::string& path) {
    std::lock_guard lock(m_mutex);
    int err = 0;
    const std::string resolved = resolve(path, true, err);
    if (err) return failed<std::string>(err);
    if (!find(resolved)) return failed<std::string>(ENOENT);
    FsResult<std::string> r;
    r.value = resolved;
    return r;
}

}  // namespace zerin::test
