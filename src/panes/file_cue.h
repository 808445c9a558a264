// The file cue (lvwFileOp): files dropped onto a pane wait here as entries of source,
// operation and target until the user turns the cue into a script (file.cue.to.editor)
// and runs it. The script checks the output window's Stop button before each entry and
// reports each entry's result back with file.cue.status.
//
// The operation is kept in the form the script generator matches ("> Copy >",
// "> Move >"), so every dropped entry reaches the script. A Copy entry is carried out by
// do_file_copy. A Move entry is carried out by do_file_rename to the target folder: a
// rename within one file system, else a copy that is verified before the source is
// removed, so the file ends at the target and nowhere else, and a move that fails leaves
// the source whole.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zerin {

inline constexpr std::string_view kCueCopy = "> Copy >";
inline constexpr std::string_view kCueMove = "> Move >";

struct CueEntry {
    std::string key;        // "KEY" and the running number
    std::string name;       // the dropped file's name
    std::string source;     // its full path
    std::string operation;  // kCueCopy, kCueMove or "" (a modifier combination with no meaning)
    std::string target;     // the folder it goes to
    std::string status;     // set by file.cue.status ("DONE", "ERROR")
};

class FileCue {
public:
    // The operation a drop means: Move with no modifier or with Shift, Copy with Ctrl,
    // nothing with any other combination.
    static std::string_view operationFor(bool shift, bool ctrl, bool alt);

    // Adds one entry per dropped path (a trailing "/" of a folder is dropped) with
    // consecutive keys.
    void add(const std::vector<std::string>& sources, std::string_view operation, const std::string& target);
    const std::vector<CueEntry>& entries() const { return m_entries; }
    void clear();

    // The entry a script names: the entry number (1 is the first) or its key ("KEY12",
    // any letter case). -1 for 0, a number out of range or an unknown key.
    int find(std::string_view word) const;
    void setStatus(int index, std::string status);

    // The cue as a script of the program's own language, CR LF line ends. Names are
    // written with the interpreter's value escapes, so no name is ever read as code; an
    // entry whose path holds a line break cannot be one line and is left out.
    std::string script() const;

    // Told after every change, for the view.
    std::function<void()> changed;

private:
    void notify() const {
        if (changed) changed();
    }
    std::vector<CueEntry> m_entries;
    long long m_counter = 0;
};

}  // namespace zerin
