// The folder-size database Zerin_Cache.ini: the listing cache kept between runs, as
// UTF-16 LE text with a byte-order mark, one "CL:" record per cached folder.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zerin {

class Zerin;
class ListingCache;

// Loads the database from the program folder into the listing cache (start-up); a folder
// already cached keeps its listing. A missing file leaves the cache as it is. Returns the
// number of records added.
std::size_t loadFolderSizeDatabase(Zerin& zerin);

// Writes the whole cache and prints "Database saved - N folders"; on a write error shows
// "Some error writing cache-file" and keeps the old file. A run that has not loaded the
// file merges it first, and one that cannot read it does not overwrite it (the same
// message). Returns whether it was written.
bool saveFolderSizeDatabase(Zerin& zerin);

// The file's bytes for a cache, and the records of a file's bytes added to a cache (a record
// whose folder is already cached is skipped). Exposed for the benchmarks and tests.
std::string encodeFolderSizeDatabase(const ListingCache& cache);
std::size_t decodeFolderSizeDatabase(std::string_view bytes, ListingCache& cache);

// UTF-8 <-> UTF-16 LE (no byte-order mark); invalid sequences become U+FFFD.
void appendUtf16le(std::string& out, std::string_view utf8);
std::string utf16leToUtf8(std::string_view bytes);
void appendUtf8FromUtf16le(std::string& out, std::string_view bytes);

}  // namespace zerin
