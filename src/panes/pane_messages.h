// Every text the pane module shows or prints, in one place for the code and its tests.
#pragma once

#include <string_view>

namespace zerin::paneMessage {

inline constexpr std::string_view kDirectoryMissing = "Directory does not exist!";
// A folder or archive that is there but cannot be read; the system's reason follows.
inline constexpr std::string_view kFolderUnreadable = "Cannot read this folder: ";
inline constexpr std::string_view kArchiveUnreadable = "Cannot read this archive: ";
// Why an archive listing failed (the archiver's path follows), and the debug line for
// each part of an archive the archiver could not read.
inline constexpr std::string_view kArchiverTimedOut = "the archiver did not finish within 10 seconds: ";
inline constexpr std::string_view kArchiverNotStarted = "the archiver could not be started: ";
inline constexpr std::string_view kArchiverNoListing = "the archiver wrote no listing: ";
inline constexpr std::string_view kArchiverBusy = "another archive is being listed";
inline constexpr std::string_view kArchiveProblem = "Archive listing: ";
inline constexpr std::string_view kInsideArchive = "Entries inside an archive cannot be opened; extract the archive first.";
inline constexpr std::string_view kNoComma = "no comma";
inline constexpr std::string_view kNoNewline = "no newline";
inline constexpr std::string_view kReading = "Reading: ";
inline constexpr std::string_view kMeasuring = "Measuring: ";
inline constexpr std::string_view kScanning = "Scanning folder: ";
inline constexpr std::string_view kEmpty = "Empty";
inline constexpr std::string_view kDatabaseSaved = "Database saved - ";
inline constexpr std::string_view kDatabaseFolders = " folders";
inline constexpr std::string_view kCacheWriteError = "Some error writing cache-file";
inline constexpr std::string_view kDir = "(Dir)";
// Shown after the path when a folder holds more entries than a pane's tables.
inline constexpr std::string_view kLeftOutBefore = "  [";
inline constexpr std::string_view kLeftOutAfter = " entries not shown]";

inline constexpr std::string_view kDrives = "Drives";
inline constexpr std::string_view kTextList = "Text List";
inline constexpr std::string_view kScripts = "scripts";
inline constexpr std::string_view kCacheFileName = "Zerin_Cache.ini";

inline constexpr std::string_view kColumnName = "Name";
inline constexpr std::string_view kColumnSize = "Size";
inline constexpr std::string_view kColumnFree = "Free";
inline constexpr std::string_view kSortAscending = "/\\ ";
inline constexpr std::string_view kSortDescending = "\\/ ";

}  // namespace zerin::paneMessage
