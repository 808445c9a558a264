// The "public name =value" lines that public.save writes into the on\load script.
// Each variable replaces the first line that declares it, or is appended. A save of many
// variables into a long script stays linear: the script is split into lines once and the
// declaring lines are found through an index keyed by the declared name, instead of
// searching the whole text again for every variable.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace zerin {

struct PublicLine {
    std::string name;   // lower-cased, as the public index holds it
    std::string value;
};

// Writes the lines for `vars` in order into `script` and returns the result. A line
// declares a name when, lower-cased, it begins with "public " + name + " ", or is exactly
// "public " + name and ends with CR LF. The declaration is replaced by
// "public " + name + " =" + value; a name with none gets that line and CR LF appended
// (after a CR LF that ends the last line when it had none).
std::string writePublicLines(std::string script, const std::vector<PublicLine>& vars);

}  // namespace zerin
