// Searching the listing cache from the path box: every cached folder whose entry lines
// hold all the typed words lists those entries in the pane, as the search runs.
//
// The search works on a lower-cased copy of the cache kept between searches, so that
// a search compares plain bytes; the copy is made again only when the cache changed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zerin {

class Zerin;
class ListingCache;

// Whether a text typed into the path box starts a search: not a path (on Linux an
// absolute path begins with "/"), no view word or path group, a first word of at least 3
// characters, and not the path box's own "Reading" text.
bool isSearchText(std::string_view typed);

// The typed text split at blanks into at most 20 words, each lower-cased; empty words
// (double blanks) are left out.
std::vector<std::string> searchWords(std::string_view typed);

// One entry found: its folder, its name as listed (folders keep their trailing "/") and
// its size.
struct SearchHit {
    std::string folder;
    std::string name;
    std::int64_t size = 0;
    bool isFolder() const { return name.ends_with('/'); }
};

// The lower-cased copy of the cache with the texts it was made from.
class CacheSearchIndex {
public:
    // Shared between copies, so that a folder whose listing did not change keeps its
    // texts from one copy to the next.
    struct Folder {
        std::string key;
        std::shared_ptr<const std::string> text;   // as cached
        std::shared_ptr<const std::string> lower;  // the same bytes, ASCII letters lower-cased
        // The bytes of the two, read by the search without going through the pointers.
        std::string_view textBytes;
        std::string_view lowerBytes;
    };

    // The copy for the cache as it is now: the one kept, when the cache has not changed
    // since it was made; otherwise a new one that lower-cases only the folders whose text
    // changed (one folder read must not make the next search copy the whole cache). The
    // copy stays valid for whoever holds it while the cache changes.
    std::shared_ptr<const std::vector<Folder>> current(const ListingCache& cache);

private:
    std::shared_ptr<const std::vector<Folder>> m_folders;
    std::uint64_t m_version = 0;
};

// Finds a word in a text eight places at a time, by its first and last letters together,
// so that a letter the text is full of does not stop the scan at every turn.
class WordFinder {
public:
    explicit WordFinder(std::string_view word) : m_word(word) {}
    // The first place of the word at or after `from`, npos for none (as string_view::find).
    std::size_t next(std::string_view text, std::size_t from) const;

private:
    std::string_view m_word;
};

// Calls `hit` for every entry line of every cached folder that holds all `words` (which
// are lower case). `hit` returns
// false to stop the search. Returns the number of hits.
std::size_t searchCache(const std::vector<CacheSearchIndex::Folder>& folders, const std::vector<std::string>& words,
                        const std::function<bool(const SearchHit&)>& hit);

// Enter in the path box on a search text: the pane's path becomes the text, its items are
// the hits (coloured by suffix, sized by the size format), shown every 100 hits while the
// events are pumped. False when the text is no search. A search ends early when the pane
// is sent elsewhere (or searched again) while the events are pumped.
bool searchFromPathBox(Zerin& zerin, int pane, std::string_view typed);

}  // namespace zerin
