#include "panes/archiver_run.h"

#include <memory>

#include "core/zerin.h"
#include "panes/archive_listing_parser.h"
#include "panes/listing.h"
#include "panes/pane_messages.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "platform/processes.h"

namespace zerin {

namespace {

constexpr int kPollMs = 10;
// sh's exit status for a program it could not find or run.
constexpr int kShellNotFound = 127;
constexpr int kShellNotExecutable = 126;

std::string inFolder(const std::string& folder, std::string_view name) {
    std::string path = folder;
    if (!path.ends_with('/')) path += '/';
    return path.append(name);
}

void removeIfThere(FileSystem& fs, const std::string& path) {
    if (fs.stat(path, false).value.kind != FileKind::Missing) fs.removeFile(path);
}

FsStatus failure(std::string_view what, const std::string& detail) {
    return FsStatus::failure(EIO, std::string(what) + detail);
}

// The listing files have one name each, and the wait pumps events, in which another
// listing may be asked for (a click on a second archive): that one must not delete the
// files this one is waiting for. Only the UI thread lists archives.
bool g_listing = false;
struct ListingTurn {
    ListingTurn() { g_listing = true; }
    ~ListingTurn() { g_listing = false; }
};

}  // namespace

std::string shellQuoted(std::string_view text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    out += '\'';
    return out;
}

std::string archiverScript(std::string_view archiver, std::string_view archive, std::string_view folder) {
    std::string base(folder);
    if (!base.ends_with('/')) base += '/';
    const std::string program = shellQuoted(archiver);
    const std::string quoted = shellQuoted(archive);
    auto line = [&](std::string_view command, std::string_view file) {
        return program + " " + std::string(command) + " " + quoted + " >" + shellQuoted(base + std::string(file)) + "\n";
    };
    return line(kTechnicalCommand, kTechnicalListing) + line(kBareCommand, kBareListing);
}

FsStatus listArchiveWithArchiver(Zerin& zerin, const std::string& archiver, const std::string& archive,
                                 PaneListing& out, int timeoutMs) {
    if (g_listing) return FsStatus::failure(EBUSY, std::string(paneMessage::kArchiverBusy));
    const ListingTurn turn;
    FileSystem& fs = *zerin.fileSystem;
    const std::string folder = zerin.programFolder.string();
    const std::string script = inFolder(folder, kArchiverScript);
    const std::string technical = inFolder(folder, kTechnicalListing);
    // Old listings must not be taken for this archive's.
    removeIfThere(fs, technical);
    removeIfThere(fs, inFolder(folder, kBareListing));
    if (FsStatus written = fs.writeFileAtomic(script, archiverScript(archiver, archive, folder)); !written)
        return written.about(script);

    std::unique_ptr<RunningProcess> run = zerin.platform.processes.start({"/bin/sh", script}, WindowStyle::Hidden);
    if (!run) return failure(paneMessage::kArchiverNotStarted, "/bin/sh");
    Clock& clock = zerin.platform.clock;
    const std::int64_t until = clock.tickCount() + timeoutMs;
    int exitCode = 0;
    while (!run->finished(exitCode)) {
        if (clock.tickCount() >= until) {
            run->stop();
            return failure(paneMessage::kArchiverTimedOut, archiver);
        }
        zerin.platform.pump.processEvents();
        zerin.platform.pump.sleepMs(kPollMs);
    }
    if (exitCode == kShellNotFound || exitCode == kShellNotExecutable)
        return failure(paneMessage::kArchiverNotStarted, archiver);

    std::string text;
    if (FsStatus read = fs.readRegularFile(technical, text, std::size_t{1} << 30); !read)
        return failure(paneMessage::kArchiverNoListing, archiver);
    const ArchiveListingRead listed = parseArchiveListing(text, archive, out);
    if (!listed.listing) return failure(paneMessage::kArchiverNoListing, archiver);
    const bool nothing = out.folders().empty() && out.files().empty();
    // An archive that could not be opened at all is a failure with the archiver's words;
    // one that was read in part shows what was read and says what was not.
    if (nothing && !listed.problems.empty()) return FsStatus::failure(EIO, listed.problems.front());
    for (const std::string& problem : listed.problems)
        zerin.output.debugMessage(std::string(paneMessage::kArchiveProblem) + problem);
    return FsStatus::ok();
}

ArchiveReader archiverReader(Zerin& zerin, std::string defaultArchiver) {
    return [&zerin, defaultArchiver = std::move(defaultArchiver)](const std::string& archive, PaneListing& out) {
        const std::string& chosen = zerin.settings.archiver.empty() ? defaultArchiver : zerin.settings.archiver;
        return listArchiveWithArchiver(zerin, chosen, archive, out);
    };
}

}  // namespace zerin
