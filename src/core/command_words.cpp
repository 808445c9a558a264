#include "core/command_words.h"

namespace zerin {

std::vector<std::string> splitCommandWords(std::string_view line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;    // a word has begun, even if it is still empty ("")
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (quoted) {
            if (c != '"') {
                word += c;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                word += '"';
                ++i;
            } else {
                quoted = false;
            }
            continue;
        }
        if (c == ' ' || c == '\t') {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '"')
            quoted = true;
        else
            word += c;
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

std::string quoteCommandWord(std::string_view word) {
    std::string out = "\"";
    for (char c : word) {
        out += c;
        if (c == '"') out += '"';
    }
    out += '"';
    return out;
}

}  // namespace zerin
