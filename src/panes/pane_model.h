// The two file panes as scripts see them: which pane is the source, each pane's path,
// listing and list items, plus what the pane's other controls show (path box, parent
// button, columns). Per-pane state has 11 slots (panes 0 to 10); panes 0 and 1 are on screen.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/colours.h"
#include "panes/archive_listing.h"
#include "panes/cache_search.h"
#include "panes/drive_table.h"
#include "panes/file_cue.h"
#include "panes/list_model.h"
#include "panes/listing.h"
#include "panes/listing_cache.h"
#include "panes/selection_size.h"
#include "panes/size_format.h"

namespace zerin {

struct PaneColumn {
    std::string text;  // shown; carries the sort marker while sorted
    std::string tag;   // the plain header text
    int width = 120;
    bool rightAligned = false;
};

// Everything a pane view shows besides the items.
struct PaneControls {
    std::string pathText;
    Colour pathBack = 0;
    Colour pathFore = 0;
    bool parentEnabled = true;
    std::vector<PaneColumn> columns;
    bool headersVisible = true;
    bool iconsShown = false;
    bool largeIcons = false;
    int sortColumn = -1;
    int sortState = 0;  // 0 unsorted, 1 ascending, 2 descending
    // Reported by the view, used by the column autosize.
    int viewWidth = 400;
    int viewHeight = 300;
};

class PaneModel {
public:
    static constexpr int kPaneSlots = 11;
    // Point size of the panes' font, for measuring item texts.
    static constexpr int kFontPoints = 10;

    static bool validPane(int pane) { return pane >= 0 && pane < kPaneSlots; }

    int sourcePane() const { return m_source; }
    int targetPane() const { return m_source == 0 ? 1 : 0; }
    void setSourcePane(int pane) { m_source = pane == 1 ? 1 : 0; }

    // The pane path: a folder ending with "/" or a view word ("Drives", "Text List", ...).
    const std::string& path(int pane) const { return m_paths[slot(pane)]; }
    void setPath(int pane, std::string path) { m_paths[slot(pane)] = std::move(path); }

    ListModel& list(int pane) { return m_lists[slot(pane)]; }
    const ListModel& list(int pane) const { return m_lists[slot(pane)]; }

    PaneListing& listing(int pane) { return m_listings[slot(pane)]; }
    const PaneListing& listing(int pane) const { return m_listings[slot(pane)]; }

    PaneControls& controls(int pane) { return m_controls[slot(pane)]; }
    const PaneControls& controls(int pane) const { return m_controls[slot(pane)]; }
    // Tells the views that a pane's controls changed.
    void notifyControls(int pane);
    int addControlsObserver(std::function<void(int pane)> observer);
    void removeControlsObserver(int id);

    // The pane whose list view has the keyboard focus, -1 when the focus is elsewhere.
    int focusedPane = -1;
    // The highest pane number with controls on screen.
    int highestOnScreen = 1;

    // The size of each pane's selection (its Size header shows it) and the distinct
    // lower-cased suffixes of the selected entries, " jpg txt ", which the right command
    // bar is chosen by.
    std::array<std::int64_t, kPaneSlots> selectionTotal{};
    std::array<std::string, kPaneSlots> selectedSuffixes{};
    // The right-button drag that paints a selection.
    RightDrag rightDrag;

    ListingCache cache;
    // The lower-cased copy of the cache that path-box searches read.
    CacheSearchIndex searchIndex;
    // Counts the searches started in each pane, so that a search sees when a newer one
    // (or a move) took its pane while it pumped the events.
    std::array<int, kPaneSlots> searchRuns{};
    // Whether Zerin_Cache.ini has been read into the cache in this run (it is, at start-up
    // of the window; a command-line run reads it only when it is about to save it).
    bool databaseRead = false;
    ColourTable colours;
    SizeFormat sizeFormat;
    DriveTable drives;
    // The editor's list of loaded text files, shown by a "Text List" pane.
    std::vector<std::string> textList;
    // Files dropped onto the panes, waiting to be copied or moved.
    FileCue fileCue;
    // Lists an archive's entries; empty until the archive module installs its reader.
    ArchiveReader archiveReader;

private:
    static std::size_t slot(int pane) { return validPane(pane) ? static_cast<std::size_t>(pane) : 0; }

    int m_source = 0;
    std::array<std::string, kPaneSlots> m_paths{};
    std::array<ListModel, kPaneSlots> m_lists;
    std::array<PaneListing, kPaneSlots> m_listings;
    std::array<PaneControls, kPaneSlots> m_controls;
    std::vector<std::pair<int, std::function<void(int)>>> m_observers;
    int m_nextObserverId = 1;
};

}  // namespace zerin
