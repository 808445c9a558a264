#include "archive_entries.h"

#include <archive.h>
#include <archive_entry.h>
#include <memory>
#include <sys/stat.h>

namespace zerin::archiver {

namespace {

struct ArchiveCloser {
    void operator()(archive* a) const { archive_read_free(a); }
};
using ArchivePtr = std::unique_ptr<archive, ArchiveCloser>;

ArchivePtr newReader() {
    ArchivePtr a(archive_read_new());
    archive_read_support_filter_all(a.get());
    archive_read_support_format_all(a.get());
    // A bare compressed file (one .gz) is not an archive the panes can show.
    return a;
}

EntryKind kindOf(archive_entry* e) {
    switch (archive_entry_filetype(e)) {
        case AE_IFDIR: return EntryKind::Folder;
        case AE_IFLNK: return EntryKind::Link;
        case AE_IFREG: return EntryKind::File;
        case 0: return EntryKind::File;  // formats that do not say (some zip writers)
        default: return EntryKind::Special;
    }
}

std::string errorText(archive* a) {
    const char* s = archive_error_string(a);
    return s ? s : "unknown error";
}

void readEntries(archive* a, ArchiveContents& out) {
    out.opened = true;
    archive_entry* e = nullptr;
    for (;;) {
        const int r = archive_read_next_header(a, &e);
        if (r == ARCHIVE_EOF) break;
        if (r == ARCHIVE_FATAL) {
            out.problems.push_back("cannot read further: " + errorText(a));
            break;
        }
        if (r == ARCHIVE_WARN || r == ARCHIVE_RETRY) out.problems.push_back(errorText(a));
        if (r == ARCHIVE_RETRY) continue;
        const char* raw = archive_entry_pathname_utf8(e);
        if (!raw) raw = archive_entry_pathname(e);
        ArchiveEntry entry;
        const std::string rawName = raw ? raw : "";
        entry.name = normalisedName(rawName);
        if (entry.name.empty()) continue;  // the archive's own root ("./")
        entry.kind = kindOf(e);
        if (rawName.ends_with('/')) entry.kind = EntryKind::Folder;
        entry.size = archive_entry_size_is_set(e) ? archive_entry_size(e) : 0;
        if (entry.kind == EntryKind::Folder || entry.size < 0) entry.size = 0;
        entry.hasTime = archive_entry_mtime_is_set(e);
        entry.modified = entry.hasTime ? archive_entry_mtime(e) : 0;
        const mode_t perm = archive_entry_perm(e);  // 0 where the format keeps none
        entry.readOnly = perm != 0 && (perm & S_IWUSR) == 0;
        entry.encrypted = archive_entry_is_encrypted(e);
        out.entries.push_back(std::move(entry));
        // Only the headers are wanted; the data of solid formats is skipped by libarchive.
        if (archive_read_data_skip(a) == ARCHIVE_FATAL) {
            out.problems.push_back("cannot read further: " + errorText(a));
            break;
        }
    }
}

}  // namespace

std::string normalisedName(std::string_view raw) {
    std::string name;
    std::size_t i = 0;
    while (i <= raw.size()) {
        std::size_t slash = raw.find('/', i);
        if (slash == std::string_view::npos) slash = raw.size();
        const std::string_view part = raw.substr(i, slash - i);
        if (!part.empty() && part != ".") {
            if (!name.empty()) name += '/';
            name += part;
        }
        i = slash + 1;
    }
    return name;
}

ArchiveContents readArchiveFile(const std::string& path) {
    ArchiveContents out;
    ArchivePtr a = newReader();
    if (archive_read_open_filename(a.get(), path.c_str(), 64 * 1024) != ARCHIVE_OK) {
        out.problems.push_back("cannot open " + path + ": " + errorText(a.get()));
        return out;
    }
    readEntries(a.get(), out);
    return out;
}

ArchiveContents readArchiveBytes(std::string_view bytes) {
    ArchiveContents out;
    ArchivePtr a = newReader();
    if (archive_read_open_memory(a.get(), bytes.data(), bytes.size()) != ARCHIVE_OK) {
        out.problems.push_back("cannot open: " + errorText(a.get()));
        return out;
    }
    readEntries(a.get(), out);
    return out;
}

}  // namespace zerin::archiver
