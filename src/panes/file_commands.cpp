// The file operations a script asks for: do_file_copy, do_file_rename, do_makedir,
// do_is_folder and file.exists. Copies and moves run on a worker thread while this
// thread pumps events, so the window stays alive, the stop request cancels, and the
// conflict question is asked here, where the dialogs live.
#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "core/command_words.h"
#include "core/output.h"
#include "core/zerin.h"
#include "panes/copy_engine.h"
#include "panes/file_commands.h"
#include "panes/pane_commands.h"
#include "panes/pane_refresh.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "script/dispatcher.h"
#include "script/run_state.h"
#include "script/value.h"

namespace zerin {

namespace {

constexpr auto kPumpInterval = std::chrono::milliseconds(10);
// What the shell's copy returns when the user cancelled it; scripts test for it.
constexpr int kUserCancelled = 1223;

bool blankOrTab(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanksTabs(std::string_view s) {
    while (!s.empty() && blankOrTab(s.front())) s.remove_prefix(1);
    while (!s.empty() && blankOrTab(s.back())) s.remove_suffix(1);
    return s;
}

std::string join(const std::string& folder, const std::string& name) {
    return (folder.empty() || folder.back() != '/' ? folder + "/" : folder) + name;
}

std::string nameOf(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool exists(FileSystem& fs, const std::string& path) { return fs.stat(path, false).isOk(); }

// A path in the quoted form that source_allselected, dir$ and FOR values give it ("a""b"
// for a"b): the path itself when the text is exactly one such word and that path exists.
std::optional<std::string> unquotedExisting(FileSystem& fs, std::string_view quoted) {
    if (quoted.size() < 2 || quoted.front() != '"') return std::nullopt;
    std::vector<std::string> words = splitCommandWords(quoted);
    if (words.size() != 1 || quoteCommandWord(words[0]) != quoted || !exists(fs, words[0])) return std::nullopt;
    return words[0];
}

// The folder that holds `path`, ending with "/".
std::string folderOf(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Hands one call at a time from the worker to the thread that pumps events and back.
class UiCalls {
public:
    // Worker side: runs `call` on the pumping thread and waits for it.
    void run(std::function<void()> call) {
        std::unique_lock lock(m_mutex);
        m_pending = std::move(call);
        m_done = false;
        m_changed.wait(lock, [this] { return m_done; });
    }
    // Pumping side: runs what is waiting, if anything.
    void serve() {
        std::function<void()> call;
        {
            std::lock_guard lock(m_mutex);
            call = std::move(m_pending);
            m_pending = nullptr;
        }
        if (!call) return;
        call();
        std::lock_guard lock(m_mutex);
        m_done = true;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::function<void()> m_pending;
    bool m_done = false;
};

}  // namespace

CopyResult runCopyJob(Zerin& zerin, const std::function<CopyResult(const CopyCallbacks&)>& job) {
    std::atomic<bool> cancel{false};
    UiCalls ui;
    std::mutex progressMutex;
    CopyProgress latest;
    bool fresh = false;

    CopyCallbacks callbacks;
    callbacks.cancel = &cancel;
    callbacks.progress = [&](const CopyProgress& p) {
        std::lock_guard lock(progressMutex);
        latest = p;
        fresh = true;
        return true;
    };
    callbacks.conflict = [&](const std::string& source, const std::string& target) {
        ConflictAnswer answer;
        ui.run([&] { answer = zerin.platform.dialogs.askCopyConflict(source, target); });
        return answer;
    };

    std::unique_ptr<ProgressWindow> window = zerin.platform.dialogs.openProgress("Copying file");
    std::packaged_task<CopyResult()> task([&] { return job(callbacks); });
    std::future<CopyResult> done = task.get_future();
    std::thread worker(std::move(task));
    while (done.wait_for(kPumpInterval) != std::future_status::ready) {
        ui.serve();
        if (window) {
            if (window->cancelled()) cancel = true;
            CopyProgress shown;
            bool show = false;
            {
                std::lock_guard lock(progressMutex);
                if (fresh) shown = latest, show = true, fresh = false;
            }
            if (show) window->update(shown.currentFile, shown.bytesDone, shown.bytesTotal);
        }
        zerin.platform.pump.processEvents();
        // Checked after the pump, where a Stop button or another run may have set it.
        if (zerin.run.stopRequest) cancel = true;
    }
    worker.join();
    return done.get();
}

bool splitCopyArguments(FileSystem& fs, std::string_view arg, std::string& source, std::string& target) {
    arg = trimBlanksTabs(arg);
    if (arg.empty()) return false;
    if (arg.front() != '"') {
        const std::size_t blank = arg.find_first_of(" \t");
        source = std::string(arg.substr(0, blank));
        const std::string_view rest = blank == std::string_view::npos ? std::string_view() : trimBlanksTabs(arg.substr(blank));
        target = std::string(rest.size() >= 2 && rest.front() == '"' && rest.back() == '"' ? rest.substr(1, rest.size() - 2) : rest);
        return !target.empty();
    }
    // "source" "target". A name may hold a double quote itself, so every place where a
    // quote, blanks and a quote meet is a candidate; the first whose source exists wins.
    const std::string_view inner = arg.substr(1);
    std::string firstSource, firstTarget;
    for (std::size_t q = inner.find('"'); q != std::string_view::npos; q = inner.find('"', q + 1)) {
        std::size_t open = q + 1;
        while (open < inner.size() && blankOrTab(inner[open])) ++open;
        if (open == q + 1 || open >= inner.size() || inner[open] != '"') continue;
        std::string_view t = inner.substr(open + 1);
        if (!t.empty() && t.back() == '"') t.remove_suffix(1);
        const std::string s(inner.substr(0, q));
        if (firstSource.empty()) firstSource = s, firstTarget = std::string(t);
        if (exists(fs, s)) {
            source = s;
            target = std::string(t);
            return true;
        }
    }
    // A source in the quoted form of a FOR value over source_allselected, followed by
    // the target: [f] "target".
    std::vector<std::string> words = splitCommandWords(arg);
    if (words.size() == 2 && exists(fs, words[0])) {
        source = words[0];
        target = words[1];
        return true;
    }
    source = firstSource;
    target = firstTarget;
    return !source.empty() && !target.empty();
}

bool splitRenameArguments(FileSystem& fs, std::string_view arg, std::string& from, std::string& to) {
    // The new path is absolute, so it begins with ":" and "/"; a name may hold ":/" too
    // (a folder named "a:"), so the first split whose old path exists wins.
    bool found = false;
    for (std::size_t colon = arg.find(':'); colon != std::string_view::npos; colon = arg.find(':', colon + 1)) {
        const std::string_view after = trimBlanksTabs(arg.substr(colon + 1));
        if (after.empty() || after.front() != '/') continue;
        const std::string a(trimBlanksTabs(arg.substr(0, colon)));
        if (a.empty()) continue;
        if (!found) from = a, to = std::string(after), found = true;
        std::optional<std::string> existing = exists(fs, a) ? std::optional<std::string>(a) : unquotedExisting(fs, a);
        if (existing) {
            from = *existing;
            to = std::string(after);
            return true;
        }
    }
    return found;
}

namespace {

std::string reportCopy(Zerin& zerin, const CopyResult& result) {
    for (const std::string& path : result.notCopied)
        zerin.output.debugMessage("Not copied (not a file, folder or link): " + path);
    if (result.outcome == CopyOutcome::Done) return std::string();
    if (result.outcome == CopyOutcome::Cancelled) {
        zerin.run.stopRequest = true;
        return strFormat(static_cast<std::int64_t>(kUserCancelled));
    }
    const int code = result.status.error() ? result.status.error() : EIO;
    // The first line is what scripts and users know; the second says why.
    zerin.platform.dialogs.messageBox("FileOp returned:" + std::to_string(code) + "\r\n" + result.status.message(), "",
                                      MsgButtons::Ok);
    zerin.output.debugMessage(result.status.message());
    return strFormat(static_cast<std::int64_t>(code));
}

FileSystem& fileSystemOf(Zerin& zerin) { return *zerin.fileSystem; }

}  // namespace

void registerFileCommands(Zerin& zerin) {
    Dispatcher& d = zerin.dispatcher;

    // do_file_copy "source" "target" -> "" on success, else the failure's number
    d.registerHandler(Cmd::DoFileCopy, [&zerin](CommandCall& c) {
        FileSystem& fs = fileSystemOf(zerin);
        std::string source, target;
        if (!splitCopyArguments(fs, c.arg, source, target)) {
            CopyResult bad;
            bad.outcome = CopyOutcome::Failed;
            bad.status = FsStatus::failure(EINVAL, "do_file_copy needs a source and a target");
            return reportCopy(zerin, bad);
        }
        // Into an existing folder (or one the target names with a trailing "/"), else
        // the target is the copy's own name.
        const FsResult<FileInfo> at = fs.stat(target, true);
        std::string destination = target;
        if (at && at.value.kind == FileKind::Folder) {
            destination = join(target, nameOf(source));
        } else if (!at && target.size() > 1 && target.back() == '/') {
            if (FsStatus s = fs.makeFolder(target.substr(0, target.size() - 1)); !s) {
                CopyResult bad;
                bad.outcome = CopyOutcome::Failed;
                bad.status = s.about("cannot create the folder " + target);
                return reportCopy(zerin, bad);
            }
            destination = join(target, nameOf(source));
        }
        const CopyResult result =
            runCopyJob(zerin, [&](const CopyCallbacks& cb) { return copyTree(fs, source, destination, cb); });
        refreshPanesShowing(zerin, {folderOf(destination)});
        return reportCopy(zerin, result);
    });

    // do_file_rename old:new -> the new path; an existing new path is never replaced
    d.registerHandler(Cmd::DoFileRename, [&zerin](CommandCall& c) {
        FileSystem& fs = fileSystemOf(zerin);
        std::string from, to;
        splitRenameArguments(fs, c.arg, from, to);
        // A new path ending with "/" names the folder the file moves into, keeping its
        // name, as do_file_copy's target does.
        if (!from.empty() && to.size() > 1 && to.back() == '/') to = join(to, nameOf(from));
        const std::string failure = "Error renaming file: " + from + " to " + to;
        if (from.empty() || to.empty()) {
            zerin.platform.dialogs.messageBox(failure, "", MsgButtons::Ok);
            return std::string();
        }
        FsStatus status = fs.rename(from, to, false);
        if (status.error() == EXDEV) {
            const CopyResult moved =
                runCopyJob(zerin, [&](const CopyCallbacks& cb) { return moveAcrossFileSystems(fs, from, to, cb); });
            status = moved.outcome == CopyOutcome::Done ? FsStatus::ok() : moved.status;
            if (moved.outcome == CopyOutcome::Cancelled) zerin.run.stopRequest = true;
        }
        refreshPanesShowing(zerin, {folderOf(from), folderOf(to)});
        if (!status) {
            zerin.platform.dialogs.messageBox(failure + "\r\n" + status.message(), "", MsgButtons::Ok);
            zerin.output.debugMessage(failure + ": " + status.message());
            return std::string();
        }
        return to;
    });

    // do_makedir path -> the path when it was created, "false" when something is there
    d.registerHandler(Cmd::DoMakedir, [&zerin](CommandCall& c) {
        FileSystem& fs = fileSystemOf(zerin);
        std::string path(trimBlanksTabs(c.arg));
        if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
        if (path.empty()) return std::string("false");
        std::string folder = path;
        while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
        if (exists(fs, folder)) return std::string("false");
        if (FsStatus s = fs.makeFolder(folder); !s) {
            zerin.output.debugMessage("ERROR in do_makedir: cannot create " + path + ": " + s.message());
            return std::string("false");
        }
        refreshPanesShowing(zerin, {folderOf(folder)});
        return path;
    });

    // do_is_folder path -> the path with a trailing "/" when it is a folder, else "false"
    d.registerHandler(Cmd::DoIsFolder, [&zerin](CommandCall& c) {
        std::string path(trimBlanksTabs(c.arg));
        if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
        if (path.empty()) return std::string("false");
        if (path.back() != '/') path += '/';
        const FsResult<FileInfo> info = fileSystemOf(zerin).stat(path, true);
        return info && info.value.kind == FileKind::Folder ? path : std::string("false");
    });

    // file.exists path -> "1" when a file is there (relative paths from the program folder)
    d.registerHandler(Cmd::FileExists, [&zerin](CommandCall& c) {
        std::string path(trimBlanksTabs(c.arg));
        if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
        if (path.empty()) return std::string("0");
        if (path.front() != '/') path = join(zerin.programFolder.string(), path);
        const FsResult<FileInfo> info = fileSystemOf(zerin).stat(path, true);
        return std::string(info && info.value.kind == FileKind::File ? "1" : "0");
    });
}

}  // namespace zerin
