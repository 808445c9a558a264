// Opening a document (or starting a program) through the desktop's file associations.
// The service answers with the result codes of the classic shell call: above 32 when the
// request was accepted, 0 to 32 for why not (2 file not found, 3 path not found, 5 access
// denied, 31 no application for the file). shellEx turns a failure into an error number,
// source and message.
#pragma once

#include <cstdint>
#include <string>

namespace zerin {

struct ShellRequest {
    std::string verb;        // "open" from the panes
    std::string file;        // reaches the launcher byte for byte, as one argument
    std::string parameters;  // may be empty
    std::string folder;      // working folder, may be empty
    int showMode = 1;
};

class Shell {
public:
    virtual ~Shell() = default;
    virtual int execute(const ShellRequest& request) = 0;
};

namespace shellResult {
inline constexpr int kAccepted = 33;
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kAccessDenied = 5;
inline constexpr int kNoAssociation = 31;
}  // namespace shellResult

// The error a failed shell request raises.
struct ShellError {
    std::int32_t number = 0;
    std::string source;
    std::string description;
};

// The error number that stands for a shell result without a number of its own.
std::int32_t shellBaseNumber(int result);

// ShellEx: asks the shell to apply `verb` to `file`. True when the shell accepted. On a
// failure `raised` gets the error number, the source (`programName` + ".GShell") and the
// message; nothing is thrown and nothing is shown. Without a shell every request fails as
// one that no application takes.
bool shellEx(Shell* shell, const std::string& file, int showMode, const std::string& parameters,
             const std::string& folder, const std::string& verb, ShellError& raised,
             const std::string& programName = "zerin");

}  // namespace zerin
