#include "panes/cache_search.h"

#include <bit>
#include <cstdint>
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

}  // namespace

std::size_t WordFinder::next(std::string_view text, std::size_t from) const {
    const std::size_t k = m_word.size();
    if (k < 2 || std::endian::native != std::endian::little) return text.find(m_word, from);
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
    const std::uint64_t first = kOnes * static_cast<unsigned char>(m_word.front());
    const std::uint64_t last = kOnes * static_cast<unsigned char>(m_word.back());
    std::size_t p = from;
    // Eight places at a time: a byte of `x` is zero where the word's first and last
    // letters both stand in their places. The borrow of the zero test can flag a byte
    // above a true one too; every candidate is compared whole.
    for (; p + k - 1 + 8 <= text.size(); p += 8) {
        std::uint64_t a = 0, b = 0;
        std::memcpy(&a, text.data() + p, 8);
        std::memcpy(&b, text.data() + p + k - 1, 8);
        const std::uint64_t x = (a ^ first) | (b ^ last);
        for (std::uint64_t zero = (x - kOnes) & ~x & kHigh; zero != 0; zero &= zero - 1) {
            const std::size_t at = p + static_cast<std::size_t>(std::countr_zero(zero)) / 8;
            if (std::memcmp(text.data() + at + 1, m_word.data() + 1, k - 2) == 0 && text[at] == m_word.front() &&
                text[at + k - 1] == m_word.back())
                return at;
        }
    }
    // The last places, where eight bytes no longer fit.
    return text.find(m_word, p);
}

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
        if (kept && kept->textBytes == listingText)
            folders->push_back(*kept);
        else {
            auto text = std::make_shared<const std::string>(listingText);
            auto lower = std::make_shared<const std::string>(text::lower(listingText));
            folders->push_back({key, text, lower, *text, *lower});
        }
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
    std::size_t lead = 0;
    for (std::size_t i = 1; i < words.size(); ++i)
        if (words[i].size() > words[lead].size()) lead = i;
    const WordFinder leader(words[lead]);
    for (const CacheSearchIndex::Folder& folder : folders) {
        const std::string_view lower = folder.lowerBytes;
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
                if (parseListingLine(folder.textBytes.substr(start, length), line)) {
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
