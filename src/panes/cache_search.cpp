#include "panes/cache_search.h"

#include <array>
#include <cstring>
#include <unordered_map>

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

// Finds one word by its rarest byte: memchr runs over the text at memory speed and stops
// only where that byte is, far less often than at the word's first letter.
class WordFinder {
public:
    // The word and byte to lead with: the byte of all the words that is least frequent in
    // the first folders (about kSampleBytes of text).
    static WordFinder rarest(const std::vector<CacheSearchIndex::Folder>& folders, const std::vector<std::string>& words) {
        constexpr std::size_t kSampleBytes = 256 * 1024;
        std::array<std::size_t, 256> counts{};
        for (std::size_t f = 0, sampled = 0; f < folders.size() && sampled < kSampleBytes; ++f) {
            for (unsigned char c : *folders[f].lower) ++counts[c];
            sampled += folders[f].lower->size();
        }
        WordFinder best{words.front(), 0};
        for (const std::string& w : words)
            for (std::size_t i = 0; i < w.size(); ++i)
                if (counts[static_cast<unsigned char>(w[i])] < counts[static_cast<unsigned char>(best.byte())])
                    best = WordFinder{w, i};
        return best;
    }

    // The next place of the word at or after `from`, npos for none.
    std::size_t next(std::string_view text, std::size_t from) const {
        for (std::size_t p = from + m_offset; p < text.size(); ++p) {
            const void* hit = std::memchr(text.data() + p, byte(), text.size() - p);
            if (!hit) break;
            p = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
            const std::size_t start = p - m_offset;
            if (text.substr(start, m_word.size()) == m_word) return start;
        }
        return std::string_view::npos;
    }

private:
    WordFinder(std::string_view word, std::size_t offset) : m_word(word), m_offset(offset) {}
    char byte() const { return m_word[m_offset]; }

    std::string_view m_word;
    std::size_t m_offset;
};

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
    // A folder read again keeps its place in the cache and a new one comes last, so the
    // old copy is mostly walked in step; the lookup by key is only for what moved.
    const std::vector<Folder> none;
    const std::vector<Folder>& old = m_folders ? *m_folders : none;
    std::unordered_map<std::string_view, const Folder*> byKey;
    auto previous = [&](std::size_t i, const std::string& key) -> const Folder* {
        if (i < old.size() && old[i].key == key) return &old[i];
        if (byKey.empty())
            for (const Folder& folder : old) byKey.emplace(folder.key, &folder);
        const auto found = byKey.find(key);
        return found == byKey.end() ? nullptr : found->second;
    };
    auto folders = std::make_shared<std::vector<Folder>>();
    folders->reserve(cache.size());
    for (const auto& [key, listingText] : cache.entries()) {
        const Folder* kept = previous(folders->size(), key);
        if (kept && *kept->text == listingText)
            folders->push_back(*kept);
        else
            folders->push_back({key, std::make_shared<const std::string>(listingText),
                                std::make_shared<const std::string>(text::lower(listingText))});
    }
    m_folders = std::move(folders);
    m_version = cache.version();
    return m_folders;
}

std::size_t searchCache(const std::vector<CacheSearchIndex::Folder>& folders, const std::vector<std::string>& words,
                        const std::function<bool(const SearchHit&)>& hit) {
    std::size_t hits = 0;
    if (words.empty()) return 0;
    // The scan jumps from one place of a leading word to the next and looks at the other
    // words only in the line around it, as grep does, instead of trying every word on
    // every line.
    const WordFinder leader = WordFinder::rarest(folders, words);
    for (const CacheSearchIndex::Folder& folder : folders) {
        const std::string_view lower = *folder.lower;
        // The first line is the folder's path, not an entry.
        const std::size_t entries = lower.find('\n');
        if (entries == std::string_view::npos) continue;
        std::size_t at = leader.next(lower, entries + 1);
        while (at != std::string_view::npos) {
            const std::size_t start = lower.rfind('\n', at) + 1;
            const std::size_t end = lower.find('\n', at);
            std::size_t length = (end == std::string_view::npos ? lower.size() : end) - start;
            if (length > 0 && lower[start + length - 1] == '\r') --length;
            if (holdsAll(lower.substr(start, length), words)) {
                ListingLine line;
                // The cached text has the same bytes in the same places as its lower-cased
                // copy; only its letters keep their case.
                if (parseListingLine(std::string_view(*folder.text).substr(start, length), line)) {
                    ++hits;
                    if (!hit({folder.key, std::string(line.name), line.size})) return hits;
                }
            }
            if (end == std::string_view::npos) break;
            at = leader.next(lower, end + 1);
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
