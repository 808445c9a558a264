// Splitting a script's command line into a program and its arguments. Scripts write Linux
// paths, so a backslash is an ordinary character; double quotes group, and inside a
// quoted group two double quotes stand for one. The words are handed to the program
// directly (never to a shell), so no character in them has any further meaning.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zerin {

// Blanks and tabs separate words outside quotes. A quote may open in the middle of a word
// ("a"b"c" is one word "abc"); "" on its own is an empty word; an unclosed quote runs to
// the end of the line.
std::vector<std::string> splitCommandWords(std::string_view commandLine);

// The inverse for one word: wrapped in double quotes, inner double quotes doubled, so that
// splitCommandWords gives the word back unchanged whatever it contains.
std::string quoteCommandWord(std::string_view word);

}  // namespace zerin
