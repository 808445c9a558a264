// The command-line splitter on any line, and its quoting on any words: quoting a word and
// splitting the result always gives the word back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/command_words.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view line(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> words = zerin::splitCommandWords(line);
    std::size_t total = 0;
    for (const std::string& w : words) total += w.size();
    if (total > size) std::abort();

    // Treat the input as NUL-separated words and round-trip them.
    std::vector<std::string> wanted;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i == size || data[i] == 0) {
            wanted.emplace_back(line.substr(start, i - start));
            start = i + 1;
        }
    }
    std::string joined;
    for (const std::string& w : wanted) joined += zerin::quoteCommandWord(w) + " ";
    if (zerin::splitCommandWords(joined) != wanted) std::abort();
    return 0;
}
