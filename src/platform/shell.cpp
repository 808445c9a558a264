#include "platform/shell.h"

#include "core/text.h"

namespace zerin {

namespace {

constexpr std::uint32_t kErrorBase = 0x80040000u + 1048u;
// The show mode of a program started without parameters or a folder.
constexpr int kShowNormal = 1;
constexpr int kShowHidden = 0;

struct KnownError {
    int result;
    std::int32_t number;  // 0: the base number
    const char* message;
};

constexpr KnownError kKnown[] = {
    {0, 7, "Out of memory"},
    {8, 7, "Out of memory"},
    {2, 53, "File not found"},
    {3, 76, "Path not found"},
    {5, 75, "Path/file access error"},
    {11, 0, "The executable file is invalid or corrupt"},
    {26, 75, "A sharing violation occurred."},
    {27, 0, "This file type does not have a valid file association."},
    {28, 286, "The file could not be opened due to time out. Please try again in a moment."},
    {29, 285, "The file could not be opened because the DDE transaction failed. Please try again in a moment."},
    {30, 285, "The file could not be opened because the target application is busy. Please try again in a moment."},
    {31, 0, "No application is associated with this file type."},
    {32, 48, "The specified dynamic-link library was not found."},
};
constexpr const char* kOtherError = "An error occurred occurred whilst trying to open or print the selected file.";

}  // namespace

std::int32_t shellBaseNumber(int result) {
    return static_cast<std::int32_t>(kErrorBase + static_cast<std::uint32_t>(result));
}

bool shellEx(Shell* shell, const std::string& file, int showMode, const std::string& parameters,
             const std::string& folder, const std::string& verb, ShellError& raised, const std::string& programName) {
    int result = shellResult::kNoAssociation;
    try {
        ShellRequest request{verb, file, parameters, folder, showMode};
        if (text::upper(file).find(".EXE") != std::string::npos) request.showMode = kShowHidden;
        // The path is handed over as one argument, so it is never wrapped in quotes: a
        // quote would become part of the name the launcher looks for.
        if (parameters.empty() && folder.empty()) request.showMode = kShowNormal;
        if (shell) result = shell->execute(request);
    } catch (...) {
        result = 1;  // a failing launcher call is absorbed below as "any other"
    }
    if (result > 32 || result < 0) return true;
    raised = {shellBaseNumber(result), programName + ".GShell", kOtherError};
    for (const KnownError& known : kKnown) {
        if (known.result != result) continue;
        if (known.number != 0) raised.number = known.number;
        raised.description = known.message;
    }
    return false;
}

}  // namespace zerin
