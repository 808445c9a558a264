// Any Zerin_Cache.ini, and any listing text inside its records, must read without a crash
// or undefined behaviour (sizes that overflow, "nan", lone surrogates, odd byte counts), and
// what Zerin writes back must settle: the database re-read from its own bytes holds the same
// records, and a listing written from what was parsed reads back as the same listing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "panes/folder_size_database.h"
#include "panes/listing.h"
#include "panes/listing_cache.h"

using namespace zerin;

namespace {

// The listing text of a parsed listing: the form the pane writes back into the cache.
std::string rewritten(const std::string& text) {
    std::string folderPath;
    PaneListing listing;
    parseListingText(text, folderPath, listing);
    return listingText(listing, folderPath);
}

void checkListing(const std::string& text) {
    const std::string once = rewritten(text);
    // Entry paths are the folder path and the name: only a folder path that ends with "/"
    // (every pane path does) gives the names back.
    if (!text.substr(0, text.find("\r\n")).ends_with('/')) return;
    const std::string twice = rewritten(once);
    if (twice != once) std::abort();
    std::string folderPath;
    PaneListing listing;
    parseListingText(once, folderPath, listing);
    for (const auto* table : {&listing.folders(), &listing.files()})
        for (const ListingEntry& e : *table)
            if (holdsLineBreak(entryName(e.path))) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view raw(reinterpret_cast<const char*>(data), size);

    // The bytes as the file itself, and as the UTF-8 text of its records.
    ListingCache fromBytes;
    decodeFolderSizeDatabase(raw, fromBytes);
    ListingCache fromText;
    std::string utf16("\xFF\xFE", 2);
    appendUtf16le(utf16, raw);
    decodeFolderSizeDatabase(utf16, fromText);

    for (const ListingCache* cache : {&fromBytes, &fromText}) {
        ListingCache again;
        if (decodeFolderSizeDatabase(encodeFolderSizeDatabase(*cache), again) != cache->size()) std::abort();
        auto a = cache->entries().begin();
        for (const auto& [key, text] : again.entries()) {
            if (key != a->first || text != a->second) std::abort();
            ++a;
            checkListing(text);
        }
    }
    // The raw text as the listing of one folder, as scripts and the panes hand it over.
    checkListing(std::string(raw));
    ListingLine line;
    parseListingLine(raw, line);
    return 0;
}
