#include "panes/cache_search.h"

#include "core/text.h"
#include "core/zerin.h"
#include "panes/listing.h"
#include "panes/listing_cache.h"
#include "panes/pane_colours.h"
#include "panes/pane_location.h"
#include "panes/pane_messages.h"
#include "panes/pane_model.h"
#include "panes/pane_paths.h"
#include "panes/pane_refresh.h"
#include "platform/platform.h"

namespace zerin {

namespace {

constexpr std::size_t kMaxWords = 20;
constexpr std::size_t kShortestFirstWord = 3;
// Results are shown every this many hits while the search runs.
constexpr std::size_t kHitsPerRedraw = 100;

bool holdsAll(std::string_view haystack, const std::vector<std::string>& words) {
    for (const std::string& w : words)
        if (haystack.find(w) == std::string_view::npos) return false;
    return true;
}

}  // namespace

bool isSearchText(std::string_view typed) {
    if (text::trim(typed).starts_with('/')) return false;
    if (!PaneLocation::parse(typed).is(PaneKind::SearchResults)) return false;
    if (typed.starts_with("Reading")) return false;
    const std::size_t blank = typed.find(' ');
    const std::string_view first = typed.substr(0, blank);
    return text::charCount(first) >= kShortestFirstWord;
}

std::vector<std::string> searchWords(std::string_view typed) {
    std::vector<std::string> words;
    for (std::string_view w : text::split(typed)) {
        if (words.size() == kMaxWords) break;
        if (!w.empty()) words.push_back(text::lower(w));
    }
    return words;
}

std::shared_ptr<const std::vector<CacheSearchIndex::Folder>> CacheSearchIndex::current(const ListingCache& cache) {
    if (m_folders && m_version == cache.version()) return m_folders;
    auto folders = std::make_shared<std::vector<Folder>>();
    folders->reserve(cache.size());
    for (const auto& [key, listingText] : cache.entries())
        folders->push_back({key, listingText, text::lower(listingText)});
    m_folders = std::move(folders);
    m_version = cache.version();
    return m_folders;
}

std::size_t searchCache(const std::vector<CacheSearchIndex::Folder>& folders, const std::vector<std::string>& words,
                        const std::function<bool(const SearchHit&)>& hit) {
    std::size_t hits = 0;
    if (words.empty()) return 0;
    for (const CacheSearchIndex::Folder& folder : folders) {
        const std::string_view lower = folder.lower;
        if (!holdsAll(lower, words)) continue;
        // The first line is the folder's path, not an entry.
        std::size_t start = lower.find('\n');
        while (start != std::string_view::npos && start + 1 < lower.size()) {
            ++start;
            std::size_t end = lower.find('\n', start);
            const std::size_t stop = end == std::string_view::npos ? lower.size() : end;
            std::size_t length = stop - start;
            if (length > 0 && lower[start + length - 1] == '\r') --length;
            if (length > 0 && holdsAll(lower.substr(start, length), words)) {
                ListingLine line;
                // The cached text has the same bytes in the same places as its lower-cased
                // copy; only its letters keep their case.
                if (parseListingLine(std::string_view(folder.text).substr(start, length), line)) {
                    ++hits;
                    if (!hit({folder.key, std::string(line.name), line.size})) return hits;
                }
            }
            start = end;
        }
    }
    return hits;
}

bool searchFromPathBox(Zerin& zerin, int pane, std::string_view typed) {
    if (!PaneModel::validPane(pane) || !isSearchText(typed)) return false;
    PaneModel& panes = zerin.panes;
    const std::string searchText(typed);
    const std::vector<std::string> words = searchWords(searchText);
    const int run = ++panes.searchRuns[static_cast<std::size_t>(pane)];

    panes.setPath(pane, searchText);
    panes.listing(pane).clear();
    panes.listing(pane).archive = false;
    panes.controls(pane).pathText = searchText;
    panes.controls(pane).pathBack = 0;
    panes.controls(pane).pathFore = 0;
    // Search results have no parent folder to go up to.
    panes.controls(pane).parentEnabled = false;
    ListModel& list = panes.list(pane);
    list.clear();
    setFolderColumns(zerin, pane);
    panes.notifyControls(pane);

    // Held here: a folder read while the events are pumped changes the cache, not this copy.
    const auto folders = panes.searchIndex.current(panes.cache);
    // Still this search's pane: nothing sent it elsewhere while the events were pumped.
    auto stillOurs = [&] {
        return panes.searchRuns[static_cast<std::size_t>(pane)] == run && panes.path(pane) == searchText;
    };
    bool stopped = false;
    searchCache(*folders, words, [&](const SearchHit& hit) {
        const std::string suffix = hit.isFolder() ? std::string("/") : fileSuffix(hit.name);
        const Colour colour = fileSuffixColour(panes.colours, suffix);
        ListItem item;
        item.tag = hit.folder + hit.name;
        item.text = hit.isFolder() ? hit.name.substr(0, hit.name.size() - 1) : hit.name;
        item.colour = colour;
        item.subItems.push_back({panes.sizeFormat.format(hit.size), std::to_string(hit.size), colour});
        list.mutableItems().push_back(std::move(item));
        if (list.items().size() % kHitsPerRedraw == 0) {
            list.notifyReset();
            zerin.platform.pump.processEvents();
            if (!stillOurs()) {
                stopped = true;
                return false;
            }
        }
        return true;
    });
    if (stopped) return true;
    if (zerin.settings.columnAutosize) autosizeColumns(zerin, pane);
    list.notifyReset();
    panes.notifyControls(pane);
    return true;
}

}  // namespace zerin
