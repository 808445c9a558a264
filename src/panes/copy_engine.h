// Copying files and whole folder trees without the user interface: every file goes
// through copyOneFile (so an interrupted copy never leaves a partial file under a real
// name), symbolic links are copied as links and never followed, folders get their
// permissions and times once their contents are in place, and nothing is overwritten
// before the conflict callback has said so. Runs on any thread; the callbacks are called
// on the thread that runs the copy.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/file_system.h"

namespace zerin {

struct CopyProgress {
    std::string currentFile;  // the source path being copied
    std::uint64_t bytesDone = 0;
    std::uint64_t bytesTotal = 0;
};

struct CopyCallbacks {
    // Asked when the target of a file or link already exists (or a folder meets a file).
    std::function<ConflictAnswer(const std::string& source, const std::string& target)> conflict;
    // Told of the progress; returns false to cancel.
    std::function<bool(const CopyProgress&)> progress;
    // Each file reaches the disk before it takes its name. Set where the source is removed
    // afterwards (a move): then a crash must not leave the only copy unwritten. A plain
    // copy leaves the source in place and, like cp, lets the system write it back in its
    // own time; a file that replaces another is always written first.
    bool durable = false;
    // Set from another thread to cancel.
    const std::atomic<bool>* cancel = nullptr;
};

enum class CopyOutcome { Done, Cancelled, Failed };

struct CopyResult {
    CopyOutcome outcome = CopyOutcome::Done;
    FsStatus status;  // the reason when Failed (ECANCELED when Cancelled)
    std::uint64_t filesCopied = 0;
    std::uint64_t skipped = 0;
    // FIFOs, sockets and devices inside a copied folder: left out (reading a FIFO would
    // wait for a writer without end) and named here so the user can be told.
    std::vector<std::string> notCopied;
};

// Copies the file, link or folder `source` so that it is at `target` (the full new path,
// not the folder it goes into). A copy onto itself or of a folder into its own subfolder
// is refused before anything is written.
CopyResult copyTree(FileSystem& fs, const std::string& source, const std::string& target,
                    const CopyCallbacks& callbacks);

// The first free name "stem (2).ext", "stem (3).ext"... beside `path`.
std::string freeCopyName(FileSystem& fs, const std::string& path);

// True when the tree at `copy` has the same folders, files (by size) and link targets
// as the tree at `original`.
FsStatus sameTree(FileSystem& fs, const std::string& original, const std::string& copy);

// Removes a file, a link or a whole folder tree (links are removed, not followed).
FsStatus removeTree(FileSystem& fs, const std::string& path);

// Moves `from` to `to` where a rename cannot (another file system): copy, verify, then
// remove the source. An existing `to` is never replaced (EEXIST).
CopyResult moveAcrossFileSystems(FileSystem& fs, const std::string& from, const std::string& to,
                                 const CopyCallbacks& callbacks);

}  // namespace zerin
